// The cell-control exports (lock cell, disable request, physical-layer
// request, measurement interval) and the barred-cell dialog class, driven
// as a user drives them.
#include <gtest/gtest.h>

#include "host/StringTable.h"
#include "host/TdBand.h"
#include "orbel/builders/Exports.h"
#include "orbel/diag/cell/IgnoreBarred.h"
#include "support/LockCellCall.h"
#include "support/ScopedFeatures.h"
#include "support/ScriptedHost.h"
#include "toolkit/Edit.h"
#include "toolkit/RadioButton.h"

namespace {

using namespace orbel::test;

// Caption of `id` when the script's actions are done.
class CaptionProbe {
 public:
  CaptionProbe(ScriptedHost& host, std::string id) : id_(std::move(id)) {
    host.toolkit().onActionsDone([this](const tk::CDialog& dialog) { caption_ = dialog.findControl(id_)->caption(); });
  }
  const std::string& caption() const { return caption_; }

 private:
  std::string id_;
  std::string caption_;
};

TEST(LockCell, PresetAnyCellOnATdFrequencyIsTheReferenceMessage) {
  ScriptedHost host(dialogScript("CDiagCmdLockCellDlg", {click("ok")}));
  CaptionProbe caption(host, "label.cell");
  Call call = lockCell({3, 0xFF, 10055, false, true, true, false});
  EXPECT_EQ(orbel::toHex(call.bytes), "1C 00 FF 00 09 00 CA 32 00 00 26 2F 00 00 00 00 00 00 04 00 01 FF 27 47 00 00 00 00");
  EXPECT_EQ(call.len, 28u);
  EXPECT_EQ(caption.caption(), "Cell Param ID:");
  EXPECT_TRUE(host.toolkit().errors().empty());
}

TEST(LockCell, ModesWithoutACellSendTheModeAloneIn25Bytes) {
  struct Case {
    LockCellArgs args;
    std::vector<tk::ScriptAction> actions;
    const char* payload;
  };
  const Case cases[] = {
      {{}, {}, "00"},                                  // no switch: mode 0
      {{0, 0, 0, true}, {}, "03"},                     // b1 checks mode 3
      {{}, {click("mode.4")}, "04"},
      {{3, 5, 10055, false, true, true}, {click("mode.0")}, "00"},  // pre-set values are not sent
  };
  for (const Case& c : cases) {
    auto actions = c.actions;
    actions.push_back(click("ok"));
    ScriptedHost host(dialogScript("CDiagCmdLockCellDlg", actions));
    Call call = lockCell(c.args);
    EXPECT_EQ(payloadHex(call), c.payload);
    EXPECT_EQ(call.len, 25u);
    EXPECT_EQ(orbel::toHex(std::span(call.bytes).subspan(21)), "00 00 00 00");
  }
}

// The cell and frequency rules per mode, each with the message it shows.
TEST(LockCell, ValidatesFrequencyThenCellPerMode) {
  struct Case {
    const char* mode;
    const char* frequency;
    const char* cell;
    const char* payload;  // or "null" when refused
    unsigned message;     // string number, 0 for none
  };
  const Case cases[] = {
      {"mode.1", "10055", "127", "01 7F 27 47", 0},
      {"mode.1", "10055", "128", "null", 11444},
      {"mode.2", "9404", "-", "02 FF 24 BC", 0},
      {"mode.2", "9404", "-1", "null", 11444},  // a negative number is no cell
      {"mode.1", "10055", "", "null", 11444},
      {"mode.5", "70", "63", "05 3F 00 46", 0},
      {"mode.5", "70", "64", "null", 12723},
      {"mode.6", "0xFFFF", "0", "06 00 FF FF", 0},
      {"mode.6", "65536", "0", "null", 11445},   // the frequency fits 16 bits
      {"mode.5", "-3", "0", "null", 11445},
      {"mode.5", "", "0", "null", 11445},
      {"mode.1", "10053", "1", "null", 12930},  // outside every band
      {"mode.1", "75591", "1", "null", 12930},  // 10055 + 0x10000 is not read as 10055
      {"mode.1", "10055", "x", "null", 11444},  // the band is checked before the cell
  };
  for (const Case& c : cases) {
    ScriptedHost host(dialogScript("CDiagCmdLockCellDlg", {click(c.mode), set("frequency", c.frequency),
                                                           set("cell", c.cell), click("ok")}));
    ScopedFeatures gsmModule({}, {25});  // offers the GSM modes
    Call call = lockCell({});
    const std::string where = std::string(c.mode) + " " + c.frequency + " / " + c.cell;
    EXPECT_EQ(payloadHex(call), c.payload) << where;
    std::vector<std::string> expected;
    if (c.message == 12930)
      expected.push_back(std::string("The frequency is not a valid TD-SCDMA UARFCN. Supported bands: ") +
                         TdBand::GetAllBandStr());
    else if (c.message != 0)
      expected.push_back(getResourceStringComm(c.message));
    EXPECT_EQ(host.messages(), expected) << where;
    EXPECT_TRUE(host.toolkit().errors().empty()) << where;
  }
}

TEST(LockCell, ARefusedOkKeepsTheDialogOpenForACorrection) {
  ScriptedHost host(dialogScript("CDiagCmdLockCellDlg", {set("cell", "200"), click("ok"), set("cell", "12"),
                                                         click("ok")}));
  Call call = lockCell({2, 0, 10100, false, true, true});
  EXPECT_EQ(payloadHex(call), "01 0C 27 74");
  EXPECT_EQ(host.messages().size(), 1u);
}

TEST(LockCell, SwitchesAndHostModuleChooseTheModesOffered) {
  struct Case {
    const char* name;
    LockCellArgs args;
    bool gsmModule;
    const char* checked;
    const char* caption;
  };
  const Case cases[] = {
      {"b2 on the TD side", {0, 0, 0, false, true, true}, false, "mode.1", "Cell Param ID:"},
      {"b2 on the GSM side", {0, 0, 0, false, true, false}, true, "mode.5", "BSIC:"},
      // Without the GSM module, b3 clear counts as b3 set and b2 clear.
      {"no GSM module", {0, 0, 0, false, true, false}, false, "mode.0", "Cell Param ID:"},
      {"nothing chosen, GSM side", {}, true, "mode.0", "BSIC:"},
      {"b1 wins", {0, 0, 0, true, true, true}, true, "mode.3", "Cell Param ID:"},
  };
  for (const Case& c : cases) {
    ScriptedHost host;
    ScopedFeatures gsmModule({}, c.gsmModule ? std::set<int>{25} : std::set<int>{});
    std::string checked, caption;
    bool gsmOffered = false, mode3Offered = false;
    host.toolkit().onActionsDone([&](const tk::CDialog& dialog) {
      for (const char* id : {"mode.0", "mode.1", "mode.3", "mode.5"})
        if (static_cast<const tk::RadioButton*>(dialog.findControl(id))->checked()) checked = id;
      caption = dialog.findControl("label.cell")->caption();
      gsmOffered = dialog.findControl("mode.5")->enabled() && dialog.findControl("mode.6")->enabled();
      mode3Offered = dialog.findControl("mode.3")->enabled();
    });
    EXPECT_FALSE(lockCell(c.args).returned);
    EXPECT_EQ(checked, c.checked) << c.name;
    EXPECT_EQ(caption, c.caption) << c.name;
    EXPECT_EQ(gsmOffered, c.gsmModule) << c.name;
    EXPECT_EQ(mode3Offered, c.args.b1) << c.name;
  }
}

TEST(LockCell, ModeButtonsOpenTheFieldsAndNameTheCell) {
  ScriptedHost host(dialogScript("CDiagCmdLockCellDlg", {click("mode.5"), click("mode.4"), set("cell", "1")}));
  ScopedFeatures gsmModule({}, {25});
  CaptionProbe caption(host, "label.cell");
  lockCell({0, 0, 0, false, false, true});
  EXPECT_EQ(caption.caption(), "BSIC:");  // mode 4 leaves the caption as mode 5 set it
  ASSERT_EQ(host.toolkit().errors().size(), 1u);
  EXPECT_NE(host.toolkit().errors()[0].find("disabled"), std::string::npos);
}

TEST(LockCell, PresetValuesAndTheExtraCaptionAreShown) {
  ScriptedHost host;
  std::string cell, frequency, extra;
  host.toolkit().onActionsDone([&](const tk::CDialog& dialog) {
    cell = static_cast<const tk::Edit*>(dialog.findControl("cell"))->text();
    frequency = static_cast<const tk::Edit*>(dialog.findControl("frequency"))->text();
    extra = dialog.findControl("label.extra")->caption();
  });
  lockCell({1, 42, 10055, false, true, true, true});  // bit 1 clear: no frequency shown
  EXPECT_EQ(cell, "42");
  EXPECT_EQ(frequency, "");
  EXPECT_EQ(extra, getResourceStringComm(1240));
  lockCell({2, 42, 10055});
  EXPECT_EQ(cell, "");
  EXPECT_EQ(frequency, "10055");
  EXPECT_EQ(extra, "");
}

TEST(IgnoreBarred, NamesTheBarredTypes) {
  EXPECT_STREQ(IgnoreBarred::GetBarredType(0), "Normal");
  EXPECT_STREQ(IgnoreBarred::GetBarredType(1), "Ignore Barred");
  EXPECT_STREQ(IgnoreBarred::GetBarredType(2), "Query type");
  EXPECT_STREQ(IgnoreBarred::GetBarredType(3), "unknown");
  EXPECT_STREQ(IgnoreBarred::GetBarredType(255), "unknown");
}

TEST(IgnoreBarred, QueryOrSetClosesWithTheChosenType) {
  struct Case {
    int enableButtons;
    std::vector<tk::ScriptAction> actions;
    int code;
    unsigned char type;  // after the run; the initial type is 1
    std::size_t errors;
  };
  const Case cases[] = {
      {1, {click("type.normal"), click("set")}, tk::IDOK, 0, 0},
      {1, {click("type.normal"), click("type.ignore"), click("set")}, tk::IDOK, 1, 0},
      {1, {click("query")}, tk::IDOK, 2, 0},
      {1, {click("set")}, tk::IDCANCEL, 1, 1},          // Set waits for a type
      {1, {click("ok")}, tk::IDCANCEL, 1, 1},           // there is no plain OK
      {0, {click("type.normal")}, tk::IDCANCEL, 1, 1},  // nothing but Cancel
      {0, {click("query")}, tk::IDCANCEL, 1, 1},
      {1, {click("type.ignore"), click("cancel")}, tk::IDCANCEL, 1, 0},
  };
  for (const Case& c : cases) {
    ScriptedHost host(dialogScript("IgnoreBarred", c.actions));
    IgnoreBarred dialog(c.enableButtons, 1);
    EXPECT_EQ(dialog.DoModal(), c.code) << c.actions.back().control;
    EXPECT_EQ(dialog.currentType, c.type) << c.actions.back().control;
    EXPECT_EQ(host.toolkit().errors().size(), c.errors) << c.actions.back().control;
  }
}

TEST(DisableRequest, SendsTheChosenTaskByteAndKind) {
  const std::pair<const char*, const char*> tasks[] = {{"task.0", "00"}, {"task.1", "01"}, {"task.2", "02"},
                                                       {"task.5", "05"}, {"task.6", "06"}, {"task.4", "04"},
                                                       {"task.8", "08"}, {"task.10", "0A"}, {"task.11", "0B"}};
  for (const auto& [button, task] : tasks) {
    ScriptedHost host(dialogScript("CDiagCmdDisableDlg", {click(button), click("kind.2"), click("ok")}));
    Call call = callExport(DiagCmdDisableReqBuffer);
    EXPECT_EQ(orbel::toHex(std::span(call.bytes).subspan(4, 2)) + " / " + payloadHex(call),
              std::string(task) + " 00 / 02");
    EXPECT_EQ(call.len, 25u);
  }
  ScriptedHost untouched(dialogScript("CDiagCmdDisableDlg", {click("ok")}));
  Call call = callExport(DiagCmdDisableReqBuffer);
  EXPECT_EQ(orbel::toHex(call.bytes), "19 00 FF 00 00 00 CA 32 00 00 22 2F 00 00 00 00 00 00 01 00 00 00 00 00 00");
}

TEST(PhysicalParameterRequest, TakesNumbersFromZeroToSixAndSaysWhichIsKept) {
  struct Case {
    std::vector<tk::ScriptAction> actions;
    const char* payload;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {{}, "00 00", {}},
      {{click("item.2"), set("number", "6")}, "02 06", {}},
      {{click("item.1"), set("number", "0x3")}, "01 03", {}},
      {{set("number", "3"), set("number", "7")}, "00 03", {"The number must be from 0 to 6; 3 is kept."}},
      {{set("number", "-1")}, "00 00", {"The number must be from 0 to 6; 0 is kept."}},
      {{set("number", "2"), set("number", "")}, "00 02", {"The number must be from 0 to 6; 2 is kept."}},
  };
  for (const Case& c : cases) {
    auto actions = c.actions;
    actions.push_back(click("ok"));
    ScriptedHost host(dialogScript("CDiagCmdPhyInfoReqDlg", actions));
    Call call = callExport(OrbelGetPhyParamInfoReqBuffer);
    EXPECT_EQ(payloadHex(call), c.payload);
    EXPECT_EQ(host.messages(), c.messages);
    EXPECT_EQ(call.len, 26u);
    EXPECT_EQ(orbel::toHex(std::span(call.bytes).subspan(4, 6)), "00 00 CB 32 00 00");  // task 0, group 13003
  }
}

TEST(MeasurementInterval, SendsTheLowEightBitsOfASignedDecimalNumber) {
  const std::pair<const char*, const char*> cases[] = {
      {"300", "2C"}, {"-1", "FF"}, {"0", "00"}, {"255", "FF"}, {" 12 ", "0C"}, {"+7", "07"}, {"-2147483648", "00"}};
  for (const auto& [text, payload] : cases) {
    ScriptedHost host(dialogScript("CDiagMeasIntervalDlg", {set("interval", text), click("ok")}));
    Call call = callExport(GetMeasReportInterval);
    EXPECT_EQ(payloadHex(call), payload) << text;
    EXPECT_EQ(call.len, 25u);
    EXPECT_EQ(call.bytes[4], 9);
  }
}

TEST(MeasurementInterval, RefusesTextThatIsNoNumberInsteadOfSendingZero) {
  for (const char* text : {"abc", "", "12abc", "4294967296", "--1", "0x10"}) {
    ScriptedHost host(dialogScript("CDiagMeasIntervalDlg", {set("interval", text), click("ok")}));
    EXPECT_FALSE(callExport(GetMeasReportInterval).returned) << text;
    EXPECT_EQ(host.messages(), std::vector<std::string>{"Input invalid: the interval must be a decimal number."});
  }
}

}  // namespace
