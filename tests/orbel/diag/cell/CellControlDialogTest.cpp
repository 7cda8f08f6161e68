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
#include "toolkit/RadioButton.h"

namespace {

using namespace orbel::test;

struct Outcome {
  Call call;
  std::vector<std::string> messages;
  std::vector<std::string> errors;
};
// Runs `builder` with the script `actions` and OK for `dialog`.
template <typename Builder>
Outcome runOk(const char* dialog, std::vector<tk::ScriptAction> actions, Builder builder) {
  actions.push_back(click("ok"));
  ScriptedHost host(dialogScript(dialog, std::move(actions)));
  Call call = callExport(builder);
  return {call, host.messages(), host.toolkit().errors()};
}


// What the dialog shows once the script is done: the checked mode, whether
// mode 3 and the GSM modes 5 and 6 are offered, the cell label, the cell and
// frequency fields and the extra caption.
std::string shown(const tk::CDialog& dialog) {
  std::string text;
  for (const char* id : {"mode.0", "mode.1", "mode.2", "mode.3", "mode.4", "mode.5", "mode.6"})
    if (static_cast<const tk::RadioButton*>(dialog.findControl(id))->checked()) text = id;
  for (const char* id : {"mode.3", "mode.5", "mode.6"}) text += dialog.findControl(id)->enabled() ? " +" : " -";
  return text + " | " + dialog.findControl("label.cell")->caption() + " | " + dialog.findControl("cell")->stateText() +
         " " + dialog.findControl("frequency")->stateText() + " | " + dialog.findControl("label.extra")->caption();
}

TEST(LockCell, PresetAnyCellOnATdFrequencyIsTheReferenceMessage) {
  ScriptedHost host(dialogScript("CDiagCmdLockCellDlg", {click("ok")}));
  std::string seen;
  host.toolkit().onActionsDone([&](const tk::CDialog& dialog) { seen = shown(dialog); });
  Call call = lockCell({3, 0xFF, 10055, false, true, true, false});
  EXPECT_EQ(orbel::toHex(call.bytes), "1C 00 FF 00 09 00 CA 32 00 00 26 2F 00 00 00 00 00 00 04 00 01 FF 27 47 00 00 00 00");
  EXPECT_EQ(call.len, 28u);
  EXPECT_EQ(seen, "mode.1 - - - | Cell Param ID: | \"-\" \"10055\" | ");
  EXPECT_TRUE(host.toolkit().errors().empty());
}

// Each mode with the cell and frequency it sends, or the message that refuses them.
TEST(LockCell, SendsTheModeWithItsCellAndFrequencyOrNamesTheFault) {
  struct Case {
    const char* name;
    LockCellArgs args;
    std::vector<tk::ScriptAction> actions;  // before OK
    const char* payload;                    // or "null" when refused
    unsigned message;                       // string number, 0 for none
  };
  const auto tune = [](const char* mode, const char* frequency, const char* cell) {
    return std::vector<tk::ScriptAction>{click(mode), set("frequency", frequency), set("cell", cell)};
  };
  const Case cases[] = {
      {"no switch: mode 0", {}, {}, "00", 0},
      {"b1 checks mode 3", {0, 0, 0, true}, {}, "03", 0},
      {"mode 4", {}, {click("mode.4")}, "04", 0},
      {"mode 0 sends no pre-set values", {3, 5, 10055, false, true, true}, {click("mode.0")}, "00", 0},
      {"cell 127", {}, tune("mode.1", "10055", "127"), "01 7F 27 47", 0},
      {"cell 128", {}, tune("mode.1", "10055", "128"), "null", 11444},
      {"any cell", {}, tune("mode.2", "9404", "-"), "02 FF 24 BC", 0},
      {"a negative number is no cell", {}, tune("mode.2", "9404", "-1"), "null", 11444},
      {"no cell", {}, tune("mode.1", "10055", ""), "null", 11444},
      {"BSIC 63", {}, tune("mode.5", "70", "63"), "05 3F 00 46", 0},
      {"BSIC 64", {}, tune("mode.5", "70", "64"), "null", 12723},
      {"frequency 0xFFFF", {}, tune("mode.6", "0xFFFF", "0"), "06 00 FF FF", 0},
      {"the frequency fits 16 bits", {}, tune("mode.6", "65536", "0"), "null", 11445},
      {"negative frequency", {}, tune("mode.5", "-3", "0"), "null", 11445},
      {"no frequency", {}, tune("mode.5", "", "0"), "null", 11445},
      {"outside every band", {}, tune("mode.1", "10053", "1"), "null", 12930},
      {"10055 + 0x10000 is not read as 10055", {}, tune("mode.1", "75591", "1"), "null", 12930},
      {"the band is checked before the cell", {}, tune("mode.1", "10055", "x"), "null", 11444},
  };
  ScopedFeatures gsmModule({}, {25});  // offers the GSM modes
  for (const Case& c : cases) {
    auto actions = c.actions;
    actions.push_back(click("ok"));
    ScriptedHost host(dialogScript("CDiagCmdLockCellDlg", actions));
    Call call = lockCell(c.args);
    EXPECT_EQ(payloadHex(call), c.payload) << c.name;
    if (call.returned) {
      EXPECT_EQ(orbel::toHex(std::span(call.bytes).last(4)), "00 00 00 00") << c.name;
    }
    std::vector<std::string> expected;
    if (c.message == 12930)
      expected.push_back(std::string("The frequency is not a valid TD-SCDMA UARFCN. Supported bands: ") +
                         TdBand::GetAllBandStr());
    else if (c.message != 0)
      expected.push_back(getResourceStringComm(c.message));
    EXPECT_EQ(host.messages(), expected) << c.name;
    EXPECT_TRUE(host.toolkit().errors().empty()) << c.name;
  }
}

TEST(LockCell, ARefusedOkKeepsTheDialogOpenForACorrection) {
  ScriptedHost host(dialogScript("CDiagCmdLockCellDlg", {set("cell", "200"), click("ok"), set("cell", "12"),
                                                         click("ok")}));
  Call call = lockCell({2, 0, 10100, false, true, true});
  EXPECT_EQ(payloadHex(call), "01 0C 27 74");
  EXPECT_EQ(host.messages().size(), 1u);
}

TEST(LockCell, SwitchesHostModuleAndPresetValuesChooseWhatTheDialogShows) {
  struct Case {
    const char* name;
    LockCellArgs args;
    bool gsmModule;
    std::string shown;
  };
  const Case cases[] = {
      {"b2 on the TD side", {0, 0, 0, false, true, true}, false, "mode.1 - - - | Cell Param ID: | \"\" \"\" | "},
      {"b2 on the GSM side", {0, 0, 0, false, true, false}, true, "mode.5 - + + | BSIC: | \"\" \"\" | "},
      // Without the GSM module, b3 clear counts as b3 set and b2 clear.
      {"no GSM module", {0, 0, 0, false, true, false}, false, "mode.0 - - - | Cell Param ID: | \"\" \"\" | "},
      {"nothing chosen, GSM side", {}, true, "mode.0 - + + | BSIC: | \"\" \"\" | "},
      {"b1 wins", {0, 0, 0, true, true, true}, true, "mode.3 + + + | Cell Param ID: | \"\" \"\" | "},
      // Bit 0 shows the cell, bit 1 the frequency; b4 the extra caption.
      {"pre-set cell", {1, 42, 10055, false, true, true, true}, false,
       "mode.1 - - - | Cell Param ID: | \"42\" \"\" | " + std::string(getResourceStringComm(1240))},
      {"pre-set frequency", {2, 42, 10055}, false, "mode.0 - - - | Cell Param ID: | \"\" \"10055\" | "},
  };
  for (const Case& c : cases) {
    ScriptedHost host;
    ScopedFeatures gsmModule({}, c.gsmModule ? std::set<int>{25} : std::set<int>{});
    std::string seen;
    host.toolkit().onActionsDone([&](const tk::CDialog& dialog) { seen = shown(dialog); });
    EXPECT_FALSE(lockCell(c.args).returned) << c.name;
    EXPECT_EQ(seen, c.shown) << c.name;
  }
}

TEST(LockCell, ModeButtonsOpenTheFieldsAndNameTheCell) {
  ScriptedHost host(dialogScript("CDiagCmdLockCellDlg", {click("mode.5"), click("mode.4"), set("cell", "1")}));
  ScopedFeatures gsmModule({}, {25});
  std::string seen;
  host.toolkit().onActionsDone([&](const tk::CDialog& dialog) { seen = shown(dialog); });
  lockCell({0, 0, 0, false, false, true});
  EXPECT_EQ(seen, "mode.4 - + + | BSIC: | \"\" \"\" | ");  // mode 4 leaves the caption as mode 5 set it
  ASSERT_EQ(host.toolkit().errors().size(), 1u);
  EXPECT_NE(host.toolkit().errors()[0].find("disabled"), std::string::npos);
}

TEST(IgnoreBarred, NamesTheBarredTypes) {
  const std::pair<unsigned char, const char*> names[] = {
      {0, "Normal"}, {1, "Ignore Barred"}, {2, "Query type"}, {3, "unknown"}, {255, "unknown"}};
  for (const auto& [type, name] : names) EXPECT_STREQ(IgnoreBarred::GetBarredType(type), name) << +type;
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
    Call call = runOk("CDiagCmdDisableDlg", {click(button), click("kind.2")}, DiagCmdDisableReqBuffer).call;
    EXPECT_EQ(orbel::toHex(std::span(call.bytes).subspan(4, 2)) + " / " + payloadHex(call),
              std::string(task) + " 00 / 02");
    EXPECT_EQ(call.len, 25u);
  }
  EXPECT_EQ(orbel::toHex(runOk("CDiagCmdDisableDlg", {}, DiagCmdDisableReqBuffer).call.bytes),
            "19 00 FF 00 00 00 CA 32 00 00 22 2F 00 00 00 00 00 00 01 00 00 00 00 00 00");
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
    Outcome out = runOk("CDiagCmdPhyInfoReqDlg", c.actions, OrbelGetPhyParamInfoReqBuffer);
    EXPECT_EQ(payloadHex(out.call), c.payload);
    EXPECT_EQ(out.messages, c.messages);
    EXPECT_EQ(out.call.len, 26u);
    EXPECT_EQ(orbel::toHex(std::span(out.call.bytes).subspan(4, 6)), "00 00 CB 32 00 00");  // task 0, group 13003
  }
}

// Refuses text that is no number instead of sending zero.
TEST(MeasurementInterval, SendsTheLowEightBitsOfASignedDecimalNumberOrRefusesOtherText) {
  const std::pair<const char*, const char*> cases[] = {
      {"300", "2C"}, {"-1", "FF"}, {"0", "00"},   {"255", "FF"},        {" 12 ", "0C"}, {"+7", "07"},
      {"-2147483648", "00"},       {"abc", "null"}, {"", "null"},       {"12abc", "null"},
      {"4294967296", "null"},      {"--1", "null"}, {"0x10", "null"},
  };
  for (const auto& [text, payload] : cases) {
    Outcome out = runOk("CDiagMeasIntervalDlg", {set("interval", text)}, GetMeasReportInterval);
    EXPECT_EQ(payloadHex(out.call), payload) << text;
    if (!out.call.returned) {
      EXPECT_EQ(out.messages, std::vector<std::string>{"Input invalid: the interval must be a decimal number."});
      continue;
    }
    EXPECT_EQ(out.call.len, 25u);
    EXPECT_EQ(out.call.bytes[4], 9);
  }
}

}  // namespace
