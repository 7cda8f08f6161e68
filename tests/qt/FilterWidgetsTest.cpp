// The compact message filter driven through its real widgets: an option and
// the work mode chosen with the mouse, Save and Load answered through the
// toolkit's file dialog, and a recorded session that the scripted toolkit
// replays to the same message.
#include <gtest/gtest.h>

#include <QPushButton>

#include "orbel/builders/FilterExports.h"
#include "orbel/wire/ByteOrder.h"
#include "qt/QtHost.h"
#include "support/ScopedFeatures.h"

namespace {

using namespace orbel::test;

constexpr int kWorkModeSwitch = 124;

// What GetFilterMsgMini handed back and stored through its pointers.
struct MiniCall {
  std::vector<std::uint8_t> message;
  unsigned fullSet = 77, workModeState = 77;
  int workMode = 0, filterType = 0;

  bool operator==(const MiniCall&) const = default;
};

MiniCall callMini(int filterType, int workMode, bool interactive) {
  MiniCall call;
  call.workMode = workMode;
  call.filterType = filterType;
  unsigned char* message =
      GetFilterMsgMini(&call.fullSet, &call.workModeState, call.workMode, call.filterType, interactive);
  if (message != nullptr)
    call.message = takeBuffer(message, orbel::readU16LE(std::span<const std::uint8_t>(message, 2), 0));
  return call;
}

TEST(CompactFilterWidgets, FullOptionAndWorkModeByMouseGiveTheScriptedMessageAndProfile) {
  QtHost host;
  ScopedFeatures workModeSwitch({kWorkModeSwitch});
  host.drive([](tkqt::DialogWindow& window) {
    EXPECT_TRUE(checked(window, "filter.option3"));  // the filter type passed in
    EXPECT_TRUE(checked(window, "workmode.off"));
    EXPECT_TRUE(window.widgetFor("workmode.label")->isVisible());
    EXPECT_FALSE(window.widgetFor("filter.stored")->isEnabled());  // nothing loaded yet
    clickOn(window, "filter.full");
    clickOn(window, "workmode.on");
    EXPECT_FALSE(checked(window, "filter.option3"));
    QTest::keyClick(&window, Qt::Key_Return);
  });
  const MiniCall qt = callMini(3, 0, true);
  EXPECT_EQ(qt.message.size(), 28u + 4 * 478);
  EXPECT_EQ(qt.filterType, 4);
  EXPECT_EQ(qt.fullSet, 1u);
  EXPECT_EQ(qt.workMode, 1);
  EXPECT_EQ(host.toolkit().profile().getInt("Settings", "WorkMode", -1), 1);
  EXPECT_EQ(host.toolkit().profile().getInt("Settings", "FilterType", -1), 4);

  ScriptedHost scripted(dialogScript("CMsgFilterDlg_MINI", {click("filter.full"), click("workmode.on"), click("ok")}));
  EXPECT_EQ(callMini(3, 0, true), qt);
  EXPECT_EQ(scripted.profile().values(), host.toolkit().profile().values());
}

TEST(CompactFilterWidgets, WithoutTheWorkModeSwitchItsControlsAreHiddenAndNonInteractiveShowsNothing) {
  QtHost host;
  int shown = 0;
  host.drive([&](tkqt::DialogWindow& window) {
    ++shown;
    EXPECT_FALSE(window.widgetFor("workmode.on")->isVisible());
    EXPECT_FALSE(window.widgetFor("workmode.label")->isVisible());
    QTest::keyClick(&window, Qt::Key_Escape);
  });
  const MiniCall cancelled = callMini(2, 5, true);
  EXPECT_TRUE(cancelled.message.empty());
  EXPECT_EQ(cancelled.fullSet, 77u);  // Cancel changes nothing
  EXPECT_EQ(shown, 1);

  EXPECT_FALSE(callMini(0, 5, false).message.empty());  // confirmed while it opens: no window
  EXPECT_EQ(shown, 1);
}

// Save writes the option to a file and Load makes it the stored message that
// OK sends; the recording of the session (actions and file answers) replays
// on the scripted toolkit to the same message and the same file.
TEST(CompactFilterWidgets, SaveAndLoadThroughTheFileDialogAndTheRecordedSessionReplays) {
  CurrentFolderGuard folderGuard;
  QTemporaryDir folder;
  const QString file = folder.filePath("option1.flt_HLS");
  QtHost host;
  std::vector<tk::FileDialogRequest> requests;
  host.toolkit().onFileDialog([&](const tk::FileDialogRequest& request) {
    requests.push_back(request);
    return std::optional<std::optional<std::string>>(file.toStdString());
  });
  host.toolkit().recorder().start();
  host.drive([&](tkqt::DialogWindow& window) {
    clickOn(window, "filter.option1");
    clickOn(window, "save");
    EXPECT_TRUE(QFileInfo::exists(file));
    clickOn(window, "load");
    EXPECT_TRUE(window.widgetFor("filter.stored")->isEnabled());
    EXPECT_TRUE(checked(window, "filter.stored"));
    EXPECT_FALSE(checked(window, "filter.option1"));
    QTest::mouseClick(widget<QPushButton>(window, "ok"), Qt::LeftButton);
  });
  const MiniCall qt = callMini(0, 0, true);
  const tk::Script recording = host.toolkit().recorder().stop();
  const std::string saved = fileContents(file.toStdString());
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_TRUE(requests[0].save);
  EXPECT_FALSE(requests[1].save);
  EXPECT_EQ(requests[0].filter, "HLS filter file(*.flt_HLS)|*.flt_HLS||");
  EXPECT_EQ(qt.filterType, 6);
  EXPECT_EQ(qt.message.size(), 28u + 4 * 163);  // option 1, as loaded back
  EXPECT_EQ(host.toolkit().profile().getBinary("Settings", "{6468F89A-A3CF-444b-9B04-C664113BDA30}"), qt.message);
  EXPECT_TRUE(host.messages().empty());

  ASSERT_EQ(recording.dialogs.size(), 1u);
  EXPECT_EQ(recording.dialogs[0].actions.size(), 4u);  // option1, save, load, ok
  const tk::Script replayed = throughScriptFile(recording);
  EXPECT_EQ(replayed.files.size(), 2u);
  QFile::remove(file);
  ScriptedHost replay(replayed);
  EXPECT_EQ(callMini(0, 0, true), qt);
  EXPECT_TRUE(replay.toolkit().errors().empty());
  EXPECT_EQ(fileContents(file.toStdString()), saved);
}

}  // namespace
