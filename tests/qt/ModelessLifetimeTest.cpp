// A modeless window never reads the controls it draws once they are gone:
// a dialog its owner destroys without ending the window first takes the
// window down through a teardown that touches no control, and says so. Under
// the asan preset a read of a control here is a heap-use-after-free.
#include <gtest/gtest.h>

#include <QPointer>
#include <memory>

#include "qt/QtHost.h"
#include "toolkit/Edit.h"
#include "toolkit/ListControl.h"
#include "toolkit/ResourceChain.h"
#include "toolkit/TreeControl.h"

namespace {

using namespace orbel::test;

// Texts longer than any short-string buffer, so that the controls' items live
// on the heap and a late read of them is a read of freed memory.
std::string longText(const char* name) { return std::string(name) + std::string(40, '.'); }

class LifetimeDialog : public tk::CDialog {
 public:
  LifetimeDialog() : CDialog({"probe", "LifetimeDlg", "Lifetime"}, nullptr) {
    name.setText(longText("name"));
    list.insertColumn("Row", 120);
    for (const char* row : {"one", "two", "three"}) list.insertItem(longText(row));
    const tk::TreeItem top = tree.insertItem(longText("top"));
    for (const char* leaf : {"a", "b"}) tree.insertItem(longText(leaf), top);
    tree.expand(top, true);
    setLayout({tk::item(name), tk::row({tk::item(list), tk::item(tree)})});
  }

  tk::Edit name{"name"};
  tk::ListControl list{"list", false};
  tk::TreeControl tree{"tree"};
};

// Counts the warnings that say the test's dialog went with its window open.
class AbandonedWindowCount {
 public:
  AbandonedWindowCount() : previous_(qInstallMessageHandler(&AbandonedWindowCount::record)) { count() = 0; }
  ~AbandonedWindowCount() { qInstallMessageHandler(previous_); }
  AbandonedWindowCount(const AbandonedWindowCount&) = delete;
  AbandonedWindowCount& operator=(const AbandonedWindowCount&) = delete;

  static int& count() {
    static int warnings = 0;
    return warnings;
  }

 private:
  static void record(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtWarningMsg && text.contains("LifetimeDlg was destroyed with its modeless window open")) ++count();
  }

  QtMessageHandler previous_;
};

class ModelessLifetime : public ::testing::Test {
 protected:
  void SetUp() override { tk::joinResourceChain("probe"); }
  void TearDown() override { tk::leaveResourceChain("probe"); }
};

// Each owner shows the dialog with the edit field focused and a row and an
// item current, then either destroys the dialog with its window open or ends
// the window first; only the first is warned of.
TEST_F(ModelessLifetime, ADialogDestroyedWithItsWindowOpenTakesItDownUnreadAndOnlyThatIsWarnedOf) {
  for (const bool endsTheWindowFirst : {false, true}) {
    SCOPED_TRACE(endsTheWindowFirst ? "window ended first" : "window left open");
    QtHost host;
    AbandonedWindowCount warnings;
    auto dialog = std::make_unique<LifetimeDialog>();
    tkqt::DialogWindow* shown = nullptr;
    host.toolkit().onDialogShown([&](tkqt::DialogWindow& window) { shown = &window; });
    ASSERT_TRUE(dialog->Create());
    ASSERT_NE(shown, nullptr);
    const QPointer<tkqt::DialogWindow> window = shown;
    window->activateWindow();
    auto* list = widget<QTreeView>(*window, "list");
    list->setCurrentIndex(list->model()->index(1, 0));
    auto* tree = widget<QTreeView>(*window, "tree");
    tree->setCurrentIndex(tree->model()->index(0, 0, tree->model()->index(0, 0)));
    auto* name = widget<QLineEdit>(*window, "name");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_End);
    QTest::keyClicks(name, "x");
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog->list.selection(), 1);
    EXPECT_EQ(dialog->name.text(), longText("name") + "x");

    if (endsTheWindowFirst) {
      dialog->DestroyWindow();
      EXPECT_TRUE(window.isNull());
    }
    dialog.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(AbandonedWindowCount::count(), endsTheWindowFirst ? 0 : 1);
  }
}

}  // namespace
