// The host's trace view with the real modeless search dialog: a Find in the
// dialog reaches the host, which selects the entry found; asking for the
// dialog again replaces the window, and Find-and-close hides it. Under the
// asan preset a read of a destroyed dialog's controls is a use-after-free.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>

#include "MainWindow.h"
#include "TraceView.h"
#include "orbel/search/CTrcSrchDlg.h"
#include "qt/QtHost.h"

namespace {

using namespace orbel::test;

class TraceViewSearch : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.toolkit().onDialogShown([this](tkqt::DialogWindow& window) { shown_ = &window; });
    ASSERT_TRUE(view().load(ORBEL_SAMPLE_TRACE));
  }

  orbel::host::TraceView& view() { return window_.traceView(); }
  QPointer<tkqt::DialogWindow> openSearch() {
    shown_ = nullptr;
    view().openSearch();
    return shown_;
  }
  const orbel::runner::TraceEntry& current() { return *view().entry(view().currentEntry().value_or(~0u)); }

  QtHost host_;
  orbel::host::MainWindow window_{host_.toolkit()};
  tkqt::DialogWindow* shown_ = nullptr;
};

TEST_F(TraceViewSearch, FindSelectsTheEntriesTheDialogAsksForInBothDirections) {
  QPointer<tkqt::DialogWindow> dialog = openSearch();
  ASSERT_FALSE(dialog.isNull());
  auto* history = widget<QComboBox>(*dialog, "history");
  history->lineEdit()->setFocus();
  QTest::keyClicks(history->lineEdit(), "cell 33");
  clickOn(*dialog, "find");
  ASSERT_TRUE(view().currentEntry());
  const std::size_t first = *view().currentEntry();
  EXPECT_NE(current().searchText.find("cell 33"), std::string::npos);
  clickOn(*dialog, "find");
  EXPECT_GT(*view().currentEntry(), first);
  clickOn(*dialog, "direction.0");
  clickOn(*dialog, "find");
  EXPECT_EQ(*view().currentEntry(), first);

  // A message search within a range of numbers that holds no such message.
  auto* tabs = widget<QTabBar>(*dialog, "tabs");
  ASSERT_NE(tabs, nullptr);
  tabs->setCurrentIndex(1);
  auto* family = widget<QComboBox>(*dialog, "family");
  family->setCurrentIndex(family->findText("GMM"));
  emit family->activated(family->currentIndex());
  auto* message = widget<QComboBox>(*dialog, "message");
  message->setCurrentIndex(message->findText("\"ATTACH ACCEPT\""));
  emit message->activated(message->currentIndex());
  clickOn(*dialog, "find");
  EXPECT_EQ(current().message, "ATTACH ACCEPT");
  clickOn(*dialog, "range");
  typeOver(widget<QLineEdit>(*dialog, "start"), "100");
  typeOver(widget<QLineEdit>(*dialog, "end"), "200");
  clickOn(*dialog, "find");
  EXPECT_TRUE(view().statusText().startsWith("Nothing was found")) << view().statusText().toStdString();
  EXPECT_EQ(current().message, "ATTACH ACCEPT");  // the selection stays
}

TEST_F(TraceViewSearch, TheDialogIsReplacedOnEachRequestAndHiddenByFindAndClose) {
  QPointer<tkqt::DialogWindow> first = openSearch();
  ASSERT_FALSE(first.isNull());
  QPointer<tkqt::DialogWindow> second = openSearch();
  EXPECT_TRUE(first.isNull());  // the first window went with its dialog
  ASSERT_FALSE(second.isNull());
  EXPECT_NE(view().record().dialog, nullptr);

  auto* history = widget<QComboBox>(*second, "history");
  QTest::keyClicks(history->lineEdit(), "PagingType1");
  clickOn(*second, "find.close");
  EXPECT_FALSE(second->isVisible());
  EXPECT_EQ(current().message, "PagingType1");
  EXPECT_EQ(view().record().direction, kSearchDirectionClosing);

  // Asked for again after it was hidden: a fresh window that searches on.
  const std::size_t before = *view().currentEntry();
  QPointer<tkqt::DialogWindow> third = openSearch();
  EXPECT_TRUE(second.isNull());
  ASSERT_FALSE(third.isNull());
  QTest::keyClicks(widget<QComboBox>(*third, "history")->lineEdit(), "PagingType1");
  clickOn(*third, "find");
  EXPECT_GT(*view().currentEntry(), before);
}

}  // namespace
