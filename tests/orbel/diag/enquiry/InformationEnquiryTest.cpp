// The constant, variable, static information and state-machine enquiries
// driven through their exports.
#include <gtest/gtest.h>

#include "orbel/builders/Exports.h"
#include "support/ScriptedHost.h"

namespace {

using namespace orbel::test;

// Routing bytes, primitive and payload: "01 00 / 12054 / 00 11 FF FF".
std::string essentials(const Call& call) {
  if (!call.returned) return "null";
  const auto& b = call.bytes;
  return orbel::toHex(std::span(b).subspan(4, 2)) + " / " + std::to_string(b[10] | b[11] << 8) + " / " +
         payloadHex(call);
}

struct EnquiryCase {
  const char* name;
  unsigned char* (*builder)(unsigned int*);
  std::vector<tk::ScriptAction> actions;  // before OK
  const char* expected;
};

TEST(InformationEnquiry, BuildsTheChosenModuleEntryAndInstance) {
  const EnquiryCase cases[] = {
      {"constant confirmed at once: MAC constant, all instances", OrbelGetConstEnqueryBuffer, {},
       "01 00 / 12054 / 00 11 FF FF"},
      {"constant RLC with an instance", OrbelGetConstEnqueryBuffer, {click("module.rlc"), set("instance", "5")},
       "01 01 / 12054 / 00 21 00 05"},
      {"constant PDH entry", OrbelGetConstEnqueryBuffer,
       {click("module.pdh"), select("entry", "HC info"), set("instance", "3")}, "04 00 / 12054 / 00 43 00 03"},
      // RRC closes the field again and resets it to all instances.
      {"constant RRC after RLC", OrbelGetConstEnqueryBuffer,
       {click("module.rlc"), set("instance", "5"), click("module.rrc")}, "02 00 / 12054 / 00 31 FF FF"},
      {"variable RRC START information", OrbelGetVariableEnqueryBuffer,
       {click("module.rrc"), select("entry", 17), set("instance", "0")}, "02 00 / 12056 / 00 41 00 00"},
      {"variable instance kept across modules", OrbelGetVariableEnqueryBuffer,
       {set("instance", "7"), click("module.sm")}, "06 02 / 12056 / 00 90 00 07"},
      {"static defaults", OrbelGetStaticEnqueryBuffer, {}, "01 01 / 12058 / 00 11 00 00"},
      {"static target 0x21, scope 1", OrbelGetStaticEnqueryBuffer, {click("target.21"), click("scope.1")},
       "04 01 / 12058 / 01 21 00 00"},
      {"static instance parsed but not sent", OrbelGetStaticEnqueryBuffer,
       {click("target.21"), click("target.11"), set("instance", "0x20")}, "01 01 / 12058 / 00 11 00 00"},
      {"static instance that is no number", OrbelGetStaticEnqueryBuffer, {set("instance", "0x")}, "null"},
      {"state machine defaults", OrbelGetFsmEnqueryBuffer, {}, "01 01 / 12060 / 00"},
      {"state machine GSMS, action 0xFF", OrbelGetFsmEnqueryBuffer, {click("action.ff"), click("module.gsms")},
       "06 04 / 12060 / FF"},
      {"state machine SS, action 1", OrbelGetFsmEnqueryBuffer, {click("module.ss"), click("action.1")},
       "06 01 / 12060 / 01"},
  };
  for (const EnquiryCase& c : cases) {
    auto actions = c.actions;
    actions.push_back(click("ok"));
    ScriptedHost host(dialogScript("", actions));
    // A non-zero *len is no pre-set value for these: the dialog is shown.
    EXPECT_EQ(essentials(callExport(c.builder, 0x01010005)), c.expected) << c.name;
    EXPECT_EQ(host.toolkit().dialogsRun().size(), 1u) << c.name;
    EXPECT_TRUE(host.toolkit().errors().empty()) << c.name;
  }
}

TEST(InformationEnquiry, StateMachineEnquiryIsTwentyFiveBytesWithTheTrailerAtTheEnd) {
  ScriptedHost host(dialogScript("CDiagCmdFsmEnqDlg", {click("module.gsms"), click("action.ff"), click("ok")}));
  Call call = callExport(OrbelGetFsmEnqueryBuffer);
  EXPECT_EQ(orbel::toHex(call.bytes), "19 00 FF 00 06 04 CA 32 00 00 1C 2F 00 00 00 00 00 00 01 00 FF 00 00 00 00");
  EXPECT_EQ(call.len, 25u);
}

// Every dialog builder of the diagnostic commands but the enquiries with a
// pre-set path: a null length shows nothing, and Cancel returns null with
// *len as it was.
TEST(DialogBuilders, NullLengthAndCancelGiveNullAndLeaveTheLength) {
  for (unsigned char* (*builder)(unsigned int*) :
       {OrbelGetSimCmdBuffer, OrbelGetTmrSetBuffer, OrbelGetCountSetBuffer, OrbelGetConstEnqueryBuffer,
        OrbelGetVariableEnqueryBuffer, OrbelGetStaticEnqueryBuffer, OrbelGetFsmEnqueryBuffer, DiagCmdDisableReqBuffer,
        OrbelGetPhyParamInfoReqBuffer, GetMeasReportInterval, GetL1infoReportCfg, +[](unsigned int* len) {
          return OrbelGetLockCellBuffer(len, 3, 1, 10055, false, true, true, false);
        }}) {
    ScriptedHost host(dialogScript("", {click("cancel")}));
    EXPECT_EQ(builder(nullptr), nullptr);
    Call call = callExport(builder, 9);
    EXPECT_FALSE(call.returned);
    EXPECT_EQ(call.len, 9u);
    EXPECT_EQ(host.toolkit().dialogsRun().size(), 1u);
    EXPECT_TRUE(host.toolkit().errors().empty());
  }
}

}  // namespace
