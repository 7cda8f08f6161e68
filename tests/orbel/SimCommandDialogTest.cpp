// The SIM command dialog through its export, driven as a user drives it:
// the tree enables OK, rows become items (numbers, texts, comma lists,
// characters), checks and refusals keep the dialog open, and OK after an
// encoder refusal reports length 0.
#include <gtest/gtest.h>

#include "orbel/builders/Exports.h"
#include "orbel/decode/HexText.h"
#include "support/ScriptedHost.h"
#include "support/SimDefinitionsOverride.h"

namespace {

using namespace orbel::test;

const std::vector<std::string> kUpdateBinary{"File access", "UPDATE BINARY"};
const std::vector<std::string> kVerifyPin{"PIN", "VERIFY PIN"};

std::string hex(const Call& call) { return call.returned ? orbel::toHex(call.bytes) : "null"; }

tk::ScriptAction pick(const std::vector<std::string>& path) { return selectItem("commands", path); }
tk::ScriptAction fill(int row, std::string text) { return set("row." + std::to_string(row) + ".value", std::move(text)); }
tk::ScriptAction choose(int row, std::string text) { return select("row." + std::to_string(row) + ".list", std::move(text)); }

// Runs the dialog with `actions` (then OK, then Cancel should OK not close it).
struct Outcome {
  Call call;
  std::vector<std::string> messages;
  std::vector<std::string> errors;
};
Outcome runSim(std::vector<tk::ScriptAction> actions, unsigned int len = 0) {
  actions.push_back(click("ok"));
  ScriptedHost host(dialogScript("CDiagSimCmdDlg", std::move(actions)));
  Outcome outcome{callExport(OrbelGetSimCmdBuffer, len), host.messages(), host.toolkit().errors()};
  return outcome;
}

TEST(SimCommand, AnUpdateBinaryWithACommaListIsTheReferenceMessage) {
  Outcome out = runSim({pick(kUpdateBinary), choose(0, "EF IMSI (6F07)"), fill(1, "0x10"), fill(2, "3"),
                        fill(3, "1,0x10,3")});
  EXPECT_EQ(hex(out.call),
            "20 00 FF 00 07 00 CA 32 00 00 73 30 00 00 00 00 00 00 08 00 6F 07 00 10 03 01 10 03 00 00 00 00");
  EXPECT_EQ(out.call.len, 32u);
  EXPECT_TRUE(out.errors.empty()) << out.errors[0];
}

TEST(SimCommand, EmptyRowsAddNothingUpToTheHeaderOnlyMessage) {
  EXPECT_EQ(hex(runSim({pick({"File access", "READ BINARY"})}).call),
            "18 00 FF 00 07 00 CA 32 00 00 72 30 00 00 00 00 00 00 00 00 00 00 00 00");
  // A row left empty in the middle closes up the payload.
  EXPECT_EQ(payloadHex(runSim({pick(kUpdateBinary), fill(1, "256"), fill(3, "7")}).call), "01 00 07");
}

TEST(SimCommand, NumberTextsAndCommaPieces) {
  struct Case {
    std::string offset;  // READ BINARY row 1, two bytes wide
    std::string expected;
  };
  const Case cases[] = {
      {"0x7fff", "7F FF"}, {"0X1A", "00 1A"}, {"12abc", "00 0C"},  // decimal stops at the first non-digit
      {"10x5", "00 00"},                                           // "0x" further on: 0
      {" 0x10 ", "00 10"},                                         // blanks around are not part of the number
      {"0x0000000010", "00 10"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(payloadHex(runSim({pick({"File access", "READ BINARY"}), fill(1, c.offset)}).call), c.expected)
        << c.offset;
  // In a comma list a piece with "0x" after its start keeps its decimal value.
  EXPECT_EQ(payloadHex(runSim({pick(kUpdateBinary), fill(3, "1, 0x10 ,3,10x5,")}).call), "01 10 03 0A 00");
}

TEST(SimCommand, CharactersTakeTheirCountFromTheItemBeforeAndArePaddedWithBlanks) {
  EXPECT_EQ(payloadHex(runSim({pick(kVerifyPin), choose(0, "PIN1 / CHV1"), fill(1, "4"), fill(2, "12")}).call),
            "01 04 31 32 20 20");
  EXPECT_EQ(payloadHex(runSim({pick(kVerifyPin), fill(1, "4"), fill(2, "123456")}).call), "04 31 32 33 34");
  // A text field from a list sends the shown text.
  EXPECT_EQ(payloadHex(runSim({pick({"SIM toolkit", "LANGUAGE SELECTION EVENT"}), choose(1, "de")}).call), "07 64 65");
}

TEST(SimCommand, TheModuleCanComeFromTheFirstFieldWhichLeavesThePayload) {
  Outcome out = runSim({pick({"Card", "SEND APDU"}), choose(0, "SIM toolkit (7, 1)"), fill(1, "5"),
                        fill(2, "0xA0,0xF2,0,0,0x16")});
  ASSERT_EQ(out.call.bytes.size(), 30u);
  EXPECT_EQ(orbel::toHex(std::span(out.call.bytes).subspan(2, 4)), "FF 00 07 01");
  EXPECT_EQ(payloadHex(out.call), "05 A0 F2 00 00 16");
}

TEST(SimCommand, AFixedFieldShowsItsDefaultReadOnlyAndIsSent) {
  EXPECT_EQ(payloadHex(runSim({pick({"Card", "STATUS"})}).call), "16");
  Outcome typed = runSim({pick({"Card", "STATUS"}), fill(0, "0x20")});
  ASSERT_EQ(typed.errors.size(), 1u);  // the user cannot type over it
  EXPECT_NE(typed.errors[0].find("refused: the control is disabled"), std::string::npos);
}

TEST(SimCommand, ChecksAtAndBeyondBothBoundsKeepTheDialogOpen) {
  const std::string outOfRange = "The value is outside its allowed range.";
  struct Case {
    std::vector<std::string> command;
    int row;
    std::string text;
    bool passes;
  };
  const Case cases[] = {
      {kVerifyPin, 1, "3", false},          {kVerifyPin, 1, "4", true},
      {kVerifyPin, 1, "8", true},           {kVerifyPin, 1, "9", false},
      {{"File access", "READ BINARY"}, 1, "0x7FFF", true},
      {{"File access", "READ BINARY"}, 1, "0x8000", false},
      {{"File access", "READ BINARY"}, 2, "0", false},
      {{"File access", "READ BINARY"}, 2, "255", true},
      {{"File access", "READ BINARY"}, 2, "-1", false},  // 0xFFFFFFFF, compared unsigned
      {{"PIN", "UNBLOCK PIN"}, 1, "1234567", false},  // a text length check
      {{"PIN", "UNBLOCK PIN"}, 1, "12345678", true},
      {{"PIN", "UNBLOCK PIN"}, 1, "123456789", false},
      {kUpdateBinary, 3, "1,256", false},  // each piece is checked
  };
  for (const Case& c : cases) {
    Outcome out = runSim({pick(c.command), fill(c.row, c.text)}, 77);
    EXPECT_EQ(out.call.returned, c.passes) << c.text;
    EXPECT_EQ(out.messages, c.passes ? std::vector<std::string>{} : std::vector<std::string>{outOfRange}) << c.text;
    if (!c.passes) {
      EXPECT_EQ(out.call.len, 77u) << "cancelled after the message: *len untouched";
    }
  }
}

TEST(SimCommand, RefusedInputShowsItsMessageAndKeepsTheDialogOpen) {
  struct Case {
    std::vector<tk::ScriptAction> actions;
    std::string message;
  };
  const Case cases[] = {
      {{pick({"File access", "READ BINARY"}), fill(1, "0xg1")}, "The number after \"0x\" is not a hexadecimal number."},
      {{pick({"File access", "READ BINARY"}), fill(1, "0x")}, "The number after \"0x\" is not a hexadecimal number."},
      {{pick(kUpdateBinary), fill(3, "1,0x")}, "The number after \"0x\" is not a hexadecimal number."},
      {{pick({"Host extensions", "SWITCH VOLTAGE"}), choose(0, "class B (3 V)")},
       "This field or check kind is not supported."},
      {{pick({"Host extensions", "CLOCK STOP"}), fill(0, "1")}, "This field or check kind is not supported."},
      {{pick({"PIN", "UNBLOCK PIN"}), fill(1, std::string(101, '1'))},
       "The text of \"PUK\" has 101 characters; a field holds at most 100."},
      {{pick(kVerifyPin), fill(2, "1234")},
       "\"PIN digits\" takes its number of characters from the field before it, which is empty."},
      {{pick({"Card", "SEND APDU"}), fill(1, "1"), fill(2, "0")},
       "\"Target\" chooses the module that receives this command; give it a value."},
  };
  for (const Case& c : cases) {
    std::vector<tk::ScriptAction> actions = c.actions;
    actions.push_back(click("ok"));
    actions.push_back(click("cancel"));  // reached only when OK kept the dialog open
    ScriptedHost host(dialogScript("CDiagSimCmdDlg", actions));
    Call call = callExport(OrbelGetSimCmdBuffer, 5);
    EXPECT_FALSE(call.returned) << c.message;
    EXPECT_EQ(call.len, 5u);
    EXPECT_EQ(host.messages(), std::vector<std::string>{c.message});
    EXPECT_TRUE(host.toolkit().errors().empty()) << host.toolkit().errors()[0];
  }
}

TEST(SimCommand, OkIsEnabledWhileACommandIsSelected) {
  struct Case {
    std::vector<tk::ScriptAction> actions;
    bool enabled;
  };
  const Case cases[] = {
      {{}, false},
      {{pick({"PIN"})}, false},
      {{pick({"PIN"}), pick(kVerifyPin)}, true},
      {{pick(kVerifyPin), pick({"SIM toolkit"})}, false},
      {{pick({"SIM toolkit"}), pick({"SIM toolkit", "FETCH"})}, true},
  };
  for (const Case& c : cases) {
    ScriptedHost host(dialogScript("CDiagSimCmdDlg", c.actions));
    bool enabled = !c.enabled;
    host.toolkit().onActionsDone([&](const tk::CDialog& dialog) { enabled = dialog.findControl("ok")->enabled(); });
    callExport(OrbelGetSimCmdBuffer);
    EXPECT_EQ(enabled, c.enabled) << c.actions.size();
  }
}

TEST(SimCommand, SelectingACommandShowsItsRowsWithTheirTips) {
  ScriptedHost host(dialogScript("CDiagSimCmdDlg", {pick(kUpdateBinary), fill(1, "9"), pick({"Card", "STATUS"})}));
  const tk::CDialog* seen = nullptr;
  std::string state;
  host.toolkit().onActionsDone([&](const tk::CDialog& dialog) {
    seen = &dialog;
    const auto control = [&](const char* id) { return dialog.findControl(id); };
    EXPECT_TRUE(control("row.0.name")->visible());
    EXPECT_EQ(control("row.0.name")->caption(), "Response length");
    EXPECT_EQ(control("row.0.name")->tooltip(), "Response length");
    EXPECT_EQ(control("row.0.value")->tooltip(),
              "Length of the status response of the current directory\n(22 bytes); not to be changed.");
    EXPECT_FALSE(control("row.0.list")->visible());
    for (const char* hidden : {"row.1.name", "row.1.value", "row.1.list", "row.13.value"})
      EXPECT_FALSE(control(hidden)->visible()) << hidden;
  });
  callExport(OrbelGetSimCmdBuffer);
  EXPECT_NE(seen, nullptr);
  EXPECT_TRUE(host.toolkit().errors().empty());

  // The rows of a newly selected command start empty; list rows hold their choices.
  ScriptedHost again(dialogScript("CDiagSimCmdDlg", {pick(kUpdateBinary), fill(1, "9"), pick({"File access", "READ BINARY"}),
                                                     click("ok")}));
  EXPECT_EQ(payloadHex(callExport(OrbelGetSimCmdBuffer)), "");
}

TEST(SimCommand, AnEncoderRefusalClosesWithLengthZeroAndCancelLeavesTheLength) {
  SimDefinitionsOverride wide(simDefinitionText(
      R"({"name": "WIDE", "primitive": 1, "startTask": 0, "moduleTask": 1, "fields": [
           {"name": "n", "kind": "number", "width": 5},
           {"name": "later", "kind": 9, "width": 1}]})"));
  ASSERT_EQ(wide.error(), "");
  Outcome refused = runSim({pick({"G", "WIDE"}), fill(0, "1")}, 77);
  EXPECT_FALSE(refused.call.returned);
  EXPECT_EQ(refused.call.len, 0u);
  EXPECT_TRUE(refused.messages.empty());

  // A field of a kind the form does not send adds nothing.
  EXPECT_EQ(payloadHex(runSim({pick({"G", "WIDE"}), fill(1, "1")}).call), "");

  ScriptedHost cancelled(dialogScript("CDiagSimCmdDlg", {pick({"G", "WIDE"}), click("cancel")}));
  EXPECT_EQ(callExport(OrbelGetSimCmdBuffer, 77).len, 77u);
  unsigned char* none = OrbelGetSimCmdBuffer(nullptr);
  EXPECT_EQ(none, nullptr);
}

TEST(SimCommand, AHugeCharacterCountIsRefusedBeforeItIsBuilt) {
  SimDefinitionsOverride counted(simDefinitionText(
      R"({"name": "COUNT", "primitive": 1, "startTask": 0, "moduleTask": 1, "fields": [
           {"name": "count", "kind": "number", "width": 4}, {"name": "text", "kind": "characters", "width": 1}]})"));
  Outcome out = runSim({pick({"G", "COUNT"}), fill(0, "0x7FFFFFFF"), fill(1, "x")});
  EXPECT_EQ(out.messages, std::vector<std::string>{"\"text\" would be sent as 2147483647 characters, more than one "
                                                   "message holds."});
}

TEST(SimCommand, TheFieldsPaneScrollsByTheDialogsStepsAndAResizeStartsAtTheTop) {
  // Designed 728 pixels, 364 visible: a line of 18, a page of 36. After the
  // thumb goes to 350 a page down stops at the hidden height, 364.
  tk::ScriptAction resize = act(Verb::Resize, "fields");
  resize.index = 400;
  for (bool resized : {false, true}) {
    std::vector<tk::ScriptAction> actions{scroll("fields", "lineDown"), scroll("fields", "thumb", 350),
                                          scroll("fields", "pageDown")};
    if (resized) actions.push_back(resize);
    ScriptedHost host(dialogScript("CDiagSimCmdDlg", actions));
    std::string state;
    host.toolkit().onActionsDone([&](const tk::CDialog& dialog) { state = dialog.findControl("fields")->stateText(); });
    callExport(OrbelGetSimCmdBuffer);
    EXPECT_EQ(state, resized ? "position 0 of 328 (range 728, page 400)" : "position 364 of 364 (range 728, page 364)");
    EXPECT_TRUE(host.toolkit().errors().empty());
  }
}

}  // namespace
