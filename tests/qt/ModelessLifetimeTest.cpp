// A modeless window never reads the controls it draws once they are gone:
// a dialog its owner destroys without ending the window first takes the
// window down through a teardown that touches no control, and says so. Under
// the asan preset a read of a control here is a heap-use-after-free.
#include <gtest/gtest.h>

#include <QPointer>
#include <algorithm>
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

// Warnings reported while the test runs.
class WarningLog {
 public:
  WarningLog() : previous_(qInstallMessageHandler(&WarningLog::record)) { texts().clear(); }
  ~WarningLog() { qInstallMessageHandler(previous_); }
  WarningLog(const WarningLog&) = delete;
  WarningLog& operator=(const WarningLog&) = delete;

  static std::vector<std::string>& texts() {
    static std::vector<std::string> recorded;
    return recorded;
  }
  // How many of them say the test's dialog went with its window open.
  static long abandonedWindows() {
    return std::count_if(texts().begin(), texts().end(), [](const std::string& text) {
      return text.find("LifetimeDlg was destroyed with its modeless window open") != std::string::npos;
    });
  }

 private:
  static void record(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtWarningMsg) texts().push_back(text.toStdString());
  }

  QtMessageHandler previous_;
};

class ModelessLifetime : public ::testing::Test {
 protected:
  void SetUp() override { tk::joinResourceChain("probe"); }
  void TearDown() override { tk::leaveResourceChain("probe"); }

  // Creates the dialog, shows it with the edit field focused and a row and an
  // item current, and returns its window.
  QPointer<tkqt::DialogWindow> openBusy(QtHost& host, LifetimeDialog& dialog) {
    tkqt::DialogWindow* shown = nullptr;
    host.toolkit().onDialogShown([&](tkqt::DialogWindow& window) { shown = &window; });
    EXPECT_TRUE(dialog.Create());
    if (shown == nullptr) return {};
    shown->activateWindow();
    auto* list = qobject_cast<QTreeView*>(shown->widgetFor("list"));
    list->setCurrentIndex(list->model()->index(1, 0));
    auto* tree = qobject_cast<QTreeView*>(shown->widgetFor("tree"));
    tree->setCurrentIndex(tree->model()->index(0, 0, tree->model()->index(0, 0)));
    auto* name = qobject_cast<QLineEdit*>(shown->widgetFor("name"));
    name->setFocus();
    QTest::keyClick(name, Qt::Key_End);
    QTest::keyClicks(name, "x");
    QCoreApplication::processEvents();
    return shown;
  }
};

TEST_F(ModelessLifetime, ADialogDestroyedWithItsWindowOpenTakesTheWindowDownWithoutReadingItsControls) {
  QtHost host;
  WarningLog warnings;
  auto dialog = std::make_unique<LifetimeDialog>();
  QPointer<tkqt::DialogWindow> window = openBusy(host, *dialog);
  ASSERT_FALSE(window.isNull());
  EXPECT_EQ(dialog->list.selection(), 1);
  EXPECT_EQ(dialog->name.text(), longText("name") + "x");

  dialog.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();

  EXPECT_TRUE(window.isNull());
  EXPECT_EQ(WarningLog::abandonedWindows(), 1);
}

TEST_F(ModelessLifetime, AnOwnerThatEndsTheWindowFirstGetsNoWarning) {
  QtHost host;
  WarningLog warnings;
  auto dialog = std::make_unique<LifetimeDialog>();
  QPointer<tkqt::DialogWindow> window = openBusy(host, *dialog);
  ASSERT_FALSE(window.isNull());
  dialog->DestroyWindow();
  EXPECT_TRUE(window.isNull());
  dialog.reset();
  QCoreApplication::processEvents();
  EXPECT_EQ(WarningLog::abandonedWindows(), 0);
}

}  // namespace
