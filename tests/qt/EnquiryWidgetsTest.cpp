// The enquiry dialogs driven through their real widgets: the export returns
// the bytes the scripted run of the same actions returns, and a recorded
// session replays byte for byte.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "orbel/builders/Exports.h"
#include "orbel/wire/HexText.h"
#include "qt/QtHost.h"
#include "script/ScriptJson.h"
#include "support/ScriptedHost.h"

namespace {

using namespace orbel::test;

std::string callExport(unsigned char* (*builder)(unsigned int*)) {
  unsigned int len = 0;
  unsigned char* buffer = builder(&len);
  return buffer == nullptr ? "null" : orbel::toHex(takeBuffer(buffer, len));
}

TEST(EnquiryWidgets, TimerEnquiryByMouseAndKeyboardGivesTheScriptedBytesAndRecordsTheSession) {
  QtHost host;
  host.toolkit().recorder().start();
  host.drive([](tkqt::DialogWindow& window) {
    QTest::mouseClick(widget<QRadioButton>(window, "module.rlc"), Qt::LeftButton);
    auto* entry = widget<QComboBox>(window, "entry");
    entry->setFocus();
    QTest::keyClick(entry, Qt::Key_Down);  // "Timer Poll"
    auto* instance = widget<QLineEdit>(window, "instance");
    typeOver(instance, "5x");  // CEditEx refuses the "x"
    EXPECT_EQ(instance->text(), "5");
    QTest::keyClick(&window, Qt::Key_Return);  // Enter is OK
  });
  const std::string qt = callExport(OrbelGetTmrEnqueryBuffer);
  EXPECT_EQ(qt, "1C 00 FF 00 01 01 CA 32 00 00 0E 2F 00 00 00 00 00 00 04 00 00 21 00 05 00 00 00 00");

  // The recorded session, through its file format, replays to the same bytes.
  const std::string recorded = orbel::script::writeScript(host.toolkit().recorder().stop());
  auto parsed = orbel::script::parseScript(recorded);
  ASSERT_TRUE(std::holds_alternative<tk::Script>(parsed)) << recorded;
  ScriptedHost replay(std::get<tk::Script>(parsed));
  EXPECT_EQ(callExport(OrbelGetTmrEnqueryBuffer), qt) << recorded;
  EXPECT_TRUE(replay.toolkit().errors().empty()) << recorded;

  ScriptedHost scripted(dialogScript("CDiagEnqTmrDlg", {click("module.rlc"), select("entry", "Timer Poll"),
                                                        set("instance", "5"), type("instance", "x"), click("ok")}));
  EXPECT_EQ(callExport(OrbelGetTmrEnqueryBuffer), qt);
}

TEST(EnquiryWidgets, CounterEnquiryTypedHexInstance) {
  QtHost host;
  host.drive([](tkqt::DialogWindow& window) {
    QTest::mouseClick(widget<QRadioButton>(window, "module.pdh"), Qt::LeftButton);
    auto* entry = widget<QComboBox>(window, "entry");
    entry->setFocus();
    QTest::keyClick(entry, Qt::Key_End);  // "Counter DATA EST"
    typeOver(widget<QLineEdit>(window, "instance"), "0x1f");
    QTest::mouseClick(widget<QPushButton>(window, "ok"), Qt::LeftButton);
  });
  const std::string qt = callExport(OrbelGetCountEnqueryBuffer);
  ScriptedHost scripted(dialogScript("CDiagEnqCntDlg", {click("module.pdh"), select("entry", 2), set("instance", "0x1f"),
                                                        click("ok")}));
  EXPECT_EQ(callExport(OrbelGetCountEnqueryBuffer), qt);
  EXPECT_NE(qt, "null");
}

TEST(EnquiryWidgets, AnEmptyInstanceKeepsTheDialogOpenAndEscapeCancels) {
  QtHost host;
  bool stillOpen = false;
  host.drive([&](tkqt::DialogWindow& window) {
    QTest::mouseClick(widget<QRadioButton>(window, "module.cc"), Qt::LeftButton);
    auto* instance = widget<QLineEdit>(window, "instance");
    QTest::keyClick(instance, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(instance, Qt::Key_Delete);
    QTest::keyClick(&window, Qt::Key_Return);
    stillOpen = window.isVisible();
    QTest::keyClick(&window, Qt::Key_Escape);
  });
  EXPECT_EQ(callExport(OrbelGetTmrEnqueryBuffer), "null");
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(host.messages(), std::vector<std::string>{"No Instance id"});
}

TEST(EnquiryWidgets, DisabledFieldsAreDisabledWidgets) {
  QtHost host;
  host.drive([](tkqt::DialogWindow& window) {
    auto* instance = widget<QLineEdit>(window, "instance");
    EXPECT_FALSE(instance->isEnabled());  // MAC
    EXPECT_EQ(instance->text(), "0xffff");
    QTest::mouseClick(widget<QRadioButton>(window, "module.rlc"), Qt::LeftButton);
    EXPECT_TRUE(instance->isEnabled());
    EXPECT_FALSE(widget<QRadioButton>(window, "module.mac")->isChecked());
    EXPECT_EQ(widget<QComboBox>(window, "entry")->count(), 10);
    window.reject();
  });
  callExport(OrbelGetTmrEnqueryBuffer);
}

}  // namespace
