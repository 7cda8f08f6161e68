// The timer and counter enquiry exports driven as a user drives them, their
// pre-set path as the host uses it, and the instance field's rules that the
// other enquiry dialogs share.
#include <gtest/gtest.h>

#include "orbel/builders/Exports.h"
#include "orbel/wire/HexText.h"
#include "support/ScriptedHost.h"

namespace {

using namespace orbel::test;
using Builder = unsigned char* (*)(unsigned int*);
constexpr Builder kTimer = OrbelGetTmrEnqueryBuffer;
constexpr Builder kCounter = OrbelGetCountEnqueryBuffer;

// Module bytes and payload (entry identifier, instance) of a 28-byte
// enquiry: "01 01 / FF FF 00 05"; "null" when nothing was built.
std::string essentials(const Call& call) {
  if (!call.returned) return "null";
  if (call.bytes.size() != 28) return "size " + std::to_string(call.bytes.size());
  return orbel::toHex(std::span(call.bytes).subspan(4, 2)) + " / " + payloadHex(call);
}

TEST(TimerEnquiry, RlcTimerPollInstanceFiveIsTheReferenceMessage) {
  ScriptedHost host(dialogScript("CDiagEnqTmrDlg", {click("module.rlc"), select("entry", "Timer Poll"),
                                                    set("instance", "5"), click("ok")}));
  Call call = callExport(kTimer);
  EXPECT_EQ(orbel::toHex(call.bytes),
            "1C 00 FF 00 01 01 CA 32 00 00 0E 2F 00 00 00 00 00 00 04 00 00 21 00 05 00 00 00 00");
  EXPECT_EQ(call.len, 28u);
  EXPECT_TRUE(host.toolkit().errors().empty());
}

TEST(TimerAndCounterEnquiry, BuildTheChosenModuleEntryAndInstance) {
  struct Case {
    const char* name;
    Builder builder;
    std::vector<tk::ScriptAction> actions;  // before OK
    const char* expected;
  };
  const auto onRlc = [&](std::vector<tk::ScriptAction> actions) {
    actions.insert(actions.begin(), click("module.rlc"));
    return actions;
  };
  const Case cases[] = {
      {"timer confirmed at once: MAC, all timers, all instances", kTimer, {}, "01 00 / FF FF FF FF"},
      {"CC's instance text carried to RLC", kTimer,
       {click("module.cc"), set("instance", "0x12"), click("module.rlc")}, "01 01 / FF FF 00 12"},
      {"SM closes and resets the instance", kTimer, {click("module.cc"), set("instance", "3"), click("module.sm")},
       "06 02 / FF FF FF FF"},
      {"a module switch takes the new module's first entry", kTimer,
       {click("module.rrc"), select("entry", 12), click("module.gmm")}, "05 01 / FF FF FF FF"},
      {"an entry deep in the GSMS list", kTimer, {click("module.gsms"), select("entry", "Timer TR2M   ")},
       "06 04 / 00 83 FF FF"},
      // CEditEx: "x" after decimal digits is refused, "0" grows into "0x", "g" is not hex.
      {"x after digits", kTimer, onRlc({set("instance", "12"), type("instance", "x")}), "01 01 / FF FF 00 0C"},
      {"typed hex stops at g", kTimer, onRlc({set("instance", ""), type("instance", "0x1g")}), "01 01 / FF FF 00 01"},
      {"typed octal", kTimer, onRlc({set("instance", ""), type("instance", "017")}), "01 01 / FF FF 00 0F"},
      {"a paste that fails the check is undone", kTimer, onRlc({set("instance", "0x1g")}), "01 01 / FF FF FF FF"},
      // Only 7 characters are kept and 6 read; only the low 16 bits are sent.
      {"seven digits", kTimer, onRlc({set("instance", "1234567")}), "01 01 / FF FF E2 40"},
      {"hex beyond 16 bits", kTimer, onRlc({set("instance", "0x12345")}), "01 01 / FF FF 12 34"},
      // "0x" passes the field but is no number: no message and no buffer.
      {"0x alone", kTimer, onRlc({set("instance", "0x")}), "null"},
      {"counter confirmed before a module is chosen", kCounter, {}, "01 00 / FF FF FF FF"},
      {"counter CC restarts at all instances", kCounter,
       {click("module.pdh"), set("instance", "4"), click("module.cc"), select("entry", "T322 Counter")},
       "06 00 / 00 72 FF FF"},
      {"counter PDH with an instance", kCounter, {click("module.pdh"), set("instance", "4"), select("entry", 2)},
       "04 00 / 00 62 00 04"},
  };
  for (const Case& c : cases) {
    auto actions = c.actions;
    actions.push_back(click("ok"));
    ScriptedHost host(dialogScript("", actions));
    Call call = callExport(c.builder);
    EXPECT_EQ(essentials(call), c.expected) << c.name;
    EXPECT_TRUE(host.messages().empty()) << c.name;
    EXPECT_TRUE(host.toolkit().errors().empty()) << c.name;
    EXPECT_TRUE(call.returned || call.len == 0) << c.name;
  }
}

// The timer's field is open for RLC and CC, the counter's for CC and PDH, the
// constant's for RLC and PDH (closed as for MAC before a module is chosen).
TEST(EnquiryDialogs, TheInstanceFieldIsClosedForTheOtherModules) {
  const std::pair<Builder, std::vector<tk::ScriptAction>> cases[] = {
      {kTimer, {click("module.rlc"), set("instance", "7"), click("module.rrc"), set("instance", "9")}},
      {kCounter, {click("module.mm"), set("instance", "4")}},
      {OrbelGetConstEnqueryBuffer, {click("module.mac"), set("instance", "1")}},
      {OrbelGetConstEnqueryBuffer, {click("module.rrc"), set("instance", "1")}},
      {OrbelGetConstEnqueryBuffer, {set("instance", "1")}},
  };
  for (const auto& [builder, actions] : cases) {
    ScriptedHost host(dialogScript("", actions));
    callExport(builder);
    ASSERT_EQ(host.toolkit().errors().size(), 1u) << actions.front().control;
    EXPECT_NE(host.toolkit().errors()[0].find("disabled"), std::string::npos);
  }
}

TEST(EnquiryDialogs, AnEmptyInstanceIsRefusedAndTheDialogStaysOpen) {
  ScriptedHost timer(dialogScript("CDiagEnqTmrDlg", {click("module.rlc"), set("instance", ""), click("ok"),
                                                     set("instance", "2"), click("ok")}));
  EXPECT_EQ(essentials(callExport(kTimer)), "01 01 / FF FF 00 02");
  EXPECT_EQ(timer.messages(), std::vector<std::string>{"No Instance id"});

  const std::pair<Builder, const char*> others[] = {{kCounter, "module.cc"},
                                                    {OrbelGetConstEnqueryBuffer, "module.rlc"},
                                                    {OrbelGetVariableEnqueryBuffer, "module.rlc"}};
  for (const auto& [builder, module] : others) {
    ScriptedHost host(dialogScript("", {click(module), set("instance", ""), click("ok")}));
    EXPECT_FALSE(callExport(builder).returned) << module;
    EXPECT_EQ(host.messages(), std::vector<std::string>{"No instance id"}) << module;
  }
}

TEST(TimerAndCounterEnquiry, CancelANullLengthOrAMissingToolkitGiveNullAndLeaveTheLength) {
  for (Builder builder : {kTimer, kCounter}) {
    {
      ScriptedHost host(dialogScript("", {click("module.cc"), click("cancel")}));
      Call call = callExport(builder);
      EXPECT_FALSE(call.returned);
      EXPECT_EQ(call.len, 0u);
      EXPECT_EQ(builder(nullptr), nullptr);
      EXPECT_EQ(host.toolkit().dialogsRun().size(), 1u);
    }
    EXPECT_FALSE(callExport(builder).returned);  // no toolkit installed
  }
}

TEST(EnquiryPreset, BuildsWithoutADialogFromModuleEntryAndInstance) {
  ScriptedHost host;  // any dialog would show up in dialogsRun
  struct Case {
    Builder builder;
    unsigned int preset;
    std::string expected;
  };
  const Case cases[] = {
      {kTimer, 0x02FF0003, "02 00 / FF FF 00 03"},  // RRC, all timers, instance 3
      {kTimer, 0x01030001, "01 01 / 00 23 00 01"},  // RLC "Timer EPC "
      {kTimer, 0x02F10000, "02 00 / 00 31 00 00"},  // high nibble ignored: "Timer T300"
      {kTimer, 0x0800FFFF, "06 01 / FF FF FF FF"},  // last row, entry 0
      {kCounter, 0x05020007, "04 00 / 00 62 00 07"},
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
    Call call = callExport(preset >> 24 == 6 ? kCounter : kTimer, preset);
    EXPECT_FALSE(call.returned) << std::hex << preset;
    EXPECT_EQ(call.len, preset);
  }
}

TEST(EnquiryExports, EveryCallHandsOutItsOwnBuffer) {
  ScriptedHost host;
  unsigned int first = 0x01010005, second = 0x01010005;
  unsigned char* a = kTimer(&first);
  unsigned char* b = kTimer(&second);
  ASSERT_NE(a, nullptr);
  EXPECT_NE(a, b);
  EXPECT_EQ(takeBuffer(a, first), takeBuffer(b, second));
}

}  // namespace
