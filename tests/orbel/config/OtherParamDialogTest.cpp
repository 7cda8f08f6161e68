// The other-parameter configuration: the stored choice, its normalisation,
// the dialog's tick boxes and buttons under the feature switches, and the
// command built from it.
#include <gtest/gtest.h>

#include <functional>

#include "orbel/builders/ParamConfigExports.h"
#include "orbel/config/COtherParamCfgDlg.h"
#include "orbel/config/OtherParamTable.h"
#include "orbel/decode/HexText.h"
#include "orbel/decode/MessageDecoder.h"
#include "support/ScriptedHost.h"

namespace {

using namespace orbel::test;
using Bytes = std::vector<std::uint8_t>;

constexpr char kDefaultCodes[] =
    "01 02 04 06 08 09 10 20 30 31 40 50 21 41 60 70 80 90 A0 05 0A 0B 0D 0C B0 B1 B2 B3 B4 B5 B6 B7 C3 C4 C6 C7 C8 C9 "
    "CA CB C5 42 43 DA DB DC DD D0 D6 D7 D8";

void switchesOn(std::initializer_list<int> numbers) {
  for (int number : numbers) FeatureManager::Instance().SetFeature(number, true);
}
void allSwitchesOn() { switchesOn({122, 143, 144, 145, 146, 147}); }

struct Built {
  std::string hex;  // "null" when nothing was built
  int length;
};

Built getOtherParamCfg(unsigned char showDialog, int length = 99) {
  unsigned char* message = GetOtherParamCfg(showDialog, length);
  if (message == nullptr) return {"null", length};
  return {orbel::toHex(takeBuffer(message, static_cast<unsigned int>(length))), length};
}

std::string payloadOf(const Built& built) {
  const auto bytes = orbel::parseHex(built.hex);
  if (!bytes || bytes->size() < 24) return built.hex;
  return orbel::toHex(std::span(*bytes).subspan(20, bytes->size() - 24));
}

std::string stored(ScriptedHost& host) {
  auto value = host.profile().getBinary("Settings", "OtherParamConfig");
  return value ? orbel::toHex(*value) : "absent";
}

TEST(OtherParamConfig, TheDefaultHolds51CodesInTableOrder) {
  const auto config = COtherParamCfgDlg::GetDefaultConfig();
  ASSERT_EQ(config.size(), 52u);
  EXPECT_EQ(orbel::toHex(config), "33 " + std::string(kDefaultCodes));
}

TEST(OtherParamConfig, WithoutTheDialogTheStoredOrDefaultChoiceIsSentAndNothingIsStored) {
  ScriptedHost host;
  switchesOn({143});  // the rows' switches do not matter without the dialog
  const Built built = getOtherParamCfg(0);
  EXPECT_EQ(built.length, 76);
  EXPECT_EQ(built.hex.substr(0, 60), "4C 00 FF 00 09 00 CB 32 00 00 A8 2F 00 00 00 00 00 00 34 00 ");
  EXPECT_EQ(payloadOf(built), "33 " + std::string(kDefaultCodes));
  EXPECT_EQ(built.hex.substr(built.hex.size() - 11), "00 00 00 00");
  EXPECT_EQ(stored(host), "absent");
  EXPECT_TRUE(host.toolkit().dialogsRun().empty());

  const auto decoded = orbel::decodeDiagMessage(*orbel::parseHex(built.hex));
  EXPECT_EQ(decoded.title, "task 9 other-parameter configuration");
  ASSERT_GT(decoded.fields.size(), 11u);
  EXPECT_EQ(decoded.fields[8].name, "parameter count");
  EXPECT_EQ(decoded.fields[9].value, "0x01 Serving cell identity");
}

TEST(OtherParamConfig, TheDecoderLeavesAPayloadWhoseCountDisagreesRaw) {
  struct Case {
    const char* payloadLength;
    const char* payload;
    const char* note;
  };
  const Case cases[] = {
      {"00 00", "", "empty payload, an other-parameter configuration has at least the count byte"},
      {"02 00", "05 77 ", "the count says 5 parameter codes, 1 follows"},
      {"03 00", "00 01 02 ", "the count says 0 parameter codes, 2 follow"},
  };
  for (const Case& c : cases) {
    const std::string payload = c.payload;
    const auto bytes = orbel::parseHex(std::string("00 00 FF 00 09 00 CB 32 00 00 A8 2F 00 00 00 00 00 00 ") +
                                       c.payloadLength + " " + payload + "00 00 00 00");
    Bytes message = *bytes;
    message[0] = static_cast<std::uint8_t>(message.size());
    const auto decoded = orbel::decodeDiagMessage(message);
    EXPECT_EQ(decoded.notes, std::vector<std::string>{c.note});
    if (!payload.empty()) {
      EXPECT_EQ(decoded.fields[8].value, "raw");
    }
  }
}

TEST(OtherParamConfig, StoredValuesAreNormalisedWhenLoaded) {
  struct Case {
    const char* what;
    std::optional<Bytes> value;  // nothing: no value stored
    std::string expected;        // the payload sent without the dialog
  };
  Bytes tooLong(300, 0x01);
  std::string cut = "FF";
  for (int i = 1; i < 256; ++i) cut += " 01";
  const Case cases[] = {
      {"absent: the default", std::nullopt, "33 " + std::string(kDefaultCodes)},
      {"an empty value is the empty choice", Bytes{}, "00"},
      {"a wrong count is recomputed", Bytes{0x07, 0x02, 0xB0}, "02 02 B0"},
      {"longer than 256 bytes: cut, count 255", tooLong, cut},
      {"unknown codes are sent as stored", Bytes{0x01, 0x77}, "01 77"},
  };
  for (const Case& c : cases) {
    ScriptedHost host;
    switchesOn({143});
    if (c.value) host.profile().writeBinary("Settings", "OtherParamConfig", *c.value);
    const Built built = getOtherParamCfg(0);
    EXPECT_EQ(payloadOf(built), c.expected) << c.what;
    EXPECT_EQ(built.length, static_cast<int>(24 + orbel::parseHex(c.expected)->size())) << c.what;
  }
  // Text in the profile that is not whole hex bytes is no stored choice.
  ScriptedHost host;
  host.profile().restore("Settings", "OtherParamConfig", "0G1");
  EXPECT_EQ(COtherParamCfgDlg::LoadConfig(), COtherParamCfgDlg::GetDefaultConfig());
}

TEST(OtherParamConfig, CheckConfigNormalises) {
  struct Case {
    Bytes in, out;
  };
  Bytes longest(257, 0xD0), cut(256, 0xD0);
  cut[0] = 255;
  for (Case c :
       {Case{{}, {0}}, Case{{0}, {0}}, Case{{9}, {0}}, Case{{0, 0x01, 0x02}, {2, 0x01, 0x02}}, Case{longest, cut}}) {
    COtherParamCfgDlg::checkConfig(c.in);
    EXPECT_EQ(c.in, c.out);
  }
}

TEST(OtherParamConfig, WithSwitch143OffNothingIsBuiltEvenAfterAConfirmedDialog) {
  ScriptedHost host(dialogScript("COtherParamCfgDlg", {click("ok")}));
  switchesOn({122});
  EXPECT_EQ(getOtherParamCfg(0).hex, "null");
  const Built confirmed = getOtherParamCfg(1);
  EXPECT_EQ(confirmed.hex, "null");
  EXPECT_EQ(confirmed.length, 0);
  // The confirmed choice is stored all the same: the switch-122 default rows.
  EXPECT_EQ(stored(host), "18 01 02 04 06 08 09 10 20 30 31 40 50 21 41 60 70 80 90 A0 05 0A 0B 0D 0C");
}

TEST(OtherParamConfig, CancelReturnsNullWithLengthZeroAndStoresNothing) {
  ScriptedHost host(dialogScript("COtherParamCfgDlg", {click("selectnone"), click("cancel")}));
  allSwitchesOn();
  const Built built = getOtherParamCfg(1);
  EXPECT_EQ(built.hex, "null");
  EXPECT_EQ(built.length, 0);
  EXPECT_EQ(stored(host), "absent");
}

TEST(OtherParamConfig, TheButtonsAndBoxesChooseWhatIsStoredAndSent) {
  struct Case {
    const char* what;
    std::vector<tk::ScriptAction> actions;
    std::string expected;  // stored configuration after OK
  };
  std::string everyCode = "43";
  for (const orbel::OtherParamRow& row : orbel::otherParamRows()) {
    everyCode += ' ' + orbel::toHex(Bytes{row.code});
    if (row.secondCode != 0) everyCode += ' ' + orbel::toHex(Bytes{row.secondCode});
  }
  const Case cases[] = {
      {"confirming at once keeps the stored choice", {}, "02 0A C0"},
      {"an empty confirmation stores the single byte 0", {click("selectnone")}, "00"},
      {"select all ticks every offered row", {click("selectall")}, everyCode},
      {"select default", {click("selectnone"), click("selectdefault")}, "33 " + std::string(kDefaultCodes)},
      {"restore brings back the loaded choice", {click("selectall"), click("restore")}, "02 0A C0"},
      {"boxes are read in table order", {click("selectnone"), click("param.d8"), click("param.01")}, "02 01 D8"},
      {"the two-code row puts both codes", {click("selectnone"), click("param.0b")}, "02 0B 0D"},
      {"unticking", {click("param.0a")}, "01 C0"},
  };
  for (const Case& c : cases) {
    std::vector<tk::ScriptAction> actions = c.actions;
    actions.push_back(click("ok"));
    ScriptedHost host(dialogScript("COtherParamCfgDlg", actions));
    allSwitchesOn();
    COtherParamCfgDlg::SaveConfig({2, 0x0A, 0xC0});
    const Built built = getOtherParamCfg(1);
    EXPECT_EQ(stored(host), c.expected) << c.what;
    EXPECT_EQ(payloadOf(built), c.expected) << c.what;
    EXPECT_TRUE(host.toolkit().errors().empty()) << c.what;
  }
}

// The state of the dialog's boxes after the script's actions, as "id=check" for ticked or greyed ones.
std::vector<std::string> boxesAfter(ScriptedHost& host, const std::function<void()>& run) {
  std::vector<std::string> states;
  host.toolkit().onActionsDone([&](const tk::CDialog& dialog) {
    for (const tk::Control* control : dialog.controls())
      if (auto* box = dynamic_cast<const tk::CheckBox*>(control); box && (box->check() != 0 || !box->enabled()))
        states.push_back(box->id() + (box->enabled() ? "" : " greyed") + (box->check() ? " ticked" : ""));
  });
  run();
  return states;
}

TEST(OtherParamConfig, EitherCodeOfTheTwoCodeRowTicksItsBoxButTheCountByteTicksNothing) {
  for (const Bytes& config : {Bytes{1, 0x0D}, Bytes{1, 0x0B}}) {
    ScriptedHost host(dialogScript("COtherParamCfgDlg", {click("ok")}));
    switchesOn({122, 143});
    COtherParamCfgDlg::SaveConfig(config);
    const auto ticked = boxesAfter(host, [] { getOtherParamCfg(1); });
    ASSERT_GE(ticked.size(), 1u);
    EXPECT_EQ(ticked[0], "param.0b ticked");
    EXPECT_EQ(stored(host), "02 0B 0D");
  }
  // Byte 0 (here 1) is a count, not the code 0x01 of the first row.
  ScriptedHost host(dialogScript("COtherParamCfgDlg", {click("ok")}));
  switchesOn({122, 143});
  COtherParamCfgDlg::SaveConfig({1, 0x02});
  getOtherParamCfg(1);
  EXPECT_EQ(stored(host), "01 02");
}

TEST(OtherParamConfig, RowsOfASwitchThatIsOffAreGreyedUntickedAndDroppedOnOk) {
  ScriptedHost host(dialogScript("COtherParamCfgDlg", {click("selectall"), click("ok")}));
  switchesOn({122, 143, 144, 145, 146});  // 147 off: rows 31 to 38
  COtherParamCfgDlg::SaveConfig(COtherParamCfgDlg::GetDefaultConfig());
  std::vector<std::string> greyed;
  for (const std::string& state : boxesAfter(host, [] { getOtherParamCfg(1); }))
    if (state.find("greyed") != std::string::npos) greyed.push_back(state);
  EXPECT_EQ(greyed,
            (std::vector<std::string>{"param.b0 greyed", "param.b1 greyed", "param.b2 greyed", "param.b3 greyed",
                                      "param.b4 greyed", "param.b5 greyed", "param.b6 greyed", "param.b7 greyed"}));
  const std::string config = stored(host);
  EXPECT_EQ(config.find("B0"), std::string::npos) << config;
  EXPECT_EQ(config.find("B7"), std::string::npos) << config;
  EXPECT_EQ(config.substr(0, 2), "3B");  // all 67 codes but the 8 of switch 147

  // Confirming the stored default at once drops the codes as well.
  ScriptedHost again(dialogScript("COtherParamCfgDlg", {click("param.b3")}));
  switchesOn({122, 143, 144, 145, 146});
  COtherParamCfgDlg::SaveConfig(COtherParamCfgDlg::GetDefaultConfig());
  getOtherParamCfg(1);
  ASSERT_EQ(again.toolkit().errors().size(), 1u);  // a greyed box refuses the click
  ScriptedHost confirm(dialogScript("COtherParamCfgDlg", {click("ok")}));
  switchesOn({122, 143, 144, 145, 146});
  COtherParamCfgDlg::SaveConfig(COtherParamCfgDlg::GetDefaultConfig());
  getOtherParamCfg(1);
  EXPECT_EQ(stored(confirm),
            "2B 01 02 04 06 08 09 10 20 30 31 40 50 21 41 60 70 80 90 A0 05 0A 0B 0D 0C C3 C4 C6 C7 C8 C9 "
            "CA CB C5 42 43 DA DB DC DD D0 D6 D7 D8");
}

}  // namespace
