// The layer-1 info report configuration export driven as a user drives it,
// and the hexadecimal byte list it decodes.
#include <gtest/gtest.h>

#include "orbel/builders/Exports.h"
#include "orbel/diag/HexByteList.h"
#include "support/ScriptedHost.h"

namespace {

using namespace orbel::test;

// `count` one-digit runs.
std::string runs(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "f ";
  return text;
}

TEST(L1Config, ByteListCommandIsTheReferenceMessage) {
  ScriptedHost host(dialogScript("CL1ConfigDlg", {click("command.bytes"), set("first", "1"), set("second", "2"),
                                                  set("value", "300"), set("bytes", "0a 0b,ff"), click("ok")}));
  Call call = callExport(GetL1infoReportCfg);
  EXPECT_EQ(orbel::toHex(call.bytes),
            "21 00 FF 00 00 00 CC 32 00 00 73 2F 00 00 00 00 00 00 09 00 01 02 00 03 01 2C 0A 0B FF 00 00 00 00");
  EXPECT_EQ(call.len, 33u);
}

// The primitive (bytes 10 and 11) and payload of the chosen command, or
// null and the message that refuses the input and keeps the dialog open.
TEST(L1Config, BuildsThePayloadOfTheChosenCommandOrNamesTheFault) {
  struct Case {
    std::vector<tk::ScriptAction> actions;  // before OK
    const char* expected;
  };
  const Case cases[] = {
      {{click("command.number")}, "68 2F / 00 14"},  // the field opens with "20"
      {{click("command.number"), set("number", "")}, "68 2F / 00 00"},
      {{click("command.number"), set("number", "65535")}, "68 2F / FF FF"},
      {{click("command.mask"), click("report.1"), click("report.8")}, "6A 2F / 00 81"},
      {{click("command.mask"), click("report.4"), click("report.5")}, "6A 2F / 00 18"},
      {{click("command.mask")}, "6A 2F / 00 00"},
      {{click("command.bytes"), set("bytes", "123")}, "73 2F / 00 00 00 01 00 00 23"},
      {{click("command.bytes"), set("bytes", "0x12")}, "73 2F / 00 00 00 02 00 00 00 12"},
      {{click("command.bytes"), set("bytes", "5")}, "73 2F / 00 00 00 01 00 00 05"},
      {{click("command.bytes"), set("bytes", "no list")}, "73 2F / 00 00 00 00 00 00"},
      // Number fields count what their text starts with; only the low bits go.
      {{click("command.bytes"), set("first", "x"), set("second", "-1"), set("value", "70000")},
       "73 2F / 00 FF 00 00 11 70"},
      {{click("command.bytes"), set("first", "258abc")}, "73 2F / 02 00 00 00 00 00"},
      // The last command chosen counts.
      {{click("command.bytes"), click("command.number")}, "68 2F / 00 14"},
      {{}, "null: Select Command Type!"},
      {{click("command.number"), set("number", "12a")}, "null: Input invalid"},
      {{click("command.number"), set("number", "-1")}, "null: Input invalid"},
      {{click("command.bytes"), set("bytes", runs(257))}, "null: The byte list holds more than 256 bytes."},
  };
  for (const Case& c : cases) {
    auto actions = c.actions;
    actions.push_back(click("ok"));
    ScriptedHost host(dialogScript("CL1ConfigDlg", actions));
    Call call = callExport(GetL1infoReportCfg);
    std::string outcome = call.returned ? orbel::toHex(std::span(call.bytes).subspan(10, 2)) + " / " + payloadHex(call)
                                        : "null";
    for (const std::string& message : host.messages()) outcome += ": " + message;
    EXPECT_EQ(outcome, c.expected);
    EXPECT_TRUE(host.toolkit().errors().empty()) << c.expected;
  }
}

TEST(L1Config, AListOf256BytesIsTheLongestSent) {
  ScriptedHost host(dialogScript("CL1ConfigDlg", {click("command.bytes"), set("bytes", runs(256)), click("ok")}));
  Call call = callExport(GetL1infoReportCfg);
  EXPECT_EQ(call.len, 24u + 6 + 256);
  EXPECT_EQ(orbel::toHex(std::span(call.bytes).subspan(20, 6)), "00 00 01 00 00 00");
  EXPECT_EQ(call.bytes[20 + 6 + 255], 0x0F);
}

// The dialog cases above cover the usual lists; the fuzz target checks the
// rest against a model, the limit included.
TEST(HexByteList, EachRunGivesTheByteOfItsLastTwoDigits) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""}, {"ghij", ""}, {"ABCdef", "EF"}, {"--1--2--", "01 02"}, {"F\tf\nF", "0F 0F 0F"}, {" 00 ", "00"},
  };
  for (const auto& [text, bytes] : cases) {
    std::optional<std::vector<std::uint8_t>> decoded = orbel::decodeHexByteList(text);
    ASSERT_TRUE(decoded) << text;
    EXPECT_EQ(orbel::toHex(*decoded), bytes) << text;
  }
}

}  // namespace
