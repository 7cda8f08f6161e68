// The other-parameter configuration: the stored choice and its
// normalisation, the tick boxes and buttons under the feature switches, and
// the command built from it.
#include <gtest/gtest.h>

#include "orbel/builders/ParamConfigExports.h"
#include "orbel/config/COtherParamCfgDlg.h"
#include "orbel/wire/HexText.h"
#include "support/ScopedFeatures.h"
#include "support/ScriptedHost.h"

namespace {

using namespace orbel::test;
using Bytes = std::vector<std::uint8_t>;

const std::string kDefault =  // count 51, then the codes
    "33 01 02 04 06 08 09 10 20 30 31 40 50 21 41 60 70 80 90 A0 05 0A 0B 0D 0C B0 B1 B2 B3 B4 B5 B6 B7 C3 C4 C6 C7 "
    "C8 C9 CA CB C5 42 43 DA DB DC DD D0 D6 D7 D8";
const std::initializer_list<int> kAllButHsdpa = {122, 143, 144, 145, 146};

// Runs the export with `switches` on; the payload in hex, or "null", and the length.
std::pair<std::string, int> run(unsigned char showDialog, std::initializer_list<int> switches) {
  ScopedFeatures on{std::set<int>(switches)};
  int length = 99;
  unsigned char* message = GetOtherParamCfg(showDialog, length);
  const Call call{takeBuffer(message, static_cast<unsigned int>(length)), static_cast<unsigned int>(length),
                  message != nullptr};
  return {payloadHex(call), length};
}

std::string stored(ScriptedHost& host) {
  auto value = host.profile().getBinary("Settings", "OtherParamConfig");
  return value ? orbel::toHex(*value) : "absent";
}

TEST(OtherParamConfig, WithoutTheDialogTheDefaultIsSentAndNothingStored) {
  ScriptedHost host;
  EXPECT_EQ(orbel::toHex(COtherParamCfgDlg::GetDefaultConfig()), kDefault);
  int length = 0;
  ScopedFeatures on({143});  // the rows' own switches do not matter here
  const Bytes bytes = takeBuffer(GetOtherParamCfg(0, length), 76);
  ASSERT_EQ(length, 76);
  EXPECT_EQ(orbel::toHex(bytes),
            "4C 00 FF 00 09 00 CB 32 00 00 A8 2F 00 00 00 00 00 00 34 00 " + kDefault + " 00 00 00 00");
  EXPECT_EQ(stored(host), "absent");
  EXPECT_TRUE(host.toolkit().dialogsRun().empty());
}

TEST(OtherParamConfig, StoredValuesAreNormalisedWhenLoaded) {
  std::string cut = "FF";
  for (int i = 1; i < 256; ++i) cut += " 01";
  const std::pair<Bytes, std::string> cases[] = {
      {{}, "00"},                        // an empty value is the empty choice
      {{0x07, 0x02, 0xB0}, "02 02 B0"},  // the stored count is not trusted
      {Bytes(300, 0x01), cut},           // cut to 256 bytes, count 255
      {{0x01, 0x77}, "01 77"},           // unknown codes are sent as stored
  };
  for (const auto& [value, expected] : cases) {
    ScriptedHost host;
    host.profile().writeBinary("Settings", "OtherParamConfig", value);
    EXPECT_EQ(run(0, {143}), std::make_pair(expected, static_cast<int>(24 + orbel::parseHex(expected)->size())));
  }
  ScriptedHost host;  // text that is not whole hex bytes is no stored choice
  host.profile().restore("Settings", "OtherParamConfig", "0G1");
  EXPECT_EQ(orbel::toHex(COtherParamCfgDlg::LoadConfig()), kDefault);
}

TEST(OtherParamConfig, Switch143OffOrCancelGivesNullAndLengthZero) {
  ScriptedHost off(dialogScript("COtherParamCfgDlg", {click("selectnone"), click("param.01"), click("ok")}));
  EXPECT_EQ(run(1, {122}), std::make_pair(std::string("null"), 0));
  EXPECT_EQ(stored(off), "01 01");  // the confirmed choice is stored all the same
  EXPECT_EQ(run(0, {}), std::make_pair(std::string("null"), 0));

  ScriptedHost cancelled(dialogScript("COtherParamCfgDlg", {click("selectnone"), click("cancel")}));
  EXPECT_EQ(run(1, {122, 143}), std::make_pair(std::string("null"), 0));
  EXPECT_EQ(stored(cancelled), "absent");
}

TEST(OtherParamConfig, TheButtonsAndBoxesChooseWhatIsStoredAndSent) {
  std::string hsdpaDropped = kDefault;  // the default without the 8 codes of switch 147
  hsdpaDropped.replace(hsdpaDropped.find(" B0"), 24, "").replace(0, 2, "2B");
  struct Case {
    Bytes before;  // the stored choice
    std::vector<tk::ScriptAction> actions;
    std::string after;
  };
  const Case cases[] = {
      {{2, 0x0A, 0xC0}, {}, "02 0A C0"},  // the stored choice ticks its boxes
      {{1, 0x0D}, {}, "02 0B 0D"},        // either code ticks the two-code row
      {{1, 0x02}, {}, "01 02"},           // the count 1 is not the code 0x01
      {{2, 0x00, 0x09}, {}, "01 09"},     // a zero byte is no code: it ticks no one-code row
      {{2, 0x0A, 0xC0}, {click("selectnone")}, "00"},
      {{2, 0x0A, 0xC0}, {click("selectall"), click("restore")}, "02 0A C0"},
      {{0}, {click("selectdefault")}, hsdpaDropped},
      {{0}, {click("param.d8"), click("param.01")}, "02 01 D8"},  // table order
      {{0}, {click("param.0b")}, "02 0B 0D"},
      {{2, 0x0A, 0xC0}, {click("param.0a")}, "01 C0"},
  };
  for (const Case& c : cases) {
    std::vector<tk::ScriptAction> script = c.actions;
    script.push_back(click("ok"));
    ScriptedHost host(dialogScript("COtherParamCfgDlg", script));
    COtherParamCfgDlg::SaveConfig(c.before);
    EXPECT_EQ(run(1, kAllButHsdpa).first, c.after);
    EXPECT_EQ(stored(host), c.after);
    EXPECT_TRUE(host.toolkit().errors().empty()) << c.after;
  }
}

TEST(OtherParamConfig, RowsOfASwitchThatIsOffAreGreyedUntickedAndDroppedOnOk) {
  ScriptedHost host(dialogScript("COtherParamCfgDlg", {click("selectall"), click("ok")}));
  std::vector<std::string> greyed;
  host.toolkit().onActionsDone([&](const tk::CDialog& dialog) {
    for (const tk::Control* control : dialog.controls())
      if (auto* box = dynamic_cast<const tk::CheckBox*>(control); box != nullptr && !box->enabled())
        greyed.push_back(box->id() + (box->check() != 0 ? " ticked" : ""));
  });
  COtherParamCfgDlg::SaveConfig(COtherParamCfgDlg::GetDefaultConfig());
  EXPECT_EQ(run(1, kAllButHsdpa).first.substr(0, 2), "3B");  // all 67 codes but the 8 of switch 147
  EXPECT_EQ(greyed, (std::vector<std::string>{"param.b0", "param.b1", "param.b2", "param.b3", "param.b4", "param.b5",
                                              "param.b6", "param.b7"}));
  EXPECT_EQ(stored(host).find(" B"), std::string::npos) << stored(host);  // no code 0xB0 to 0xB7

  ScriptedHost refused(dialogScript("COtherParamCfgDlg", {click("param.b3")}));
  run(1, kAllButHsdpa);
  EXPECT_EQ(refused.toolkit().errors().size(), 1u);
}

}  // namespace
