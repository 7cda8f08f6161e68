// The timer and counter setting exports driven as a user drives them.
#include <gtest/gtest.h>

#include "orbel/builders/Exports.h"
#include "support/ScriptedHost.h"

namespace {

using namespace orbel::test;

TEST(TimerSetting, RrcTimerT300ForAllInstancesIsTheReferenceMessage) {
  ScriptedHost host(dialogScript("CDiagCmdTmrSetDlg", {click("module.rrc"), select("entry", "Timer T300"),
                                                       set("value", "1000"), click("ok")}));
  Call call = callExport(OrbelGetTmrSetBuffer, 0x1234);  // *len on entry is not a pre-set value here
  EXPECT_EQ(orbel::toHex(call.bytes),
            "20 00 FF 00 02 00 CA 32 00 00 10 2F 00 00 00 00 00 00 08 00 00 31 FF FF 00 00 03 E8 00 00 00 00");
  EXPECT_EQ(call.len, 32u);
  EXPECT_TRUE(host.toolkit().errors().empty());
}

// Module bytes and payload of the message built by each script, or "null"
// when nothing is built.
TEST(SettingDialogs, BuildTheChosenEntryInstanceAndValue) {
  struct Case {
    const char* name;
    unsigned char* (*builder)(unsigned int*);
    std::vector<tk::ScriptAction> actions;  // before OK
    const char* expected;
  };
  const Case cases[] = {
      {"counter PDH DATA EST", OrbelGetCountSetBuffer,
       {click("module.pdh"), select("entry", "Counter DATA EST"), set("instance", "2"), set("value", "0x10")},
       "04 00 / 00 62 00 02 00 00 00 10"},
      {"timer list starts at the first timer, no entry for all", OrbelGetTmrSetBuffer,
       {click("module.ss"), set("value", "1")},
       "06 01 / 00 91 FF FF 00 00 00 01"},
      {"a module switch takes the first entry of the new row", OrbelGetTmrSetBuffer,
       {click("module.rlc"), select("entry", 8), click("module.sm"), set("value", "1")},
       "06 02 / 00 71 FF FF 00 00 00 01"},
      // The timer dialog reads 31 characters, so a value above 0xFFFF goes whole.
      {"timer value of 32 bits", OrbelGetTmrSetBuffer,
       {set("instance", "0x12345"), set("value", "4000000000")},
       "01 00 / 00 11 23 45 EE 6B 28 00"},
      // The counter dialog keeps 7 characters and reads 6 of them.
      {"counter texts cut", OrbelGetCountSetBuffer,
       {click("module.cc"), set("instance", "12345678"), set("value", "4000000000")},
       "06 00 / 00 71 E2 40 00 06 1A 80"},
      {"octal and hex notations", OrbelGetCountSetBuffer,
       {set("instance", "017"), set("value", "0xFFFFFFF")},
       "01 00 / 00 11 00 0F 00 00 FF FF"},
      // A text that is no number gives null without a message.
      {"timer value 0x", OrbelGetTmrSetBuffer, {set("instance", "1"), set("value", "0x")}, "null"},
      {"counter value 0x", OrbelGetCountSetBuffer, {set("instance", "1"), set("value", "0x")}, "null"},
  };
  for (const Case& c : cases) {
    auto actions = c.actions;
    actions.push_back(click("ok"));
    ScriptedHost host(dialogScript("", actions));
    Call call = callExport(c.builder, 77);
    EXPECT_EQ(call.returned ? orbel::toHex(std::span(call.bytes).subspan(4, 2)) + " / " + payloadHex(call) : "null",
              c.expected)
        << c.name;
    EXPECT_TRUE(call.returned || call.len == 77) << c.name;
    EXPECT_TRUE(host.messages().empty()) << c.name;
    EXPECT_TRUE(host.toolkit().errors().empty()) << c.name;
  }
}

TEST(SettingDialogs, MissingFieldsAreNamedInOrderAndTheDialogStaysOpen) {
  // The timer dialog opens with "0xffff" as instance; the counter dialog empty.
  ScriptedHost timer(dialogScript("CDiagCmdTmrSetDlg", {click("ok"), set("instance", ""), click("ok"),
                                                        set("instance", "1"), set("value", "5"), click("ok")}));
  EXPECT_EQ(payloadHex(callExport(OrbelGetTmrSetBuffer)), "00 11 00 01 00 00 00 05");
  EXPECT_EQ(timer.messages(), (std::vector<std::string>{"No Timer Interval", "No instance id"}));

  ScriptedHost counter(dialogScript("CDiagCmdCntSetDlg", {click("ok"), set("instance", "1"), click("ok")}));
  EXPECT_FALSE(callExport(OrbelGetCountSetBuffer).returned);
  EXPECT_EQ(counter.messages(), (std::vector<std::string>{"No instance id", "No New Value"}));
}

}  // namespace
