// The enquiry dialogs driven through their real widgets: the export returns
// the bytes the scripted run of the same actions returns, and a recorded
// session replays byte for byte.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>

#include "orbel/builders/Exports.h"
#include "qt/QtHost.h"

namespace {

using namespace orbel::test;

std::string timerEnquiry() { return builtHex(OrbelGetTmrEnqueryBuffer); }
std::string counterEnquiry() { return builtHex(OrbelGetCountEnqueryBuffer); }

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
  const std::string qt = timerEnquiry();
  EXPECT_EQ(qt, "1C 00 FF 00 01 01 CA 32 00 00 0E 2F 00 00 00 00 00 00 04 00 00 21 00 05 00 00 00 00");

  // The recorded session, through its file format, replays to the same bytes.
  ScriptedHost replay(throughScriptFile(host.toolkit().recorder().stop()));
  EXPECT_EQ(timerEnquiry(), qt);
  EXPECT_TRUE(replay.toolkit().errors().empty());
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
  const std::string qt = counterEnquiry();
  EXPECT_NE(qt, "null");
  EXPECT_EQ(scriptedRun(dialogScript("CDiagEnqCntDlg", {click("module.pdh"), select("entry", 2),
                                                         set("instance", "0x1f"), click("ok")}),
                        counterEnquiry),
            qt);
}

// MAC takes no instance: its field is a disabled widget. An emptied instance
// is refused with the dialog left open, and Escape cancels.
TEST(EnquiryWidgets, DisabledFieldsAreDisabledWidgetsAndAnEmptyInstanceKeepsTheDialogOpen) {
  QtHost host;
  bool stillOpen = false;
  host.drive([&](tkqt::DialogWindow& window) {
    auto* instance = widget<QLineEdit>(window, "instance");
    EXPECT_FALSE(instance->isEnabled());
    EXPECT_EQ(instance->text(), "0xffff");
    QTest::mouseClick(widget<QRadioButton>(window, "module.rlc"), Qt::LeftButton);
    EXPECT_TRUE(instance->isEnabled());
    EXPECT_FALSE(checked(window, "module.mac"));
    EXPECT_EQ(widget<QComboBox>(window, "entry")->count(), 10);

    QTest::mouseClick(widget<QRadioButton>(window, "module.cc"), Qt::LeftButton);
    QTest::keyClick(instance, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(instance, Qt::Key_Delete);
    stillOpen = enterKeepsOpen(window);
    QTest::keyClick(&window, Qt::Key_Escape);
  });
  EXPECT_EQ(timerEnquiry(), "null");
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(host.messages(), std::vector<std::string>{"No Instance id"});
}

}  // namespace
