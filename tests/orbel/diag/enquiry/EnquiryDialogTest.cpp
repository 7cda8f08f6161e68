// The timer and counter enquiry exports driven as a user drives them, and
// their pre-set path as the host uses it.
#include <gtest/gtest.h>

#include "orbel/builders/Exports.h"
#include "orbel/wire/HexText.h"
#include "support/ScriptedHost.h"

namespace {

using namespace orbel::test;

std::string hex(const Call& call) { return orbel::toHex(call.bytes); }

// Payload (entry identifier, instance) and module bytes of a 28-byte enquiry.
std::string essentials(const Call& call) {
  if (call.bytes.size() != 28) return "size " + std::to_string(call.bytes.size());
  return orbel::toHex(std::span(call.bytes).subspan(4, 2)) + " / " + orbel::toHex(std::span(call.bytes).subspan(20, 4));
}

TEST(TimerEnquiry, RlcTimerPollInstanceFiveIsTheReferenceMessage) {
  ScriptedHost host(dialogScript("CDiagEnqTmrDlg", {click("module.rlc"), select("entry", "Timer Poll"),
                                                    set("instance", "5"), click("ok")}));
  Call call = callExport(OrbelGetTmrEnqueryBuffer);
  EXPECT_EQ(hex(call), "1C 00 FF 00 01 01 CA 32 00 00 0E 2F 00 00 00 00 00 00 04 00 00 21 00 05 00 00 00 00");
  EXPECT_EQ(call.len, 28u);
  EXPECT_TRUE(host.toolkit().errors().empty());
}

TEST(TimerEnquiry, ConfirmingAtOnceAsksMacForAllTimersOfAllInstances) {
  ScriptedHost host(dialogScript("CDiagEnqTmrDlg", {click("ok")}));
  Call call = callExport(OrbelGetTmrEnqueryBuffer, 0);
  EXPECT_EQ(essentials(call), "01 00 / FF FF FF FF");
  EXPECT_EQ(orbel::toHex(std::span(call.bytes).subspan(18, 6)), "04 00 FF FF FF FF");
}

TEST(TimerEnquiry, TheInstanceFieldIsOpenOnlyForRlcAndCcAndResetsElsewhere) {
  // RLC keeps the typed instance; switching to RRC disables and resets it.
  ScriptedHost host(dialogScript("CDiagEnqTmrDlg", {click("module.rlc"), set("instance", "7"), click("module.rrc"),
                                                    set("instance", "9")}));
  callExport(OrbelGetTmrEnqueryBuffer);
  ASSERT_EQ(host.toolkit().errors().size(), 1u);  // the field is disabled for RRC
  EXPECT_NE(host.toolkit().errors()[0].find("disabled"), std::string::npos);

  ScriptedHost again(dialogScript("CDiagEnqTmrDlg", {click("module.cc"), set("instance", "0x12"), click("module.rlc"),
                                                     click("ok")}));
  EXPECT_EQ(essentials(callExport(OrbelGetTmrEnqueryBuffer)), "01 01 / FF FF 00 12");  // CC's text carried to RLC

  ScriptedHost reset(dialogScript("CDiagEnqTmrDlg", {click("module.cc"), set("instance", "3"), click("module.sm"),
                                                     click("ok")}));
  EXPECT_EQ(essentials(callExport(OrbelGetTmrEnqueryBuffer)), "06 02 / FF FF FF FF");
}

TEST(TimerEnquiry, SwitchingModulesLeavesTheFirstEntryOfTheNewModuleChosen) {
  ScriptedHost host(dialogScript("CDiagEnqTmrDlg", {click("module.rrc"), select("entry", 12), click("module.gmm"),
                                                    click("ok")}));
  EXPECT_EQ(essentials(callExport(OrbelGetTmrEnqueryBuffer)), "05 01 / FF FF FF FF");
  ScriptedHost deep(dialogScript("CDiagEnqTmrDlg", {click("module.gsms"), select("entry", "Timer TR2M   "),
                                                    click("ok")}));
  EXPECT_EQ(essentials(callExport(OrbelGetTmrEnqueryBuffer)), "06 04 / 00 83 FF FF");
}

TEST(TimerEnquiry, InstanceTextRules) {
  struct Case {
    std::vector<tk::ScriptAction> instanceActions;
    std::string expected;  // essentials, or "null"
  };
  const Case cases[] = {
      // CEditEx: "x" after decimal digits is refused, "0" grows into "0x", "g" is not hex.
      {{set("instance", "12"), type("instance", "x")}, "01 01 / FF FF 00 0C"},
      {{set("instance", ""), type("instance", "0x1g")}, "01 01 / FF FF 00 01"},
      {{set("instance", ""), type("instance", "017")}, "01 01 / FF FF 00 0F"},
      {{set("instance", "0x1g")}, "01 01 / FF FF FF FF"},  // a paste that fails the check is undone
      // Only 7 characters are kept and 6 read; only the low 16 bits are sent.
      {{set("instance", "1234567")}, "01 01 / FF FF E2 40"},
      {{set("instance", "0x12345")}, "01 01 / FF FF 12 34"},
      // "0x" passes the field but is no number: no message and no buffer.
      {{set("instance", "0x")}, "null"},
  };
  for (const Case& c : cases) {
    std::vector<tk::ScriptAction> actions{click("module.rlc")};
    actions.insert(actions.end(), c.instanceActions.begin(), c.instanceActions.end());
    actions.push_back(click("ok"));
    ScriptedHost host(dialogScript("CDiagEnqTmrDlg", actions));
    Call call = callExport(OrbelGetTmrEnqueryBuffer);
    EXPECT_EQ(call.returned ? essentials(call) : "null", c.expected) << c.instanceActions.back().text;
    EXPECT_TRUE(host.messages().empty());
    if (!call.returned) {
      EXPECT_EQ(call.len, 0u);
    }
  }
}

TEST(TimerEnquiry, AnEmptyInstanceIsRefusedAndTheDialogStaysOpen) {
  ScriptedHost host(dialogScript("CDiagEnqTmrDlg", {click("module.rlc"), set("instance", ""), click("ok"),
                                                    set("instance", "2"), click("ok")}));
  Call call = callExport(OrbelGetTmrEnqueryBuffer);
  EXPECT_EQ(host.messages(), std::vector<std::string>{"No Instance id"});
  EXPECT_EQ(essentials(call), "01 01 / FF FF 00 02");
}

TEST(TimerEnquiry, CancelOrAMissingToolkitReturnsNullAndLeavesTheLengthAlone) {
  {
    ScriptedHost host(dialogScript("CDiagEnqTmrDlg", {click("module.rlc"), click("cancel")}));
    unsigned int len = 0;
    EXPECT_EQ(OrbelGetTmrEnqueryBuffer(&len), nullptr);
    EXPECT_EQ(len, 0u);
  }
  unsigned int len = 0;
  EXPECT_EQ(OrbelGetTmrEnqueryBuffer(&len), nullptr);  // no toolkit installed
  EXPECT_EQ(OrbelGetCountEnqueryBuffer(nullptr), nullptr);
  EXPECT_EQ(OrbelGetTmrEnqueryBuffer(nullptr), nullptr);
}

TEST(EnquiryPreset, BuildsWithoutADialogFromModuleEntryAndInstance) {
  ScriptedHost host;  // any dialog would show up in dialogsRun
  struct Case {
    unsigned char* (*builder)(unsigned int*);
    unsigned int preset;
    std::string expected;
  };
  const Case cases[] = {
      {OrbelGetTmrEnqueryBuffer, 0x02FF0003, "02 00 / FF FF 00 03"},  // RRC, all timers, instance 3
      {OrbelGetTmrEnqueryBuffer, 0x01030001, "01 01 / 00 23 00 01"},  // RLC "Timer EPC "
      {OrbelGetTmrEnqueryBuffer, 0x02F10000, "02 00 / 00 31 00 00"},  // high nibble ignored: "Timer T300"
      {OrbelGetTmrEnqueryBuffer, 0x0800FFFF, "06 01 / FF FF FF FF"},  // last row, entry 0
      {OrbelGetCountEnqueryBuffer, 0x05020007, "04 00 / 00 62 00 07"},
  };
  for (const Case& c : cases) {
    Call call = callExport(c.builder, c.preset);
    EXPECT_EQ(essentials(call), c.expected) << std::hex << c.preset;
    EXPECT_EQ(call.len, 28u);
  }
  EXPECT_TRUE(host.toolkit().dialogsRun().empty());
}

TEST(EnquiryPreset, RefusesRowsAndEntriesThatDoNotExist) {
  ScriptedHost host;
  for (unsigned int preset : {0x09000001u, 0x01FE0000u /* entry 14 */, 0x00030000u, 0x06000000u}) {
    unsigned int len = preset;
    unsigned char* buffer = preset >> 24 == 6 ? OrbelGetCountEnqueryBuffer(&len) : OrbelGetTmrEnqueryBuffer(&len);
    EXPECT_EQ(buffer, nullptr) << std::hex << preset;
    EXPECT_EQ(len, preset);
  }
}

TEST(CounterEnquiry, ConfirmingBeforeChoosingAModuleAsksMacForAllCounters) {
  ScriptedHost host(dialogScript("CDiagEnqCntDlg", {click("ok")}));
  EXPECT_EQ(essentials(callExport(OrbelGetCountEnqueryBuffer)), "01 00 / FF FF FF FF");
}

TEST(CounterEnquiry, InstanceFieldIsOpenForCcAndPdhAndAlwaysRestartsAtAllInstances) {
  ScriptedHost host(dialogScript("CDiagEnqCntDlg", {click("module.pdh"), set("instance", "4"), click("module.cc"),
                                                    select("entry", "T322 Counter"), click("ok")}));
  EXPECT_EQ(essentials(callExport(OrbelGetCountEnqueryBuffer)), "06 00 / 00 72 FF FF");

  ScriptedHost typed(dialogScript("CDiagEnqCntDlg", {click("module.pdh"), set("instance", "4"),
                                                     select("entry", 2), click("ok")}));
  EXPECT_EQ(essentials(callExport(OrbelGetCountEnqueryBuffer)), "04 00 / 00 62 00 04");

  ScriptedHost closed(dialogScript("CDiagEnqCntDlg", {click("module.mm"), set("instance", "4")}));
  callExport(OrbelGetCountEnqueryBuffer);
  EXPECT_EQ(closed.toolkit().errors().size(), 1u);
}

TEST(CounterEnquiry, AnEmptyInstanceShowsItsOwnMessage) {
  ScriptedHost host(dialogScript("CDiagEnqCntDlg", {click("module.cc"), set("instance", ""), click("ok")}));
  Call call = callExport(OrbelGetCountEnqueryBuffer);
  EXPECT_FALSE(call.returned);
  EXPECT_EQ(host.messages(), std::vector<std::string>{"No instance id"});
}

TEST(EnquiryExports, EveryCallHandsOutItsOwnBuffer) {
  ScriptedHost host;
  unsigned int first = 0x01010005, second = 0x01010005;
  unsigned char* a = OrbelGetTmrEnqueryBuffer(&first);
  unsigned char* b = OrbelGetTmrEnqueryBuffer(&second);
  ASSERT_NE(a, nullptr);
  EXPECT_NE(a, b);
  EXPECT_EQ(takeBuffer(a, first), takeBuffer(b, second));
}

}  // namespace
