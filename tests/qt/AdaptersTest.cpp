// Every control kind through its Qt widget: what the user does reaches the
// model as the same user action a script would apply, and after an action
// only the changed controls (and only the changed items) are refreshed.
#include <gtest/gtest.h>

#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>

#include "qt/QtHost.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/ListControl.h"
#include "toolkit/PropertySheet.h"
#include "toolkit/ResourceChain.h"
#include "toolkit/ScrollPane.h"
#include "toolkit/TabControl.h"
#include "toolkit/TreeListControl.h"

namespace {

using namespace orbel::test;

// Ticking a leaf ticks it; its parent shows ticked, unticked or partly ticked.
class AdaptersDialog : public tk::CDialog {
 public:
  AdaptersDialog() : CDialog({"probe", "AdaptersDlg", "Adapters"}, nullptr) {
    top = tree.insertItem("top");
    for (const char* name : {"a", "b"}) tree.setStateImage(tree.insertItem(name, top), 1);
    tree.setStateImage(top, 1);
    tree.expand(top, true);
    tree.onStateImageClick = [this](tk::TreeItem item) {
      tree.setStateImage(item, tree.stateImage(item) == 2 ? 1 : 2);
      int ticked = 0;
      for (tk::TreeItem child : tree.children(top)) ticked += tree.stateImage(child) == 2;
      tree.setStateImage(top, ticked == 0 ? 1 : ticked == 2 ? 2 : 3);
    };
    list.insertColumn("Name", 100);
    for (const char* name : {"one", "two", "three"}) list.insertItem(name);
    tabs.insertItem(0, "String");
    tabs.insertItem(1, "Message");
    sheet.addPage("MAC", tk::column({tk::item(mac)}));
    sheet.addPage("RLC", tk::column({tk::item(rlc)}));
    tk::LayoutNode rows = tk::column({});
    for (auto& edit : rowEdits) rows.children.push_back(tk::item(edit));
    pane.setContent(rows);
    pane.setScrollInfo(400, 100, 0);
    fields.setColumnTitles({"Field Name", "Field Value", "Field Comment"});
    fields.setEditable(fields.insertItem("value"), true);
    note.setTooltip("first line\nsecond line");
    setLayout({tk::row({tk::item(tree), tk::item(list)}), tk::item(tabs), tk::item(sheet), tk::item(pane),
               tk::item(fields), tk::item(note)});
  }

  tk::TreeControl tree{"tree"};
  tk::TreeItem top = 0;
  tk::ListControl list{"list", true};
  tk::TabControl tabs{"tabs"};
  tk::PropertySheet sheet{"sheet"};
  tk::CheckBox mac{"mac.all", "All MAC"};
  tk::CheckBox rlc{"rlc.all", "All RLC"};
  tk::ScrollPane pane{"pane"};
  std::array<tk::Edit, 10> rowEdits{tk::Edit{"row.0"}, tk::Edit{"row.1"}, tk::Edit{"row.2"}, tk::Edit{"row.3"},
                                    tk::Edit{"row.4"}, tk::Edit{"row.5"}, tk::Edit{"row.6"}, tk::Edit{"row.7"},
                                    tk::Edit{"row.8"}, tk::Edit{"row.9"}};
  tk::TreeListControl fields{"fields"};
  tk::Edit note{"note"};
};

class Adapters : public ::testing::Test {
 protected:
  void SetUp() override { tk::joinResourceChain("probe"); }
  void TearDown() override { tk::leaveResourceChain("probe"); }
};

TEST_F(Adapters, TickingATreeItemRefreshesOnlyTheTreeAndOnlyTheTwoItemsThatChanged) {
  QtHost host;
  AdaptersDialog dialog;
  host.drive([&](tkqt::DialogWindow& window) {
    auto* view = widget<QTreeView>(window, "tree");
    view->setCurrentIndex(view->model()->index(0, 0, view->model()->index(0, 0)));
    const std::size_t before = window.refreshCount();
    const std::size_t itemsBefore = window.itemRefreshCount();
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_EQ(dialog.tree.stateImage(dialog.tree.find({"top", "a"})), 2);
    EXPECT_EQ(view->model()->index(0, 0).data(Qt::CheckStateRole).toInt(), Qt::PartiallyChecked);
    EXPECT_EQ(window.refreshCount() - before, 1u);  // the tree alone
    EXPECT_EQ(window.itemRefreshCount() - itemsBefore, 2u);
    window.reject();
  });
  dialog.DoModal();
}

TEST_F(Adapters, ListTabsSheetScrollPaneAndTreeListFollowTheUser) {
  QtHost host;
  AdaptersDialog dialog;
  host.drive([&](tkqt::DialogWindow& window) {
    auto* list = widget<QTreeView>(window, "list");
    tickWithSpace(list, list->model()->index(1, 0));
    EXPECT_TRUE(dialog.list.checked(1));
    EXPECT_EQ(dialog.list.selection(), 1);

    auto* tabs = qobject_cast<QTabBar*>(window.widgetFor("tabs"));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(dialog.tabs.curSel(), 1);

    auto* sheet = qobject_cast<QTabWidget*>(window.widgetFor("sheet"));
    QTest::mouseClick(sheet->tabBar(), Qt::LeftButton, {}, sheet->tabBar()->tabRect(1).center());
    EXPECT_EQ(dialog.sheet.activePage(), 1);
    QCoreApplication::processEvents();  // lay out the page now shown
    auto* rlc = qobject_cast<QCheckBox*>(window.widgetFor("rlc.all"));
    QTest::mouseClick(rlc, Qt::LeftButton, {}, QPoint(8, rlc->height() / 2));  // on the box itself
    EXPECT_EQ(dialog.rlc.check(), 1);

    auto* area = qobject_cast<QScrollArea*>(window.widgetFor("pane"));
    area->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_GT(dialog.pane.position(), 0);
    EXPECT_EQ(area->verticalScrollBar()->sliderPosition(), dialog.pane.position());

    auto* fields = widget<QTreeView>(window, "fields");
    auto* editor = editorOn<QLineEdit>(fields, fields->model()->index(0, 1));
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "7");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the view commits the editor's data from the event loop
    EXPECT_EQ(dialog.fields.itemText(dialog.fields.find({"value"}), 1), "7");
    EXPECT_EQ(fields->model()->headerData(1, Qt::Horizontal).toString(), "Field Value");

    EXPECT_EQ(window.widgetFor("note")->toolTip(), "first line\nsecond line");
    window.reject();
  });
  EXPECT_EQ(dialog.DoModal(), tk::IDCANCEL);
}

TEST_F(Adapters, AModelessDialogStaysUpWhileItsOwnerWorksAndGoesWithDestroyWindow) {
  QtHost host;
  tkqt::DialogWindow* shown = nullptr;
  host.toolkit().onDialogShown([&](tkqt::DialogWindow& window) { shown = &window; });  // stays open
  AdaptersDialog dialog;
  ASSERT_TRUE(dialog.Create());
  ASSERT_NE(shown, nullptr);
  EXPECT_TRUE(shown->isVisible());
  EXPECT_FALSE(shown->isModal());
  auto* tabs = qobject_cast<QTabBar*>(shown->widgetFor("tabs"));
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
  EXPECT_EQ(dialog.tabs.curSel(), 1);
  dialog.ShowWindow(false);
  EXPECT_FALSE(shown->isVisible());
  dialog.DestroyWindow();
  EXPECT_FALSE(dialog.isModelessWindow());
}

}  // namespace
