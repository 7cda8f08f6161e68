// The layer-2 configuration dialog through GetL2Config and in record mode:
// what it opens with, Shift-click ranges, select-all boxes, the list the
// filter model receives and what reaches the caller.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "orbel/builders/L2ConfigExports.h"
#include "orbel/config/CL2ConfigDlg.h"
#include "orbel/config/L2ConfigLayout.h"
#include "orbel/config/L2ConfigStore.h"
#include "support/ScopedDataDir.h"
#include "support/ScopedFeatures.h"
#include "support/ScriptedHost.h"
#include "toolkit/CheckBox.h"

namespace {

using namespace orbel::test;
using orbel::L2ConfigState;
using orbel::L2SelectAllStates;

tk::ScriptAction shift(bool down) {
  tk::ScriptAction action;
  action.verb = down ? Verb::KeyDown : Verb::KeyUp;
  action.text = "shift";
  return action;
}

// What a run left: the result, the caller's blocks, the model's layer-2 list,
// and the check state of every box when the script's actions were done.
struct Outcome {
  bool returned = false;
  L2ConfigState state;
  orbel::L2ConfigSummary summary;
  SapList l2;
  std::map<std::string, int> checks;
  std::map<std::string, bool> enabled;
  tk::Pointer pointer = tk::Pointer::Arrow;
  std::vector<std::string> errors;
};

class L2ConfigDialog : public ::testing::Test {
 protected:
  // Runs GetL2Config on blocks holding `state` and `selectAll`, with a model
  // of the host's.
  Outcome run(std::vector<tk::ScriptAction> actions, int fromFile = 0, const L2ConfigState& state = {},
          const L2SelectAllStates& selectAll = {}) {
    ScriptedHost host(dialogScript("CL2ConfigDlg", std::move(actions)));
    Outcome result;
    host.toolkit().onActionsDone([&](const tk::CDialog& dialog) {
      for (tk::Control* control : dialog.controls()) {
        result.enabled[control->id()] = control->enabled();
        if (control->kind() == tk::ControlKind::CheckBox)
          result.checks[control->id()] = static_cast<tk::CheckBox*>(control)->check();
      }
      result.pointer = dialog.pointer();
    });
    std::array<std::uint8_t, orbel::kL2ConfigStateSize> stateBytes{};
    std::array<std::uint8_t, orbel::kL2ConfigSummarySize> summaryBytes{};
    orbel::writeL2ConfigState(state, stateBytes);
    orbel::writeL2ConfigSummary(orbel::summaryOf(state, selectAll), summaryBytes);
    unsigned char* filter = reinterpret_cast<unsigned char*>(&model_);
    result.returned = GetL2Config(nullptr, nullptr, filter, summaryBytes.data(), stateBytes.data(), fromFile);
    EXPECT_EQ(filter, reinterpret_cast<unsigned char*>(&model_));
    result.state = orbel::readL2ConfigState(stateBytes);
    result.summary = orbel::readL2ConfigSummary(summaryBytes);
    result.l2 = model_.L2Sap();
    result.errors = host.toolkit().errors();
    return result;
  }

  // The items of `prefix` ticked in a run, as "3 4 5".
  static std::string ticked(const Outcome& run, const std::string& prefix, int items) {
    std::string text;
    for (int item = 0; item < items; ++item)
      if (run.checks.at(prefix + "." + std::to_string(item)) == 1)
        text += (text.empty() ? "" : " ") + std::to_string(item);
    return text;
  }

  ScopedFeatures noBuiltInSaps_{{}};
  ScopedDataDir data_;
  SapFilterManager model_;
};

TEST_F(L2ConfigDialog, WithoutAStoredFileEverythingOpensOff) {
  L2ConfigState stale;
  stale.macOn = 1;
  stale.macSap.fill(1);
  // A stored file of the wrong size counts as none, not as a partial configuration.
  std::filesystem::create_directories(data_.folder(1));
  for (bool shortFile : {false, true}) {
    if (shortFile) {
      orbel::saveL2ConfigFile({stale, {1, 1, 1, 1, 1, 1, 1, 1}});
      std::filesystem::resize_file(orbel::l2ConfigFilePath(), 800);
    }
    const Outcome opened = run({}, 1, stale, {1, 1, 1, 1, 1, 1, 1, 1});
    EXPECT_FALSE(opened.returned);
    for (const auto& [id, state] : opened.checks) EXPECT_EQ(state, 0) << id << (shortFile ? " (short file)" : "");
  }
}

TEST_F(L2ConfigDialog, OpensFromTheStoredFileOrFromTheCallersBlocks) {
  L2ConfigState stored;
  stored.rlcOn = 1;
  stored.rlcSap[2] = 1;
  // In the file the RLC group states stand A then B; the dialog must not swap them.
  ASSERT_EQ(orbel::saveL2ConfigFile({stored, {0, 0, 2, 1, 0, 0, 0, 0}}), "");
  Outcome opened = run({}, 1);
  EXPECT_EQ(ticked(opened, "rlc", 67), "2");
  EXPECT_EQ(std::tuple(opened.checks.at("layer.rlc"), opened.checks.at("rlc.all.a"), opened.checks.at("rlc.all.b")),
            std::tuple(1, 2, 1));
  EXPECT_TRUE(opened.enabled.at("rlc.2"));
  // A layer that is off greys its page.
  EXPECT_FALSE(opened.enabled.at("mac.3") || opened.enabled.at("mac.label.a"));

  L2ConfigState given;
  given.pdcpOn = 1;
  given.pdcpSap[57] = 1;
  opened = run({}, 0, given, {0, 0, 0, 0, 0, 0, 0, 2});
  EXPECT_EQ(ticked(opened, "pdcp", 58), "57");
  EXPECT_EQ(std::pair(opened.checks.at("pdcp.all.b"), opened.checks.at("layer.rlc")), std::pair(2, 0));
}

TEST_F(L2ConfigDialog, ShiftClickInvertsTheBoxesBetweenTheAnchorAndTheClick) {
  const Outcome first = run({click("layer.mac"), click("mac.5"), shift(true), click("mac.10"), shift(false)});
  EXPECT_EQ(ticked(first, "mac", 67), "5 6 7 8 9 10");
  // The anchor stays at item 5: a further Shift-click on item 3 inverts item 4 only.
  const Outcome second =
      run({click("layer.mac"), click("mac.5"), shift(true), click("mac.10"), click("mac.3"), shift(false)});
  EXPECT_EQ(ticked(second, "mac", 67), "3 4 5 6 7 8 9 10");
  // Without Shift each click moves the anchor: the range then starts at item 10.
  const Outcome plain = run({click("layer.mac"), click("mac.5"), click("mac.10"), shift(true), click("mac.8")});
  EXPECT_EQ(ticked(plain, "mac", 67), "5 8 9 10");
  EXPECT_EQ(plain.errors, std::vector<std::string>{});
}

// A range that crosses into the other group leaves no select-all box stale.
TEST_F(L2ConfigDialog, RangeAcrossBothGroupsRefreshesBothSelectAllBoxes) {
  const Outcome across = run({click("layer.mac"), click("mac.3"), shift(true), click("mac.40")});
  EXPECT_EQ(ticked(across, "mac", 67), "3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 "
                                       "31 32 33 34 35 36 37 38 39 40");
  EXPECT_EQ(across.checks.at("mac.all.a"), 1);  // all of group A, though the click was in group B
  EXPECT_EQ(across.checks.at("mac.all.b"), 2);
  // On the RLC page the subgroup of the other group follows as well.
  const Outcome rlc = run({click("layer.rlc"), click("rlc.36"), shift(true), click("rlc.0")});
  EXPECT_EQ(std::tuple(rlc.checks.at("rlc.sub.b"), rlc.checks.at("rlc.sub.a"), rlc.checks.at("rlc.all.b")),
            std::tuple(2, 1, 2));
}

TEST_F(L2ConfigDialog, SelectAllBoxesFollowTheirGroupsAndSubgroups) {
  struct Case {
    std::vector<tk::ScriptAction> actions;
    std::map<std::string, int> expected;
  };
  const Case cases[] = {
      // All 34 boxes of RLC group B, item 66 included, tick its box; 33 give the third state.
      {{click("rlc.all.b")}, {{"rlc.all.b", 1}, {"rlc.sub.b", 1}, {"rlc.66", 1}}},
      {{click("rlc.all.b"), click("rlc.40")}, {{"rlc.all.b", 2}, {"rlc.sub.b", 1}}},
      {{click("rlc.all.b"), click("rlc.66")}, {{"rlc.all.b", 2}}},
      {{click("rlc.all.b"), click("rlc.40"), click("rlc.40")}, {{"rlc.all.b", 1}}},
      // The subgroup box ticks items 0 to 4 only; the group box shows the third state.
      {{click("rlc.sub.a")}, {{"rlc.0", 1}, {"rlc.4", 1}, {"rlc.5", 0}, {"rlc.sub.a", 1}, {"rlc.all.a", 2}}},
      {{click("rlc.all.a"), click("rlc.sub.a")}, {{"rlc.0", 0}, {"rlc.5", 1}, {"rlc.sub.a", 0}, {"rlc.all.a", 2}}},
      // A click from ticked reaches the third state, which counts as unticked.
      {{click("rlc.all.a"), click("rlc.all.a")}, {{"rlc.all.a", 0}, {"rlc.sub.a", 0}, {"rlc.32", 0}}},
      {{click("rlc.all.a"), click("rlc.2")}, {{"rlc.sub.a", 2}, {"rlc.all.a", 2}}},
  };
  for (const Case& c : cases) {
    std::vector<tk::ScriptAction> actions{click("layer.rlc")};
    actions.insert(actions.end(), c.actions.begin(), c.actions.end());
    const Outcome done = run(actions);
    for (const auto& [id, state] : c.expected)
      EXPECT_EQ(done.checks.at(id), state) << id << " after " << c.actions.size() << " actions";
  }
}

TEST_F(L2ConfigDialog, OkHandsTheFilterModelTheListOfTheLayersThatAreOn) {
  const Outcome bmcOnly = run({click("layer.bmc"), click("bmc.0"), click("ok")});
  ASSERT_TRUE(bmcOnly.returned);
  EXPECT_EQ(bmcOnly.l2, (SapList{{3115u, true}}));
  EXPECT_EQ(std::pair(bmcOnly.summary.bmcOn + 0, bmcOnly.state.bmcSap), std::pair(1, 1u));

  // No layer on: an empty list, and the state block still holds every page's ticks.
  const Outcome none = run({click("layer.mac"), click("mac.7"), click("layer.mac"), click("ok")});
  ASSERT_TRUE(none.returned);
  EXPECT_TRUE(none.l2.empty());
  EXPECT_EQ(std::pair(none.state.macOn, none.state.macSap[7]), std::pair(0u, 1u));

  const Outcome macAndPdcp =
      run({click("layer.mac"), click("mac.0"), click("layer.pdcp"), click("pdcp.all.a"), click("ok")});
  ASSERT_EQ(macAndPdcp.l2.size(), 67u + 58u);
  EXPECT_EQ(macAndPdcp.l2.front(), (std::pair<unsigned, bool>{1010u, true}));
  EXPECT_EQ(std::next(macAndPdcp.l2.begin(), 67)->first, 3304u);
  EXPECT_EQ(macAndPdcp.l2.back(), (std::pair<unsigned, bool>{3072u, false}));
  EXPECT_EQ(
      std::tuple(macAndPdcp.summary.pdcpAllA + 0, macAndPdcp.summary.pdcpAllB + 0, macAndPdcp.state.saveAsDefault),
      std::tuple(1, 0, 0u));
  EXPECT_FALSE(std::filesystem::exists(data_.folder(1) + "L2Config.dat"));
}

TEST_F(L2ConfigDialog, StoreAsDefaultWritesTheFileTheNextRunOpensFrom) {
  const Outcome saved = run({click("layer.rlc"), click("rlc.sub.b"), click("default"), click("ok")});
  ASSERT_TRUE(saved.returned);
  EXPECT_EQ(saved.state.saveAsDefault, 1u);
  const auto stored = orbel::loadL2ConfigFile();
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->state, saved.state);
  EXPECT_EQ(std::pair(stored->selectAll.rlcSubAllB, stored->selectAll.rlcAllB), std::pair(1u, 2u));
  const Outcome reopened = run({}, 1);
  EXPECT_EQ(ticked(reopened, "rlc", 67), "33 34 35 36 37");
  EXPECT_EQ(reopened.checks.at("default"), 0);  // always opens unticked
}

TEST_F(L2ConfigDialog, CancelLeavesTheCallersModelAndBlocksUntouched) {
  ScriptedHost host(dialogScript("CL2ConfigDlg", {click("layer.mac"), click("mac.4"), click("cancel")}));
  std::array<std::uint8_t, orbel::kL2ConfigStateSize> state;
  std::array<std::uint8_t, orbel::kL2ConfigSummarySize> summary;
  state.fill(0xAB);
  summary.fill(0xCD);
  unsigned char* filter = nullptr;  // no model: the dialog creates one, and drops it on Cancel
  EXPECT_FALSE(GetL2Config(nullptr, nullptr, filter, summary.data(), state.data(), 0));
  EXPECT_EQ(filter, nullptr);
  for (std::uint8_t byte : state) ASSERT_EQ(byte, 0xAB);
  for (std::uint8_t byte : summary) ASSERT_EQ(byte, 0xCD);
  EXPECT_FALSE(GetL2Config(nullptr, nullptr, filter, nullptr, state.data(), 0));  // no summary: no dialog
  EXPECT_EQ(host.toolkit().dialogsRun().size(), 1u);
}

TEST_F(L2ConfigDialog, OkWithoutAModelHandsTheCreatedOneToTheCaller) {
  ScriptedHost host(dialogScript("CL2ConfigDlg", {click("layer.bmc"), click("bmc.0"), click("ok")}));
  std::array<std::uint8_t, orbel::kL2ConfigStateSize> state{};
  std::array<std::uint8_t, orbel::kL2ConfigSummarySize> summary{};
  unsigned char* filter = nullptr;
  ASSERT_TRUE(GetL2Config(nullptr, nullptr, filter, summary.data(), state.data(), 0));
  std::unique_ptr<SapFilterManager> created(reinterpret_cast<SapFilterManager*>(filter));
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(created->getSapSet(), (CDWordArray{3115}));
}

TEST_F(L2ConfigDialog, ShiftShowsTheSizeAllPointerWhileItIsHeldOnThePageInView) {
  EXPECT_EQ(run({shift(true)}).pointer, tk::Pointer::SizeAll);
  EXPECT_EQ(run({shift(true), shift(false)}).pointer, tk::Pointer::Arrow);
  EXPECT_EQ(run({shift(true), select("pages", 1)}).pointer, tk::Pointer::Arrow);  // another page has no Shift
  EXPECT_EQ(run({shift(true), select("pages", 1), select("pages", 0)}).pointer, tk::Pointer::SizeAll);
  // Released on another page: no page keeps a Shift flag.
  const Outcome released = run({click("layer.mac"), shift(true), select("pages", 1), shift(false), select("pages", 0),
                            click("mac.3"), click("mac.9")});
  EXPECT_EQ(ticked(released, "mac", 67), "3 9");
}

TEST_F(L2ConfigDialog, RecordModeKeepsTheArraysOfLayersThatAreOff) {
  std::unique_ptr<orbel::L2SapRecord> record = std::make_unique<orbel::L2SapRecord>();
  record->rlcOn = 1;
  record->rlcSap.fill(7);
  record->macSap.fill(7);
  {
    ScriptedHost host(dialogScript("CL2ConfigDlg", {click("layer.mac"), click("mac.3"), click("ok")}));
    bool storeShown = true;
    host.toolkit().onActionsDone(
        [&](const tk::CDialog& dialog) { storeShown = dialog.findControl("default")->visible(); });
    orbel::RunL2ConfigRecordMode(record);
    EXPECT_FALSE(storeShown);
  }
  // Opened with nothing ticked, whatever the record held (macSap[4]); the RLC ticks stay as the record held them.
  EXPECT_EQ(std::tuple(record->macOn + 0, record->macSap[3], record->macSap[4]), std::tuple(1, 1u, 0u));
  EXPECT_EQ(std::tuple(record->rlcOn + 0, record->rlcSap[0], record->rlcSap[66]), std::tuple(0, 7u, 7u));

  std::unique_ptr<orbel::L2SapRecord> none;
  {
    ScriptedHost host(dialogScript("CL2ConfigDlg", {click("cancel")}));
    orbel::RunL2ConfigRecordMode(none);
  }
  ASSERT_NE(none, nullptr);
  EXPECT_EQ(*none, orbel::L2SapRecord{});
}

}  // namespace
