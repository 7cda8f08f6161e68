// The SIM command dialog through its export, driven as a user drives it:
// the tree enables OK, rows become items (numbers, texts, comma lists,
// characters), checks and refusals keep the dialog open, and OK after an
// encoder refusal reports length 0.
#include <gtest/gtest.h>

#include "orbel/builders/Exports.h"
#include "orbel/wire/HexText.h"
#include "support/ScriptedHost.h"
#include "support/SimDefinitionsOverride.h"

namespace {

using namespace orbel::test;
using Path = std::vector<std::string>;

const Path kReadBinary{"File access", "READ BINARY"};
const Path kUpdateBinary{"File access", "UPDATE BINARY"};
const Path kVerifyPin{"PIN", "VERIFY PIN"};
const std::string kNotHex = "The number after \"0x\" is not a hexadecimal number.";
const std::string kOutOfRange = "The value is outside its allowed range.";
const std::string kUnsupported = "This field or check kind is not supported.";

// A refusal of a row's value ends by naming the row (counted from 1) and its field.
std::string inRow(const std::string& text, int row, const char* field) {
  return text + "\n\n(row " + std::to_string(row) + ", \"" + field + "\")";
}

tk::ScriptAction pick(const Path& path) { return selectItem("commands", path); }
tk::ScriptAction fill(int row, std::string text) { return set("row." + std::to_string(row) + ".value", std::move(text)); }
tk::ScriptAction choose(int row, std::string text) { return select("row." + std::to_string(row) + ".list", std::move(text)); }

struct Outcome {
  Call call;
  std::vector<std::string> messages;
  std::vector<std::string> errors;
};
// Runs the dialog with `actions` and OK; a dialog that OK leaves open is
// then closed as Cancel.
Outcome runSim(std::vector<tk::ScriptAction> actions, unsigned int len = 0) {
  actions.push_back(click("ok"));
  ScriptedHost host(dialogScript("CDiagSimCmdDlg", std::move(actions)));
  Call call = callExport(OrbelGetSimCmdBuffer, len);
  return {call, host.messages(), host.toolkit().errors()};
}

TEST(SimCommand, AnUpdateBinaryWithACommaListIsTheReferenceMessage) {
  Outcome out = runSim({pick(kUpdateBinary), choose(0, "EF IMSI (6F07)"), fill(1, "0x10"), fill(2, "3"),
                        fill(3, "1,0x10,3")});
  EXPECT_EQ(orbel::toHex(out.call.bytes),
            "20 00 FF 00 07 00 CA 32 00 00 73 30 00 00 00 00 00 00 08 00 6F 07 00 10 03 01 10 03 00 00 00 00");
  EXPECT_EQ(out.call.len, 32u);
  EXPECT_TRUE(out.errors.empty());
  // Every row empty: the header-only message.
  EXPECT_EQ(orbel::toHex(runSim({pick(kReadBinary)}).call.bytes),
            "18 00 FF 00 07 00 CA 32 00 00 72 30 00 00 00 00 00 00 00 00 00 00 00 00");
}

// Rows become items; refused input shows its message and keeps the dialog
// open, which the script's end closes as Cancel with *len untouched.
TEST(SimCommand, RowsBecomeItemsOrARefusalNamesTheRow) {
  const std::pair<std::vector<tk::ScriptAction>, std::string> cases[] = {
      {{pick(kReadBinary), fill(1, "0X1A")}, "00 1A"},
      {{pick(kReadBinary), fill(1, "12abc")}, "00 0C"},  // decimal stops at the first non-digit
      {{pick(kReadBinary), fill(1, "10x5")}, "00 00"},   // "0x" further on gives 0
      {{pick(kReadBinary), fill(1, " 0x10 ")}, "00 10"},  // blanks around a number are not part of it
      {{pick(kUpdateBinary), fill(1, "256"), fill(3, "7")}, "01 00 07"},  // empty rows close up
      // A comma piece with "0x" after its start keeps its decimal value; an empty piece is 0.
      {{pick(kUpdateBinary), fill(3, "1, 0x10 ,3,10x5,")}, "01 10 03 0A 00"},
      // Characters take their count from the item before, padded with blanks or cut.
      {{pick(kVerifyPin), choose(0, "PIN1 / CHV1"), fill(1, "4"), fill(2, "12")}, "01 04 31 32 20 20"},
      {{pick(kVerifyPin), fill(1, "4"), fill(2, "123456")}, "04 31 32 33 34"},
      // A fixed field sends its default; a text from a list sends the shown text.
      {{pick({"SIM toolkit", "LANGUAGE SELECTION EVENT"}), choose(1, "de")}, "07 64 65"},
      {{pick({"PIN", "UNBLOCK PIN"}), fill(1, "12345678")}, "31 32 33 34 35 36 37 38"},
      {{pick(kReadBinary), fill(1, "0xg1")}, "null: " + inRow(kNotHex, 2, "Offset")},
      {{pick(kReadBinary), fill(1, "0x")}, "null: " + inRow(kNotHex, 2, "Offset")},
      {{pick(kUpdateBinary), fill(3, "1,0x")}, "null: " + inRow(kNotHex, 4, "Data")},
      {{pick({"Host extensions", "SWITCH VOLTAGE"}), choose(0, "class B (3 V)")},
       "null: " + inRow(kUnsupported, 1, "Voltage classes")},
      {{pick({"Host extensions", "CLOCK STOP"}), fill(0, "1")}, "null: " + inRow(kUnsupported, 1, "Clock stop mode")},
      {{pick({"PIN", "UNBLOCK PIN"}), fill(1, std::string(101, '1'))},
       "null: The text of \"PUK\" has 101 characters; a field holds at most 100."},
      {{pick(kVerifyPin), fill(2, "1234")},
       "null: \"PIN digits\" takes its number of characters from the field before it, which is empty."},
      {{pick({"Card", "SEND APDU"}), fill(1, "1"), fill(2, "0")},
       "null: \"Target\" chooses the module that receives this command; give it a value."},
  };
  for (const auto& [actions, expected] : cases) {
    Outcome out = runSim(actions, 5);
    std::string outcome = payloadHex(out.call);
    for (const std::string& message : out.messages) outcome += ": " + message;
    EXPECT_EQ(outcome, expected);
    EXPECT_TRUE(out.call.returned || out.call.len == 5) << expected;
    EXPECT_TRUE(out.errors.empty()) << expected;
  }
}

TEST(SimCommand, TheModuleCanComeFromTheFirstFieldWhichLeavesThePayload) {
  Outcome out = runSim({pick({"Card", "SEND APDU"}), choose(0, "SIM toolkit (7, 1)"), fill(1, "5"),
                        fill(2, "0xA0,0xF2,0,0,0x16")});
  ASSERT_EQ(out.call.bytes.size(), 30u);
  EXPECT_EQ(orbel::toHex(std::span(out.call.bytes).subspan(2, 4)), "FF 00 07 01");
  EXPECT_EQ(payloadHex(out.call), "05 A0 F2 00 00 16");
}

TEST(SimCommand, AFixedFieldCannotBeTypedOver) {
  Outcome typed = runSim({pick({"Card", "STATUS"}), fill(0, "0x20")});
  ASSERT_EQ(typed.errors.size(), 1u);
  EXPECT_NE(typed.errors[0].find("refused: the control is disabled"), std::string::npos);
  EXPECT_EQ(payloadHex(runSim({pick({"Card", "STATUS"})}).call), "16");
}

TEST(SimCommand, ChecksAtAndBeyondBothBounds) {
  struct Case {
    Path command;
    int row;
    std::string text;
    bool passes;
  };
  const Case cases[] = {
      {kVerifyPin, 1, "3", false},         {kVerifyPin, 1, "4", true},          {kVerifyPin, 1, "8", true},
      {kVerifyPin, 1, "9", false},         {kReadBinary, 1, "0x7FFF", true},    {kReadBinary, 1, "0x8000", false},
      {kReadBinary, 2, "-1", false},  // 0xFFFFFFFF: compared unsigned
      {kVerifyPin, 1, "4294967300", false},  // beyond 32 bits: not wrapped to 4
      {{"PIN", "UNBLOCK PIN"}, 1, "1234567", false},  // a text length check
      {{"PIN", "UNBLOCK PIN"}, 1, "123456789", false}, {kUpdateBinary, 3, "1,256", false},  // each piece
  };
  for (const Case& c : cases) {
    Outcome out = runSim({pick(c.command), fill(c.row, c.text)}, 77);
    EXPECT_EQ(out.call.returned, c.passes) << c.text;
    EXPECT_EQ(out.messages.size(), c.passes ? 0u : 1u) << c.text;
    if (c.passes || out.messages.empty()) continue;
    // The range message, then which row's value it refuses; closed as Cancel: *len untouched.
    EXPECT_TRUE(out.messages[0].starts_with(kOutOfRange + "\n\n(row " + std::to_string(c.row + 1) + ", \""))
        << out.messages[0];
    EXPECT_EQ(out.call.len, 77u) << c.text;
  }
}

TEST(SimCommand, OkIsEnabledWhileACommandIsSelected) {
  const std::pair<std::vector<tk::ScriptAction>, bool> cases[] = {
      {{}, false},
      {{pick({"PIN"})}, false},
      {{pick({"PIN"}), pick(kVerifyPin)}, true},
      {{pick(kVerifyPin), pick({"SIM toolkit"})}, false},
  };
  for (const auto& [actions, expected] : cases) {
    ScriptedHost host(dialogScript("CDiagSimCmdDlg", actions));
    bool enabled = !expected;
    host.toolkit().onActionsDone([&](const tk::CDialog& dialog) { enabled = dialog.findControl("ok")->enabled(); });
    callExport(OrbelGetSimCmdBuffer);
    EXPECT_EQ(enabled, expected) << actions.size();
  }
}

TEST(SimCommand, ACommandShowsItsRowsWithTheirTipsAndHidesTheOthers) {
  ScriptedHost host(dialogScript("CDiagSimCmdDlg", {pick(kUpdateBinary), fill(1, "9"), pick({"Card", "STATUS"})}));
  int checked = 0;
  host.toolkit().onActionsDone([&](const tk::CDialog& dialog) {
    const auto control = [&](const char* id) { return dialog.findControl(id); };
    EXPECT_EQ(control("row.0.name")->caption(), "Response length");
    EXPECT_EQ(control("row.0.name")->tooltip(), "Response length");
    EXPECT_EQ(control("row.0.value")->tooltip(),
              "Length of the status response of the current directory\n(22 bytes); not to be changed.");
    for (const char* hidden : {"row.0.list", "row.1.name", "row.1.value", "row.3.value"})
      EXPECT_FALSE(control(hidden)->visible()) << hidden;
    ++checked;
  });
  callExport(OrbelGetSimCmdBuffer);
  EXPECT_EQ(checked, 1);
}

// Cancel and a null length: DialogBuilders.NullLengthAndCancelGiveNullAndLeaveTheLength.
TEST(SimCommand, AnEncoderRefusalClosesWithLengthZero) {
  SimDefinitionsOverride wide(simDefinitionText(
      R"({"name": "WIDE", "primitive": 1, "startTask": 0, "moduleTask": 1, "fields": [
           {"name": "n", "kind": "number", "width": 5}, {"name": "later", "kind": 9, "width": 1}]})"));
  Outcome refused = runSim({pick({"G", "WIDE"}), fill(0, "1")}, 77);
  EXPECT_FALSE(refused.call.returned);
  EXPECT_EQ(refused.call.len, 0u);
  EXPECT_TRUE(refused.messages.empty());
  EXPECT_EQ(payloadHex(runSim({pick({"G", "WIDE"}), fill(1, "1")}).call), "");  // a kind that sends nothing
}

TEST(SimCommand, AHugeCharacterCountIsRefusedBeforeItIsBuilt) {
  SimDefinitionsOverride counted(simDefinitionText(
      R"({"name": "COUNT", "primitive": 1, "startTask": 0, "moduleTask": 1, "fields": [
           {"name": "count", "kind": "number", "width": 4}, {"name": "text", "kind": "characters", "width": 1}]})"));
  EXPECT_EQ(runSim({pick({"G", "COUNT"}), fill(0, "0x7FFFFFFF"), fill(1, "x")}).messages,
            std::vector<std::string>{"\"text\" would be sent as 2147483647 characters, more than one message holds."});
}

TEST(SimCommand, TheFieldsPaneScrollsByTheDialogsStepsAndOnlyAsFarAsTheShownRows) {
  std::string fields;
  for (int i = 0; i < 14; ++i)
    fields += std::string(i ? "," : "") + R"({"name": "Field )" + std::to_string(i) + R"(", "kind": "number", "width": 1})";
  SimDefinitionsOverride definitions(simDefinitionText(
      R"({"name": "FOURTEEN", "primitive": 1, "startTask": 0, "moduleTask": 1, "fields": [)" + fields + "]}," +
      R"({"name": "TWO", "primitive": 2, "startTask": 0, "moduleTask": 1, "fields": [
           {"name": "a", "kind": "number", "width": 1}, {"name": "b", "kind": "number", "width": 1}]})"));
  ASSERT_EQ(definitions.error(), "");
  // Fourteen rows are 728 pixels, 364 visible: a line of 18. After the thumb
  // goes to 350 a page down stops at the hidden height, 364. Two rows fit:
  // nothing scrolls.
  tk::ScriptAction resize = act(Verb::Resize, "fields");
  resize.index = 400;
  const std::tuple<const char*, bool, const char*> cases[] = {
      {"FOURTEEN", false, "position 364 of 364 (range 728, page 364)"},
      {"FOURTEEN", true, "position 0 of 328 (range 728, page 400)"},
      {"TWO", false, "position 0 of 0 (range 104, page 364)"},
      {"TWO", true, "position 0 of 0 (range 104, page 400)"},
  };
  for (const auto& [command, resized, expected] : cases) {
    std::vector<tk::ScriptAction> actions{pick({"G", command}), scroll("fields", "lineDown"),
                                          scroll("fields", "thumb", 350), scroll("fields", "pageDown")};
    if (resized) actions.push_back(resize);
    ScriptedHost host(dialogScript("CDiagSimCmdDlg", actions));
    std::string state;
    host.toolkit().onActionsDone([&](const tk::CDialog& dialog) { state = dialog.findControl("fields")->stateText(); });
    callExport(OrbelGetSimCmdBuffer);
    EXPECT_EQ(state, expected) << command << ' ' << resized;
  }
}

}  // namespace
