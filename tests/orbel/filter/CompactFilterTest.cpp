// The compact message filter as the host and the HLS filter dialog call it:
// the identifier sets of each option, the stored-message option, the work
// mode, and Save and Load through HLS filter files.
#include <gtest/gtest.h>

#include "FilterTestSupport.h"
#include "orbel/builders/FilterExports.h"
#include "orbel/filter/CompactFilter.h"
#include "orbel/wire/ByteOrder.h"
#include "orbel/wire/HexText.h"
#include "support/ScopedFeatures.h"
#include "support/ScriptedHost.h"

namespace {

using namespace orbel;
using namespace orbel::test;

constexpr char kStoredKey[] = "{6468F89A-A3CF-444b-9B04-C664113BDA30}";
constexpr unsigned kUntouched = 77;

struct MiniCall {
  std::vector<std::uint8_t> message;
  unsigned fullSet = kUntouched, workModeState = kUntouched;
  int workMode, filterType;
};

MiniCall callMini(int filterType, int workMode = 0, bool interactive = false) {
  MiniCall call{{}, kUntouched, kUntouched, workMode, filterType};
  unsigned char* message =
      GetFilterMsgMini(&call.fullSet, &call.workModeState, call.workMode, call.filterType, interactive);
  if (message != nullptr) call.message = takeBuffer(message, readU16LE(std::span<const std::uint8_t>(message, 2), 0));
  return call;
}

// The identifiers of a compact filter message, up to its trailer.
std::vector<std::uint32_t> identifiers(const std::vector<std::uint8_t>& message) {
  std::vector<std::uint32_t> ids;
  for (std::size_t at = 24; at + 8 <= message.size(); at += 4) ids.push_back(readUBE(message, at, 4));
  return ids;
}

TEST(CompactFilter, EachOptionSendsItsIdentifierSet) {
  struct Case {
    int code, expectedCode;
    std::size_t count;
    std::uint32_t first;
    unsigned fullSet;
  };
  const Case cases[] = {{0, 0, 162, 1500, 0}, {1, 1, 163, 1500, 0}, {2, 2, 232, 1101, 0}, {3, 3, 230, 1101, 0},
                        {4, 4, 478, 0, 1},    {5, 5, 228, 1500, 0}, {9, 0, 162, 1500, 0}};  // 9 selects nothing
  for (const Case& c : cases) {
    ScriptedHost host;
    const MiniCall call = callMini(c.code);
    const std::size_t size = 28 + 4 * c.count;
    ASSERT_EQ(call.message.size(), size) << c.code;
    EXPECT_EQ(readU16LE(call.message, 18) + 24u, size);
    EXPECT_EQ(toHex(std::span(call.message).subspan(2, 16)), "FF 00 09 00 CA 32 00 00 FF 2E 00 00 00 00 00 00");
    EXPECT_EQ(call.message[20], 3);
    EXPECT_EQ(readU16BE(call.message, 22), 4 * c.count);
    const std::vector<std::uint32_t> ids = identifiers(call.message);
    EXPECT_TRUE(std::adjacent_find(ids.begin(), ids.end(), std::greater_equal<>()) == ids.end()) << "not ascending";
    EXPECT_EQ(ids.front(), c.first) << c.code;
    EXPECT_EQ(ids.back(), 30002u) << c.code;
    EXPECT_EQ(call.filterType, c.expectedCode);
    EXPECT_EQ(call.fullSet, c.fullSet);
    EXPECT_EQ(host.profile().getInt("Settings", "FilterType", -1), c.expectedCode);
    EXPECT_TRUE(host.messages().empty() && host.toolkit().errors().empty());
  }
  ScriptedHost host;
  EXPECT_EQ(callMini(0).message, readBytes(goldenPath("compact_base.msg")));
}

TEST(CompactFilter, TheStoredOptionSendsAValidStoredMessageUnchangedOrFallsBackToTheBase) {
  std::string filler;
  for (int i = 0; i < 28; ++i) filler += "ab";
  const std::pair<std::string, bool> cases[] = {
      {"", false},                             // nothing stored
      {"1e00" + filler, true},                 // 30 bytes, and the first word says 30
      {"1f00" + filler, false},                // the first word disagrees
      {"1700" + filler.substr(0, 42), false},  // 23 bytes: less than a frame
  };
  for (const auto& [stored, sent] : cases) {
    ScriptedHost host;
    if (!stored.empty()) host.profile().writeString("Settings", kStoredKey, stored);
    bool offered = !sent;
    host.toolkit().onActionsDone([&](const tk::CDialog& d) { offered = d.findControl("filter.stored")->enabled(); });
    const MiniCall call = callMini(6);
    EXPECT_EQ(offered, sent) << stored;
    EXPECT_EQ(call.filterType, sent ? 6 : 0) << stored;
    if (sent)
      EXPECT_EQ(toHex(call.message, ""), stored);
    else
      EXPECT_EQ(call.message.size(), 676u) << stored;
  }
}

TEST(CompactFilter, WorkModeIsShownAndTakenOnlyUnderSwitch124) {
  struct Case {
    bool shown;
    int workModeIn;
    std::vector<tk::ScriptAction> actions;  // none: confirmed at once
    int workMode;
  };
  const Case cases[] = {
      {false, 1, {}, 1},  // left alone, and reported as the state
      {true, 5, {}, 1},
      {true, 0, {}, 0},
      {true, 1, {click("workmode.off"), click("ok")}, 0},
      {true, 0, {click("workmode.on"), click("ok")}, 1},
  };
  for (const Case& c : cases) {
    ScriptedHost host(dialogScript("CMsgFilterDlg_MINI", c.actions));
    ScopedFeatures workModeSwitch(c.shown ? std::set<int>{124} : std::set<int>{});
    bool visible = !c.shown;
    host.toolkit().onActionsDone([&](const tk::CDialog& d) { visible = d.findControl("workmode.label")->visible(); });
    const MiniCall call = callMini(0, c.workModeIn, !c.actions.empty());
    EXPECT_EQ(visible, c.shown);
    EXPECT_EQ(call.workMode, c.workMode) << c.workModeIn;
    EXPECT_EQ(call.workModeState, static_cast<unsigned>(c.workMode)) << c.workModeIn;
    EXPECT_EQ(host.profile().getInt("Settings", "WorkMode", -1), c.workMode);
    EXPECT_TRUE(host.toolkit().errors().empty());
  }
}

TEST(CompactFilter, NullFullSetOrCancelChangesNothing) {
  ScriptedHost host(dialogScript("CMsgFilterDlg_MINI", {click("filter.full"), click("cancel")}));
  int workMode = 3, filterType = 2;
  EXPECT_EQ(GetFilterMsgMini(nullptr, nullptr, workMode, filterType, false), nullptr);
  EXPECT_TRUE(host.toolkit().dialogsRun().empty());
  const MiniCall call = callMini(2, 3, true);
  EXPECT_TRUE(call.message.empty());
  EXPECT_TRUE(call.fullSet == kUntouched && call.workModeState == kUntouched && call.workMode == 3 &&
              call.filterType == 2);
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
  script.dialogs = {{"", {click("filter.full"), click("save"), click("cancel")}}, {"", {click("load"), click("ok")}}};
  script.files = {path("full"), path("full.flt_HLS")};
  ScriptedHost host(script);
  EXPECT_TRUE(callMini(0, 0, true).message.empty());  // saved, then cancelled
  EXPECT_EQ(readBytes(path("full.flt_HLS")).size(), 8 + 7 + full.size());
  EXPECT_EQ(host.toolkit().fileDialogs()[0].request.filter, "HLS filter file(*.flt_HLS)|*.flt_HLS||");

  const MiniCall loaded = callMini(0, 0, true);
  EXPECT_EQ(loaded.message, full);
  EXPECT_EQ(loaded.filterType, 6);
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

  EXPECT_EQ(callMini(1, 0, true).filterType, 1);  // the chosen option stays
  EXPECT_EQ(host.messages(), std::vector<std::string>{"File format error: " + path("broken.flt_HLS")});
  EXPECT_FALSE(host.profile().getBinary("Settings", kStoredKey));
  EXPECT_EQ(toHex(callMini(1, 0, true).message),
            "1C 00 FF 00 09 00 CA 32 00 00 FF 2E 00 00 00 00 00 00 04 00 33 00 00 00 00 00 00 00");
}

TEST_F(CompactFilterFiles, SaveWritesOnlyAPayloadTheMessageReallyHolds) {
  // A stored message is checked for its first word only: its payload length
  // word (200 here) may point past its end and must not be trusted.
  for (const char* stored : {"1E00FF00090000000000000000000000000000C800000000000000000000",
                             "1800FF000900000000000000000000000000000000000000"}) {
    tk::Script script = dialogScript("", {click("filter.stored"), click("save")});
    script.files = {path("s.flt_HLS")};
    ScriptedHost host(script);
    host.profile().writeString("Settings", kStoredKey, stored);
    callMini(6, 0, true);
    EXPECT_EQ(host.messages(), std::vector<std::string>{"Save config fail"});
    EXPECT_FALSE(std::filesystem::exists(path("s.flt_HLS")));
  }
}

}  // namespace

// An option's tip lists what it sends; the runs come from the option's own set.
TEST(CompactFilter, OptionTipsListTheIdentifiersEachOptionAdds) {
  EXPECT_EQ(orbel::describeCompactOption(orbel::kFilterOption1), "The base set and 2 SAP identifiers: 1501, 1800.");
  EXPECT_EQ(orbel::describeCompactOption(orbel::kFilterOption2),
            "The base set and 71 SAP identifiers: 1101-1132, 1201-1232, 1501, 2090, 11007, 11012, 17006, 25023, 30000.");
  EXPECT_EQ(orbel::describeCompactOption(orbel::kFilterOption5),
            "The base set and 67 SAP identifiers: 1501, 3130-3162, 3500-3532.");
  EXPECT_TRUE(orbel::describeCompactOption(orbel::kFilterBaseOnly).ends_with(" SAP identifiers."));
  EXPECT_EQ(orbel::describeCompactOption(orbel::kFilterStored), "");
}
