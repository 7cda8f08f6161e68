// The compact message filter as the host and the HLS filter dialog call it:
// the identifier sets of each option, the stored-message option, the work
// mode, and Save and Load through HLS filter files.
#include <gtest/gtest.h>

#include "FilterTestSupport.h"
#include "orbel/builders/ByteOrder.h"
#include "orbel/builders/FilterExports.h"
#include "orbel/decode/HexText.h"
#include "orbel/filter/StoredFilterMessage.h"
#include "support/ScriptedHost.h"

namespace {

using namespace orbel;
using namespace orbel::test;

constexpr int kWorkModeSwitch = 124;
constexpr unsigned kUntouched = 77;

struct MiniCall {
  std::vector<std::uint8_t> message;
  bool returned = false;
  unsigned fullSet = kUntouched;
  unsigned workModeState = kUntouched;
  int workMode = 0;
  int filterType = 0;
};

MiniCall callMini(int filterType, int workMode = 0, bool interactive = false) {
  MiniCall call;
  call.filterType = filterType;
  call.workMode = workMode;
  unsigned char* message = GetFilterMsgMini(&call.fullSet, &call.workModeState, call.workMode, call.filterType, interactive);
  call.returned = message != nullptr;
  if (message != nullptr) call.message = takeBuffer(message, readU16LE(std::span<const std::uint8_t>(message, 2), 0));
  return call;
}

std::vector<std::uint32_t> identifiers(const std::vector<std::uint8_t>& message) {
  std::vector<std::uint32_t> ids;
  for (std::size_t at = 24; at + 8 <= message.size(); at += 4) ids.push_back(readUBE(message, at, 4));  // up to the trailer
  return ids;
}

std::string setting(ScriptedHost& host, const char* key) { return host.profile().getString("Settings", key, "(unset)"); }

TEST(CompactFilter, EachOptionSendsItsIdentifierSet) {
  struct Case {
    int code;
    std::size_t count;
    std::uint32_t first;
    unsigned fullSet;
  };
  const Case cases[] = {{0, 162, 1500, 0}, {1, 163, 1500, 0}, {2, 232, 1101, 0},
                        {3, 230, 1101, 0}, {4, 478, 0, 1},    {5, 228, 1500, 0}};
  for (const Case& c : cases) {
    ScriptedHost host;
    const MiniCall call = callMini(c.code);
    ASSERT_TRUE(call.returned) << c.code;
    const std::size_t size = 28 + 4 * c.count;
    ASSERT_EQ(call.message.size(), size) << c.code;
    std::vector<std::uint8_t> header{0, 0, 0xFF, 0, 9, 0, 0xCA, 0x32, 0, 0, 0xFF, 0x2E, 0, 0, 0, 0, 0, 0, 0, 0};
    writeU16LE(header, 0, static_cast<std::uint16_t>(size));
    writeU16LE(header, 18, static_cast<std::uint16_t>(size - 24));
    EXPECT_EQ(toHex(std::span(call.message).first(20)), toHex(header)) << c.code;
    EXPECT_EQ(call.message[20], 3);
    EXPECT_EQ(readU16BE(call.message, 22), 4 * c.count);
    const std::vector<std::uint32_t> ids = identifiers(call.message);
    EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end()) && std::adjacent_find(ids.begin(), ids.end()) == ids.end());
    EXPECT_EQ(ids.front(), c.first) << c.code;
    EXPECT_EQ(ids.back(), 30002u) << c.code;
    EXPECT_EQ(call.filterType, c.code);
    EXPECT_EQ(call.fullSet, c.fullSet);
    EXPECT_EQ(setting(host, "FilterType"), std::to_string(c.code));
    EXPECT_EQ(setting(host, "WorkMode"), "0");
    EXPECT_TRUE(host.messages().empty() && host.toolkit().errors().empty());
  }
  ScriptedHost host;
  EXPECT_EQ(callMini(0).message, readBytes(goldenPath("compact_base.msg")));
}

TEST(CompactFilter, TheUserPicksAnOption) {
  ScriptedHost host(dialogScript("CMsgFilterDlg_MINI", {click("filter.option3"), click("ok")}));
  const MiniCall call = callMini(5, 0, true);
  EXPECT_EQ(call.filterType, 3);
  EXPECT_EQ(identifiers(call.message).size(), 230u);
  EXPECT_TRUE(host.toolkit().errors().empty());
}

TEST(CompactFilter, AnUnknownCodeSelectsNothingAndSendsTheBase) {
  ScriptedHost host;
  const MiniCall call = callMini(9);
  EXPECT_EQ(call.filterType, 0);
  EXPECT_EQ(identifiers(call.message).size(), 162u);
}

TEST(CompactFilter, TheStoredOptionSendsAValidStoredMessageUnchangedOrFallsBackToTheBase) {
  std::vector<std::uint8_t> valid(30, 0xAB);
  writeU16LE(valid, 0, 30);
  std::vector<std::uint8_t> wrongLength = valid;
  writeU16LE(wrongLength, 0, 31);
  std::vector<std::uint8_t> tooShort(23, 0);
  writeU16LE(tooShort, 0, 23);
  struct Case {
    const char* name;
    std::optional<std::string> stored;  // profile text
    bool sent;
  };
  const Case cases[] = {
      {"no stored message", std::nullopt, false},
      {"valid", toHex(valid, ""), true},
      {"length word disagrees", toHex(wrongLength, ""), false},
      {"shorter than a frame", toHex(tooShort, ""), false},
      {"not hex", std::string("1E00XY"), false},
  };
  for (const Case& c : cases) {
    ScriptedHost host;
    if (c.stored) host.profile().writeString("Settings", "{6468F89A-A3CF-444b-9B04-C664113BDA30}", *c.stored);
    bool storedEnabled = false;
    host.toolkit().onActionsDone([&](const tk::CDialog& dialog) { storedEnabled = dialog.findControl("filter.stored")->enabled(); });
    const MiniCall call = callMini(6);
    EXPECT_EQ(storedEnabled, c.sent) << c.name;
    EXPECT_EQ(call.filterType, c.sent ? 6 : 0) << c.name;
    if (c.sent)
      EXPECT_EQ(call.message, valid);
    else
      EXPECT_EQ(identifiers(call.message).size(), 162u) << c.name;
  }
}

TEST(CompactFilter, WorkModeIsShownAndTakenOnlyUnderSwitch124) {
  struct Case {
    bool shown;
    int workModeIn;
    std::vector<tk::ScriptAction> actions;  // empty: confirmed at once
    int workMode;
    unsigned state;
  };
  const Case cases[] = {
      {false, 1, {}, 1, 1},  // left alone; the state reports the work mode passed in
      {true, 1, {}, 1, 1},
      {true, 0, {}, 0, 0},
      {true, 5, {}, 1, 1},
      {true, 1, {click("workmode.off"), click("ok")}, 0, 0},
      {true, 0, {click("workmode.on"), click("ok")}, 1, 1},
  };
  for (const Case& c : cases) {
    ScriptedHost host(dialogScript("CMsgFilterDlg_MINI", c.actions));
    FeatureManager::Instance().SetFeature(kWorkModeSwitch, c.shown);
    bool visible = !c.shown;
    host.toolkit().onActionsDone([&](const tk::CDialog& dialog) {
      visible = dialog.findControl("workmode.on")->visible() && dialog.findControl("workmode.label")->visible();
    });
    const MiniCall call = callMini(0, c.workModeIn, !c.actions.empty());
    EXPECT_EQ(visible, c.shown);
    EXPECT_EQ(call.workMode, c.workMode) << c.workModeIn;
    EXPECT_EQ(call.workModeState, c.state) << c.workModeIn;
    EXPECT_EQ(setting(host, "WorkMode"), std::to_string(c.workMode));
    EXPECT_TRUE(host.toolkit().errors().empty());
  }
}

TEST(CompactFilter, NullFullSetOrCancelChangesNothing) {
  ScriptedHost host(dialogScript("CMsgFilterDlg_MINI", {click("filter.full"), click("cancel")}));
  unsigned state = kUntouched;
  int workMode = 3, filterType = 2;
  EXPECT_EQ(GetFilterMsgMini(nullptr, &state, workMode, filterType, false), nullptr);
  EXPECT_TRUE(host.toolkit().dialogsRun().empty());

  const MiniCall call = callMini(2, 3, true);
  EXPECT_FALSE(call.returned);
  EXPECT_EQ(call.fullSet, kUntouched);
  EXPECT_EQ(call.workModeState, kUntouched);
  EXPECT_EQ(call.workMode, 3);
  EXPECT_EQ(call.filterType, 2);
  EXPECT_TRUE(host.profile().written().empty());
}

class CompactFilterFiles : public ScratchFolder {};

TEST_F(CompactFilterFiles, ASavedOptionLoadsBackAsTheStoredMessageByteForByte) {
  std::vector<std::uint8_t> full;
  {
    ScriptedHost host;
    full = callMini(4).message;
  }
  tk::Script script;
  script.dialogs = {{"CMsgFilterDlg_MINI", {click("filter.full"), click("save"), click("cancel")}},
                    {"CMsgFilterDlg_MINI", {click("load"), click("ok")}}};
  script.files = {path("full"), path("full.flt_HLS")};
  ScriptedHost host(script);
  EXPECT_FALSE(callMini(0, 0, true).returned);  // saved, then cancelled
  EXPECT_EQ(readBytes(path("full.flt_HLS")).size(), 8 + 7 + full.size());
  EXPECT_EQ(host.toolkit().fileDialogs()[0].request.filter, "HLS filter file(*.flt_HLS)|*.flt_HLS||");
  EXPECT_EQ(host.toolkit().fileDialogs()[0].request.defaultExt, "flt_HLS");

  const MiniCall loaded = callMini(0, 0, true);
  EXPECT_EQ(loaded.message, full);
  EXPECT_EQ(loaded.filterType, 6);
  EXPECT_EQ(setting(host, "FilterType"), "6");
  EXPECT_EQ(callMini(6).message, full);  // kept in the profile for later calls
  EXPECT_TRUE(host.messages().empty() && host.toolkit().errors().empty());
}

TEST_F(CompactFilterFiles, LoadsAFullSapFilterFileAndRefusesABrokenOne) {
  std::vector<std::uint8_t> broken = readBytes(goldenPath("compact_base.flt_HLS"));
  broken.pop_back();
  writeBytes(path("broken.flt_HLS"), broken);
  tk::Script script;
  script.dialogs = {{"", {click("load"), click("ok")}}, {"", {click("load"), click("ok")}}};
  script.files = {path("broken.flt_HLS"), goldenPath("empty_sap_filter.flt_HLS")};
  ScriptedHost host(script);

  const MiniCall refused = callMini(1, 0, true);
  EXPECT_EQ(refused.filterType, 1);  // the chosen option stays
  EXPECT_EQ(host.messages(), std::vector<std::string>{"File format error: " + path("broken.flt_HLS")});
  EXPECT_FALSE(readStoredFilterMessage());

  const MiniCall sap = callMini(1, 0, true);
  EXPECT_EQ(toHex(sap.message), "1C 00 FF 00 09 00 CA 32 00 00 FF 2E 00 00 00 00 00 00 04 00 33 00 00 00 00 00 00 00");
  EXPECT_EQ(sap.filterType, 6);
}

TEST_F(CompactFilterFiles, SaveWritesOnlyAPayloadTheMessageReallyHolds) {
  // A stored message is checked for its first word only; its payload length
  // word may point past its end and must not be trusted.
  std::vector<std::uint8_t> lying(30, 0);
  writeU16LE(lying, 0, 30);
  writeU16LE(lying, 18, 200);
  std::vector<std::uint8_t> bare(24, 0);
  writeU16LE(bare, 0, 24);
  for (const auto& stored : {lying, bare}) {
    tk::Script script = dialogScript("", {click("filter.stored"), click("save")});
    script.files = {path("s.flt_HLS")};
    ScriptedHost host(script);
    host.profile().writeBinary("Settings", "{6468F89A-A3CF-444b-9B04-C664113BDA30}", stored);
    callMini(6, 0, true);
    EXPECT_EQ(host.messages(), std::vector<std::string>{"Save config fail"});
    EXPECT_FALSE(std::filesystem::exists(path("s.flt_HLS")));
  }
}

}  // namespace
