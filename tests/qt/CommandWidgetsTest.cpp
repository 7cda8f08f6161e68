// The cell-control and layer-1 report dialogs driven through their real
// widgets: the export, called with its arguments, returns the reference
// bytes, or those of the scripted run of the same actions, and shows the
// same refusals.
#include <gtest/gtest.h>

#include <QPushButton>

#include "host/StringTable.h"
#include "orbel/builders/Exports.h"
#include "qt/QtHost.h"
#include "runner/ExportTable.h"
#include "support/LockCellCall.h"
#include "support/ScopedFeatures.h"

namespace {

using namespace orbel::test;

TEST(LockCellWidgets, PresetArgumentsThenBandAndBsicRefusalsThenAGsmCell) {
  const LockCellArgs args{3, 0xFF, 10055, false, true, true, false};
  QtHost host;
  ScopedFeatures gsmModule({}, {25});
  std::vector<bool> keptOpen;
  host.drive([&](tkqt::DialogWindow& window) {
    // The arguments chose the TD side, mode 1 and the two pre-set values.
    EXPECT_TRUE(checked(window, "mode.1"));
    EXPECT_EQ(text(window, "cell"), "-");
    EXPECT_EQ(text(window, "frequency"), "10055");
    EXPECT_EQ(text(window, "label.cell"), "Cell Param ID:");
    EXPECT_FALSE(window.widgetFor("mode.3")->isEnabled());  // b1 clear
    EXPECT_EQ(text(window, "label.extra"), "");             // b4 clear

    typeOver(widget<QLineEdit>(window, "frequency"), "10053");  // outside every TD band
    keptOpen.push_back(enterKeepsOpen(window));
    clickOn(window, "mode.5");
    EXPECT_EQ(text(window, "label.cell"), "BSIC:");
    EXPECT_FALSE(checked(window, "mode.1"));
    typeOver(widget<QLineEdit>(window, "cell"), "64");
    keptOpen.push_back(enterKeepsOpen(window));
    typeOver(widget<QLineEdit>(window, "cell"), "63");
    keptOpen.push_back(enterKeepsOpen(window));
  });
  const Call qt = lockCell(args);
  EXPECT_EQ(keptOpen, (std::vector<bool>{true, true, false}));
  EXPECT_EQ(payloadHex(qt), "05 3F 27 45");

  ScriptedHost scripted(
      dialogScript("CDiagCmdLockCellDlg", {set("frequency", "10053"), click("ok"), click("mode.5"), set("cell", "64"),
                                           click("ok"), set("cell", "63"), click("ok")}));
  EXPECT_EQ(lockCell(args).bytes, qt.bytes);
  EXPECT_EQ(host.messages(), scripted.messages());
  EXPECT_EQ(host.messages().size(), 2u);
}

TEST(LockCellWidgets, B1ChecksModeThreeAndB4ShowsTheExtraCaption) {
  const LockCellArgs args{0, 0, 0, true, false, false, true};
  QtHost host;
  host.drive([](tkqt::DialogWindow& window) {
    EXPECT_TRUE(checked(window, "mode.3"));
    EXPECT_FALSE(window.widgetFor("frequency")->isEnabled());
    EXPECT_FALSE(window.widgetFor("mode.5")->isEnabled());  // no host module 25
    EXPECT_EQ(text(window, "label.extra"), getResourceStringComm(1240));
    QTest::mouseClick(widget<QPushButton>(window, "ok"), Qt::LeftButton);
  });
  EXPECT_EQ(payloadHex(lockCell(args)), "03");
}

TEST(L1ReportWidgets, NoCommandIsRefusedThenTheByteListIsTypedFieldByField) {
  QtHost host;
  std::vector<bool> keptOpen;
  host.drive([&](tkqt::DialogWindow& window) {
    EXPECT_EQ(text(window, "number"), "20");
    keptOpen.push_back(enterKeepsOpen(window));  // no command chosen
    clickOn(window, "command.bytes");
    QTest::keyClicks(widget<QLineEdit>(window, "first"), "1");
    QTest::keyClicks(widget<QLineEdit>(window, "second"), "2");
    QTest::keyClicks(widget<QLineEdit>(window, "value"), "300");
    QTest::keyClicks(widget<QLineEdit>(window, "bytes"), "0a 0b,ff");
    keptOpen.push_back(enterKeepsOpen(window));
  });
  EXPECT_EQ(payloadHex(callExport(GetL1infoReportCfg)), "01 02 00 03 01 2C 0A 0B FF");
  EXPECT_EQ(keptOpen, (std::vector<bool>{true, false}));
  EXPECT_EQ(host.messages(), std::vector<std::string>{"Select Command Type!"});
}

TEST(L1ReportWidgets, ABadNumberIsRefusedThenTheMaskComesFromTheClickedBoxes) {
  QtHost host;
  host.drive([](tkqt::DialogWindow& window) {
    clickOn(window, "command.number");
    typeOver(widget<QLineEdit>(window, "number"), "2x");
    QTest::keyClick(&window, Qt::Key_Return);  // "Input invalid"
    clickOn(window, "command.mask");
    EXPECT_FALSE(checked(window, "command.number"));
    for (const char* box : {"report.1", "report.4", "report.8", "report.4"}) clickOn(window, box);
    EXPECT_FALSE(checked(window, "report.4"));
    QTest::keyClick(&window, Qt::Key_Return);
  });
  EXPECT_EQ(payloadHex(callExport(GetL1infoReportCfg)), "00 81");
  EXPECT_EQ(host.messages(), std::vector<std::string>{"Input invalid"});
}

// The exported class as the host runs it, through the export table.
TEST(BarredCellWidgets, ChoosingATypeOpensSetWhichReturnsIt) {
  const orbel::runner::ExportInfo* barred = orbel::runner::findExport("IgnoreBarred");
  ASSERT_NE(barred, nullptr);
  orbel::runner::ExportCall call;
  call.args = {{"enableButtons", 1}, {"currentType", 0}};
  QtHost host;
  host.drive([](tkqt::DialogWindow& window) {
    EXPECT_EQ(text(window, "current"), "Normal");
    EXPECT_FALSE(window.widgetFor("set")->isEnabled());
    EXPECT_FALSE(window.widgetFor("ok")->isVisible());
    clickOn(window, "type.ignore");
    EXPECT_TRUE(window.widgetFor("set")->isEnabled());
    clickOn(window, "set");
  });
  const orbel::runner::ExportOutcome qt = barred->run(call);

  ScriptedHost scripted(dialogScript("IgnoreBarred", {click("type.ignore"), click("set")}));
  const orbel::runner::ExportOutcome expected = barred->run(call);
  EXPECT_EQ(qt.returned, expected.returned);
  EXPECT_EQ(qt.out, expected.out);
  EXPECT_EQ(qt.returned, orbel::runner::Returned(std::int64_t{1}));
}

}  // namespace
