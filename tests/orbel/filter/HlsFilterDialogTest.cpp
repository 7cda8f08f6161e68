// The HLS filter dialog through its three exports: the user SAP rules of
// each mode, the sender check, the display-filter message of every type,
// write-back to the shared nodes, the profile, applying loaded and imported
// filters, and Save/Load round trips through HLS filter files.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "host/HostModules.h"
#include "host/ScopedHostState.h"
#include "host/SimFilterInfoMan.h"
#include "orbel/builders/FilterExports.h"
#include "orbel/catalogue/StandardSapList.h"
#include "orbel/filter/CFilterHLSDlg.h"
#include "orbel/filter/FilterTestSupport.h"
#include "orbel/filter/HlsDialogMessages.h"
#include "orbel/filter/HlsFilterFile.h"
#include "orbel/wire/HexText.h"
#include "support/ScriptedHost.h"
#include "toolkit/ActionApplier.h"

namespace {

using namespace orbel::test;

// List 0: Layer > {SAP 3001, SAP 3002}, Other > Deep > SAP 1600; list 1 a
// single unticked sender of value 0x12345; list 2 a ticked sender under
// "All senders"; lists 3 and 4 one leaf each under a parent.
constexpr char kNodes[] =
    R"({"format": "orbel-hls-filter-nodes", "version": 1, "lists": [
  {"nodes": [{"label": "Layer", "children": [{"label": "SAP 3001", "value": 3001}, {"label": "SAP 3002", "value": 3002}]},
             {"label": "Other", "children": [{"label": "Deep", "children": [{"label": "SAP 1600", "value": 1600}]}]}]},
  {"nodes": [{"label": "MAC", "value": "0x12345"}]},
  {"ticked": true, "nodes": [{"label": "All senders", "value": 7, "children": [{"label": "GSM", "value": "0x20001"}]}]},
  {"nodes": [{"label": "Classes", "value": "0x300", "children": [{"label": "Up", "value": "0x301"}]}]},
  {"nodes": [{"label": "Events", "value": "0x400", "children": [{"label": "Cell", "value": "0x401"}]}]}]})";

class HlsFilterDialog : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(store().LoadNodeText(kNodes, "test nodes"), ""); }
  static HlsNodeStore& store() { return CSimFilterInfoMan::CreateInstance(true)->HlsNodes(); }
  static const CFilterNode& shared(int list, std::size_t index) { return store().lists().nodes(list)[index]; }

  ScopedHostState<HlsNodeStore> nodesScope_{store()};
  ScopedHostState<HostModules> modulesScope_{HostModules::Instance()};
};

std::vector<unsigned> userSaps(SapFilterManager& manager) {
  std::vector<unsigned> ids;
  for (const auto& [id, enabled] : manager.UserSap()) ids.push_back(enabled ? id : 0);
  return ids;
}

// The manager a confirmed dialog made, owned as the host owns it; null when
// the dialog was cancelled, and then no manager it made may be handed out.
std::unique_ptr<SapFilterManager> runHlsDialog() {
  SapFilterManager* manager = nullptr;
  if (OrbelGetHlsFilterBuffer(manager)) return std::unique_ptr<SapFilterManager>(manager);
  EXPECT_EQ(manager, nullptr);
  return nullptr;
}

// The display filter export with *len = `len`; the manager it makes is freed.
Call displayFilter(unsigned int& flag, unsigned int len = 0) {
  SapFilterManager* manager = nullptr;
  const Call call = callExport([&](unsigned int* l) { return OrbelGetDisplayFilterBuffer(l, &flag, manager); }, len);
  delete manager;
  return call;
}

TEST_F(HlsFilterDialog, EditModeTakesTickedLeavesAndTheStandardSetOnRequest) {
  for (const int standard : {1, 0}) {
    ScriptedHost host(
        dialogScript("CFilterHLSDlg", {select("type", 3), clickItem("tree.a", {"Layer", "SAP 3001"}),
                                       clickItem("tree.a", {"Other"}), check("standard", standard), click("ok")}));
    const auto manager = runHlsDialog();
    ASSERT_NE(manager, nullptr);
    std::vector<unsigned> ids = userSaps(*manager);
    // The leaf under "Other" counts, its parents do not.
    ASSERT_EQ(ids.size(), standard ? 167u : 2u);
    EXPECT_EQ(ids[0], 3001u);
    EXPECT_EQ(ids[1], 1600u);
    if (standard) {
      EXPECT_TRUE(std::equal(ids.begin() + 2, ids.end(), orbel::StandardSapList.begin()));
    }
    EXPECT_EQ(manager->m_standardSet, standard == 1);
    EXPECT_EQ(host.profile().getInt("Settings", "FilterType", -1), 3);
    // Ticks reach the shared nodes, parents included.
    EXPECT_EQ(shared(0, 1).GetChecked(), 1);
    EXPECT_EQ(shared(0, 0).GetChecked(), CFilterNode::kPartlyTicked);
    EXPECT_EQ(shared(0, 5).GetChecked(), 1);
    store().LoadNodeText(kNodes, "test nodes");
  }
}

TEST_F(HlsFilterDialog, CancelStoresNothingAndAMadeManagerIsNotHandedOut) {
  ScriptedHost host(
      dialogScript("CFilterHLSDlg", {select("type", 3), clickItem("tree.a", {"Layer"}), click("cancel")}));
  EXPECT_EQ(runHlsDialog(), nullptr);
  EXPECT_EQ(shared(0, 1).GetChecked(), 0);
  EXPECT_TRUE(host.profile().written().empty());
}

TEST_F(HlsFilterDialog, ASenderTypeWithoutATickedSenderKeepsTheDialogOpen) {
  // The user is told, keeps the edits, ticks a sender and confirms.
  ScriptedHost host(dialogScript("CFilterHLSDlg",
                                 {select("type", 1), check("standard", 0), clickItem("tree.a", {"Layer", "SAP 3002"}),
                                  click("ok"), clickItem("tree.b", {"MAC"}), click("ok")}));
  SapFilterManager manager;
  SapFilterManager* given = &manager;
  ASSERT_TRUE(OrbelGetHlsFilterBuffer(given));
  EXPECT_EQ(given, &manager);
  EXPECT_EQ(host.messages(), std::vector<std::string>{"Select one sender item at least when filtering trace"});
  EXPECT_EQ(userSaps(manager), std::vector<unsigned>{3002});
  // Tree A's ticks are written back with the sender list for a sender type.
  EXPECT_EQ(shared(0, 2).GetChecked(), 1);
  EXPECT_EQ(shared(1, 0).GetChecked(), 1);
}

TEST_F(HlsFilterDialog, TheDisplayFilterMessageOfEachType) {
  struct Case {
    int type;
    std::vector<tk::ScriptAction> ticks;
    std::string payload;
  };
  const std::vector<Case> cases = {
      {1, {clickItem("tree.b", {"MAC"})}, "01 00 00 00 00 02 23 45"},
      {2, {clickItem("tree.a", {"Layer", "SAP 3001"})}, "02 00 00 08 FF FF FF FF 00 00 0B B9 00 04 00 07 00 01"},
      {3, {clickItem("tree.a", {"Other"})}, "03 00 00 0C FF FF FF FF FF FF FF FF 00 00 06 40"},
      {3, {}, "03 00"},
      {4, {}, "04 00"},
      {4, {clickItem("tree.a", {"Classes", "Up"})}, "04 00 00 08 00 00 03 00 00 00 03 01"},
      {5, {clickItem("tree.a", {"Events"})}, "05 00 00 08 00 00 04 00 00 00 04 01"},
  };
  for (const Case& c : cases) {
    std::vector<tk::ScriptAction> actions{select("type", c.type)};
    actions.insert(actions.end(), c.ticks.begin(), c.ticks.end());
    actions.push_back(check("display", 1));
    actions.push_back(click("ok"));
    ScriptedHost host(dialogScript("CFilterHLSDlg", actions));
    unsigned int flag = 0;
    EXPECT_EQ(payloadHex(displayFilter(flag)), c.payload) << "type " << c.type;
    EXPECT_EQ(flag, 1u);
    store().LoadNodeText(kNodes, "test nodes");
  }
}

TEST_F(HlsFilterDialog, TheDisplayFilterFrameAndItsRefusals) {
  {
    ScriptedHost host(dialogScript("CFilterHLSDlg", {select("type", 4), click("ok")}));
    unsigned int flag = 7;
    EXPECT_EQ(orbel::toHex(displayFilter(flag).bytes),
              "1A 00 FF 00 09 00 CA 32 00 00 FF 2E 00 00 00 00 00 00 02 00 04 00 00 00 00 00");
    EXPECT_EQ(flag, 0u);
  }
  {
    // The first entry builds no display filter: the user is told and picks another.
    ScriptedHost host(dialogScript("CFilterHLSDlg", {select("type", 0), click("ok"), click("cancel")}));
    unsigned int flag = 7;
    const Call call = displayFilter(flag, 5);
    EXPECT_TRUE(!call.returned && call.len == 5 && flag == 7);
    EXPECT_EQ(host.messages().size(), 1u);
  }
  unsigned int len = 0;
  SapFilterManager* manager = nullptr;
  EXPECT_EQ(OrbelGetDisplayFilterBuffer(&len, nullptr, manager), nullptr);
}

TEST_F(HlsFilterDialog, TheDefaultFilterTakesEveryTickedNodeAndTheStandardSet) {
  {
    // Entry 1 traces the first sender list, of which nothing is ticked:
    // there is no user to ask, so the call ends with nothing stored.
    ScriptedHost host;
    SapFilterManager manager;
    SapFilterManager* given = &manager;
    OrbelGetDefaultFilterTT(given);
    EXPECT_EQ(given, &manager);
    EXPECT_TRUE(manager.UserSap().empty());
    EXPECT_EQ(host.messages(), std::vector<std::string>{"Select one sender item at least when filtering trace"});
  }
  store().list(0)->at(1)->SetChecked(1);  // SAP 3001
  store().list(1)->at(0)->SetChecked(1);  // MAC
  ScriptedHost host;
  SapFilterManager* made = nullptr;
  OrbelGetDefaultFilterTT(made);
  const std::unique_ptr<SapFilterManager> manager(made);
  ASSERT_NE(manager, nullptr);
  std::vector<unsigned> ids = userSaps(*manager);
  ASSERT_EQ(ids.size(), 2 + orbel::kStandardSapCount);
  EXPECT_EQ(ids[0], 0xFFFFFFFFu);  // "Layer", partly ticked, is taken with its leaf
  EXPECT_EQ(ids[1], 3001u);
  EXPECT_EQ(host.profile().getInt("Settings", "FilterType", -1), 1);
  EXPECT_EQ(shared(0, 0).GetChecked(), CFilterNode::kPartlyTicked);
  EXPECT_TRUE(host.toolkit().errors().empty());
}

TEST_F(HlsFilterDialog, WithoutAFilterModuleTheTreesStayEmpty) {
  HostModules::Instance().ApplyState({false, false});
  ScriptedHost host(dialogScript("CFilterHLSDlg", {click("ok")}));
  const auto manager = runHlsDialog();
  ASSERT_NE(manager, nullptr);
  EXPECT_TRUE(manager->UserSap().empty());
  EXPECT_TRUE(host.profile().written().empty());
}

bool overlap(const tk::Rect& a, const tk::Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Every control's place in `dialog`, checked to lie in its client area and
// to overlap no other.
std::map<std::string, tk::Rect> placesWithoutOverlap(const tk::CDialog& dialog) {
  std::map<std::string, tk::Rect> places;
  const tk::Rect client = dialog.client();
  for (const tk::Control* control : dialog.controls()) {
    const std::optional<tk::Rect> place = dialog.placeOf(control->id());
    if (!place) {
      ADD_FAILURE() << control->id() << " has no place";
      continue;
    }
    EXPECT_TRUE(place->left >= 0 && place->top >= 0 && place->right <= client.width() &&
                place->bottom <= client.height())
        << control->id() << " lies outside the client area";
    for (const auto& [id, other] : places) EXPECT_FALSE(overlap(*place, other)) << control->id() << " overlaps " << id;
    places[control->id()] = *place;
  }
  return places;
}

// A resize stretches tree A, moves each button with the corner it is
// anchored to, keeps tree B and its search field in place, and leaves no two
// controls overlapping.
TEST_F(HlsFilterDialog, AResizeMovesEachControlByItsAnchorsWithoutAnyOverlap) {
  enum Follow { Keep, Move, Stretch };  // per axis: the control's edges after a growth of the client
  struct Case {
    const char* id;
    Follow across;
    Follow down;
  };
  ScriptedHost host(dialogScript("CFilterHLSDlg", {}));
  CFilterHLSDlg dialog(CFilterHLSDlg::kEditMode, nullptr);
  ASSERT_TRUE(dialog.Create());
  const tk::Rect client = dialog.client();
  EXPECT_EQ(dialog.stateText(), "client 600 x 440");
  const std::map<std::string, tk::Rect> before = placesWithoutOverlap(dialog);
  ASSERT_EQ(tk::applyAction(dialog, resizeDialog(client.width() + 200, client.height() + 120)), "");
  EXPECT_EQ(dialog.stateText(), "client 800 x 560");
  const std::map<std::string, tk::Rect> after = placesWithoutOverlap(dialog);
  const auto follow = [](Follow how, int low, int high, int growth) {
    return std::pair{low + (how == Move ? growth : 0), high + (how == Keep ? 0 : growth)};
  };
  for (const Case& c : {Case{"type", Stretch, Keep},           Case{"tree.a.search", Stretch, Keep},
                        Case{"tree.a", Stretch, Stretch},      Case{"tree.b.search", Keep, Keep},
                        Case{"tree.b", Keep, Keep},            Case{"standard", Keep, Move},
                        Case{"display", Keep, Move},           Case{"leaves.off", Keep, Move},
                        Case{"leaves.on", Keep, Move},         Case{"load", Keep, Move},
                        Case{"save", Keep, Move},              Case{"import", Keep, Move},
                        Case{"attribute", Move, Move},         Case{"standard.on", Move, Move},
                        Case{"standard.off", Move, Move},      Case{"ok", Move, Move},
                        Case{"cancel", Move, Move}}) {
    const tk::Rect was = before.at(c.id);
    const auto [left, right] = follow(c.across, was.left, was.right, 200);
    const auto [top, bottom] = follow(c.down, was.top, was.bottom, 120);
    EXPECT_EQ(after.at(c.id), (tk::Rect{left, top, right, bottom})) << c.id;
  }
  EXPECT_EQ(after.size(), 17u);
  dialog.DestroyWindow();
  if (dialog.MadeManager()) delete dialog.GetManager();  // the host owns the manager the dialog made
}

std::vector<std::uint8_t> filterMessage(const std::string& payloadHex) {
  std::vector<std::uint8_t> payload = *orbel::parseHex(payloadHex);
  // A 20-byte header with the payload's length at 18, the payload, 4 bytes of trailer.
  std::vector<std::uint8_t> message(20 + payload.size() + 4, 0);
  message[18] = static_cast<std::uint8_t>(payload.size());
  std::copy(payload.begin(), payload.end(), message.begin() + 20);
  return message;
}

TEST(AppliedSapFilter, BothFormsAndEveryRefusal) {
  struct Case {
    std::string payload;
    std::string error;  // empty: accepted
  };
  for (const Case& c : {
           Case{"03 00 00 08 00 00 0B B9 00 00 0B BA", ""},
           Case{"33 00 00 04 00 00 0B B9 02", ""},
           Case{"33 00 00 00", ""},
           Case{"34 00 00 00", "config type error"},
           Case{"03 01 00 00", "config type error"},
           Case{"03 00 00 06 00 00 0B B9 00 00", "config type error"},
           Case{"33 00 00 04 00 00 0B B9 00", "filter_attribute error"},
           Case{"33 00 00 04 00 00 0B B9 03", "filter_attribute error"},
           Case{"03 00 00 04 00 00 0B B9 01", "data length error"},
           Case{"33 00 00 04 00 00 0B B9", "ByteDecode:: data not enough"},
           Case{"03 00 00 08 00 00 0B B9", "ByteDecode:: data not enough"},
           Case{"03 00 00", "ByteDecode:: data not enough"},
       }) {
    auto read = orbel::readAppliedSapFilter(filterMessage(c.payload));
    if (c.error.empty()) {
      EXPECT_TRUE(std::holds_alternative<orbel::AppliedSapFilter>(read)) << c.payload;
    } else {
      ASSERT_TRUE(std::holds_alternative<std::string>(read)) << c.payload;
      EXPECT_EQ(std::get<std::string>(read), c.error) << c.payload;
    }
  }
  const auto read = orbel::readAppliedSapFilter(filterMessage("33 00 00 08 00 00 0B B9 00 00 0B BA 01 02"));
  ASSERT_TRUE(std::holds_alternative<orbel::AppliedSapFilter>(read));
  EXPECT_EQ(std::get<orbel::AppliedSapFilter>(read).ids, (std::vector<std::uint32_t>{3001, 3002}));
  EXPECT_TRUE(std::get<orbel::AppliedSapFilter>(read).attributeOn);
  // A payload length beyond the message is not trusted.
  std::vector<std::uint8_t> cut = filterMessage("03 00 00 00");
  cut.resize(22);
  EXPECT_EQ(std::get<std::string>(orbel::readAppliedSapFilter(cut)), "ByteDecode:: data not enough");
}

class HlsFilterDialogFiles : public ScratchFolder {
 protected:
  void SetUp() override {
    ScratchFolder::SetUp();
    ASSERT_EQ(CSimFilterInfoMan::CreateInstance(true)->HlsNodes().LoadNodeText(kNodes, "test nodes"), "");
  }
  ScopedHostState<HlsNodeStore> nodesScope_{CSimFilterInfoMan::CreateInstance(true)->HlsNodes()};
};

TEST_F(HlsFilterDialogFiles, ASavedFilterLoadsBackIntoTheTreeAndTheBoxes) {
  {
    tk::Script script =
        dialogScript("CFilterHLSDlg", {select("type", 3), clickItem("tree.a", {"Layer", "SAP 3002"}),
                                       check("attribute", 1), check("standard", 0), click("save"), click("cancel")});
    script.files = {path("mine.flt_HLS")};
    ScriptedHost host(script);
    EXPECT_EQ(runHlsDialog(), nullptr);  // Save stores into the manager, Cancel keeps the pointer
  }
  // The SAP filter message with 3002 and attribute 2, wrapped as a file.
  EXPECT_EQ(orbel::toHex(readBytes(path("mine.flt_HLS"))),
            "48 4C 53 46 28 00 00 00 F3 64 00 26 01 01 02 00 21 FF 00 09 00 00 00 32 CA 00 00 2E FF 00 00 00 00 00 09 "
            "33 00 00 04 00 00 0B BA 02 00 00 00 00");

  tk::Script script =
      dialogScript("CFilterHLSDlg", {select("type", 3), check("standard", 1),
                                     clickItem("tree.a", {"Layer", "SAP 3001"}), click("load"), click("ok")});
  script.files = {path("mine.flt_HLS")};
  ScriptedHost host(script);
  const auto manager = runHlsDialog();
  ASSERT_NE(manager, nullptr);
  EXPECT_EQ(userSaps(*manager), std::vector<unsigned>{3002});  // 3001 unticked, standard box cleared
  EXPECT_TRUE(manager->m_attributeOn);
  EXPECT_FALSE(manager->m_standardSet);
}

TEST_F(HlsFilterDialogFiles, ABadLoadedFilterChangesNothingAndImportTicksTheCompactFilter) {
  orbel::test::writeBytes(path("bad.flt_HLS"), std::vector<std::uint8_t>{1, 2, 3});
  {
    tk::Script script = dialogScript("CFilterHLSDlg", {select("type", 3), clickItem("tree.a", {"Layer", "SAP 3001"}),
                                                       check("standard", 0), click("load"), click("ok")});
    script.files = {path("bad.flt_HLS")};
    ScriptedHost host(script);
    const auto manager = runHlsDialog();
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(userSaps(*manager), std::vector<unsigned>{3001});
    EXPECT_EQ(host.messages(), std::vector<std::string>{"File format error: " + path("bad.flt_HLS")});
  }
  // The compact filter's base set holds every SAP of the test tree.
  tk::Script script;
  script.dialogs = {{"CFilterHLSDlg", {select("type", 3), click("import"), click("ok")}},
                    {"CMsgFilterDlg_MINI", {click("filter.base"), click("ok")}}};
  ScriptedHost host(script);
  const auto manager = runHlsDialog();
  ASSERT_NE(manager, nullptr);
  EXPECT_EQ(userSaps(*manager), (std::vector<unsigned>{3001, 3002, 1600}));
}

}  // namespace
