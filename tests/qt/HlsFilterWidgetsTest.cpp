// The HLS filter dialog through its real widgets: a filter type picked in
// the combo box, SAPs ticked in the tree view with the keyboard, tri-state
// marks shown as the view's check states, the dialog staying open with the
// edits after a refused OK, and the widgets following a resized window by
// their anchors.
#include <gtest/gtest.h>

#include <QComboBox>
#include <map>
#include <memory>
#include <utility>

#include "host/ScopedHostState.h"
#include "host/SimFilterInfoMan.h"
#include "orbel/builders/FilterExports.h"
#include "qt/QtHost.h"

namespace {

using namespace orbel::test;

constexpr char kNodes[] = R"({"format": "orbel-hls-filter-nodes", "version": 1, "lists": [
  {"nodes": [{"label": "Layer", "children": [{"label": "SAP 3001", "value": 3001}, {"label": "SAP 3002", "value": 3002}]}]},
  {"nodes": [{"label": "MAC", "value": 1}]}, {"nodes": []}, {"nodes": []}, {"nodes": []}]})";

class HlsFilterWidgets : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(store().LoadNodeText(kNodes, "test nodes"), ""); }
  static HlsNodeStore& store() { return CSimFilterInfoMan::CreateInstance(true)->HlsNodes(); }
  ScopedHostState<HlsNodeStore> scope_{store()};
};

void chooseType(tkqt::DialogWindow& window, int index) {
  auto* combo = qobject_cast<QComboBox*>(window.widgetFor("type"));
  combo->setCurrentIndex(index);
  emit combo->activated(index);
}

// A tick shows as the view's check states and as the parent's count, the
// search field hides the rows it does not match, and the tick reaches the
// manager on OK.
TEST_F(HlsFilterWidgets, TicksThroughTheTreeViewShowPartlyTickedParentsAndCountsAndReachTheManager) {
  QtHost host;
  host.drive([](tkqt::DialogWindow& window) {
    chooseType(window, 3);
    auto* view = qobject_cast<QTreeView*>(window.widgetFor("tree.a"));
    ASSERT_NE(view, nullptr);
    QAbstractItemModel* model = view->model();
    const QModelIndex layer = model->index(0, 0);
    EXPECT_EQ(model->index(0, 1).data().toString(), "0/2");
    tickWithSpace(view, model->index(1, 0, layer));
    EXPECT_EQ(layer.data(Qt::CheckStateRole).toInt(), Qt::PartiallyChecked);
    EXPECT_EQ(model->index(1, 0, layer).data(Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_EQ(model->index(0, 1).data().toString(), "1/2");

    auto* search = qobject_cast<QLineEdit*>(window.widgetFor("tree.a.search"));
    ASSERT_NE(search, nullptr);
    QTest::keyClicks(search, "3002");
    EXPECT_TRUE(view->isRowHidden(0, layer));
    EXPECT_FALSE(view->isRowHidden(1, layer));
    EXPECT_FALSE(view->isRowHidden(0, QModelIndex()));
    search->clear();
    QTest::keyClicks(search, "x");
    EXPECT_TRUE(view->isRowHidden(0, QModelIndex()));
    search->clear();

    qobject_cast<QAbstractButton*>(window.widgetFor("standard"))->setChecked(false);
    emit qobject_cast<QAbstractButton*>(window.widgetFor("standard"))->clicked();
    QTest::keyClick(&window, Qt::Key_Return);
  });
  SapFilterManager* manager = nullptr;
  ASSERT_TRUE(OrbelGetHlsFilterBuffer(manager));
  const std::unique_ptr<SapFilterManager> owned(manager);
  ASSERT_EQ(manager->UserSap().size(), 1u);
  EXPECT_EQ(manager->UserSap().front().first, 3002u);
  EXPECT_EQ(store().lists().nodes(0)[0].GetChecked(), CFilterNode::kPartlyTicked);
}

TEST_F(HlsFilterWidgets, ARefusedOkKeepsTheWindowOpenWithTheEdits) {
  QtHost host;
  host.drive([&host](tkqt::DialogWindow& window) {
    chooseType(window, 1);
    auto* senders = qobject_cast<QTreeView*>(window.widgetFor("tree.b"));
    EXPECT_TRUE(senders->isEnabled());
    EXPECT_TRUE(enterKeepsOpen(window));
    EXPECT_EQ(host.messages().size(), 1u);
    tickWithSpace(senders, senders->model()->index(0, 0));
    EXPECT_FALSE(enterKeepsOpen(window));
  });
  SapFilterManager* manager = nullptr;
  ASSERT_TRUE(OrbelGetHlsFilterBuffer(manager));
  delete manager;
  EXPECT_EQ(store().lists().nodes(1)[0].GetChecked(), CFilterNode::kTicked);
}

// A mouse click on a label ticks as the tick box does and selects nothing;
// the expand button and the empty space right of the label do not tick.
TEST_F(HlsFilterWidgets, MouseClicksTickOnTheLabelOnly) {
  QtHost host;
  host.drive([](tkqt::DialogWindow& window) {
    chooseType(window, 3);
    auto* view = qobject_cast<QTreeView*>(window.widgetFor("tree.a"));
    QAbstractItemModel* model = view->model();
    const QModelIndex layer = model->index(0, 0);
    const QModelIndex sap = model->index(0, 0, layer);
    const QRect label = view->visualRect(sap);
    const int labelX = label.left() + view->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 8;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(labelX, label.center().y()));
    EXPECT_EQ(sap.data(Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_FALSE(view->selectionModel()->isSelected(sap));

    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(view->viewport()->width() - 3, label.center().y()));
    EXPECT_EQ(sap.data(Qt::CheckStateRole).toInt(), Qt::Checked);

    const QRect top = view->visualRect(layer);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(top.left() - 8, top.center().y()));
    EXPECT_FALSE(view->isExpanded(layer));
    EXPECT_EQ(layer.data(Qt::CheckStateRole).toInt(), Qt::PartiallyChecked);
    window.reject();
  });
  SapFilterManager* manager = nullptr;
  EXPECT_FALSE(OrbelGetHlsFilterBuffer(manager));
}

// Each control's widget geometry, by id.
std::map<std::string, QRect> widgetGeometry(tkqt::DialogWindow& window) {
  std::map<std::string, QRect> geometry;
  for (const tk::Control* control : window.dialog().controls())
    geometry[control->id()] = window.widgetFor(control->id())->geometry();
  return geometry;
}

void expectNoOverlap(tkqt::DialogWindow& window) {
  std::vector<std::pair<std::string, QRect>> shown;
  for (const tk::Control* control : window.dialog().controls()) {
    QWidget* widget = window.widgetFor(control->id());
    if (!widget->isVisible()) continue;
    EXPECT_TRUE(window.rect().contains(widget->geometry())) << control->id() << " is cut off";
    for (const auto& [id, other] : shown)
      EXPECT_FALSE(widget->geometry().intersects(other)) << control->id() << " overlaps " << id;
    shown.emplace_back(control->id(), widget->geometry());
  }
}

// Resizes the window and waits until the dialog has heard of it.
void resizeWindow(tkqt::DialogWindow& window, QSize size) {
  window.resize(size);
  for (int wait = 0; wait < 100 && window.dialog().client().width() != size.width(); ++wait) QTest::qWait(10);
}

// A drag of the window's edge runs the dialog's resize handler: tree A grows
// by the window's growth, the buttons move with the corner they sit in, tree
// B keeps its place, and no two shown controls overlap at either size. A
// recording keeps the size the drag ended at.
TEST_F(HlsFilterWidgets, TheWidgetsFollowAResizedWindowByTheirAnchors) {
  QtHost host;
  host.toolkit().recorder().start();
  host.drive([](tkqt::DialogWindow& window) {
    chooseType(window, 1);  // both trees in use
    EXPECT_EQ(window.minimumSize(), QSize(600, 440));
    EXPECT_EQ(window.size(), QSize(600, 440));
    expectNoOverlap(window);
    const std::map<std::string, QRect> before = widgetGeometry(window);

    resizeWindow(window, window.size() + QSize(90, 40));
    resizeWindow(window, QSize(800, 560));
    const std::map<std::string, QRect> after = widgetGeometry(window);
    EXPECT_EQ(after.at("tree.a"), before.at("tree.a").adjusted(0, 0, 200, 120));
    EXPECT_EQ(after.at("tree.a.search"), before.at("tree.a.search").adjusted(0, 0, 200, 0));
    EXPECT_EQ(after.at("type"), before.at("type").adjusted(0, 0, 200, 0));
    for (const char* id : {"attribute", "standard.on", "standard.off", "ok", "cancel"})
      EXPECT_EQ(after.at(id), before.at(id).translated(200, 120)) << id;
    for (const char* id : {"standard", "display", "leaves.off", "leaves.on", "load", "save", "import"})
      EXPECT_EQ(after.at(id), before.at(id).translated(0, 120)) << id;
    for (const char* id : {"tree.b", "tree.b.search"}) EXPECT_EQ(after.at(id), before.at(id)) << id;
    expectNoOverlap(window);
    EXPECT_EQ(window.dialog().stateText(), "client 800 x 560");
    window.reject();
  });
  SapFilterManager* manager = nullptr;
  EXPECT_FALSE(OrbelGetHlsFilterBuffer(manager));
  const tk::Script recording = host.toolkit().recorder().stop();
  ASSERT_EQ(recording.dialogs.size(), 1u);
  const std::vector<tk::ScriptAction>& actions = recording.dialogs[0].actions;
  ASSERT_EQ(actions.size(), 3u);  // the type, one resize, Cancel
  EXPECT_EQ(actions[1].control, tk::kDialogTarget);
  EXPECT_EQ(actions[1].width, 800);
  EXPECT_EQ(actions[1].index, 560);
}

}  // namespace
