// The scenario editor through its export, driven as a user drives it:
// selection and the variable name, Update's message with and without peer
// data, the prompt for a modified list, single-command and list files, the
// Tcl export, and the added buttons that edit the list.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "host/codec/Psdl.h"
#include "host/codec/PsdlDescriptionFile.h"
#include "orbel/builders/ScenarioExports.h"
#include "orbel/primitive/KovaScenario.h"
#include "orbel/primitive/ScenarioMessage.h"
#include "orbel/wire/HexText.h"
#include "support/ScriptedHost.h"

namespace {

using namespace orbel::test;

// CONNECT_REQ carries five 16-bit fields (L = 10, defaults 1 to 5);
// BARE_IND carries no parameter.
constexpr const char* kDescriptions = R"({"format": "orbel-primitive-descriptions", "version": 1,
  "types": [{"name": "P_RRC_BCFE_CONNECT_PARAM", "fields": [
    {"name": "a", "kind": "integer", "bits": 16, "default": 1},
    {"name": "b", "kind": "integer", "bits": 16, "default": 2},
    {"name": "c", "kind": "integer", "bits": 16, "default": 3},
    {"name": "d", "kind": "integer", "bits": 16, "default": 4},
    {"name": "e", "kind": "integer", "bits": 16, "default": 5}]}],
  "primitives": [{"name": "CONNECT_REQ", "frame": [255, 0, 2, 0], "primitive": 100,
                  "parameter": "P_RRC_BCFE_CONNECT_PARAM"},
                 {"name": "BARE_IND", "frame": [255, 0, 2, 0], "primitive": 101}]})";

// The frame bytes 2 to 17 of both primitives (group 13002, reserved word 0xA5A5A5A5 to see it kept).
constexpr const char* kConnectHead = "FF 00 02 00 CA 32 00 00 64 00 00 00 A5 A5 A5 A5";
constexpr const char* kBareHead = "FF 00 02 00 CA 32 00 00 65 00 00 00 A5 A5 A5 A5";
constexpr const char* kDefaultParameter = "00 01 00 02 00 03 00 04 00 05";

std::vector<std::uint8_t> bytes(const std::string& hex) { return *orbel::parseHex(hex); }

// A simulate CONNECT_REQ with the default parameter and `peer` (hex) behind it.
std::vector<std::uint8_t> connectMessage(const std::string& peer = {}) {
  const std::size_t peerLength = peer.empty() ? 0 : bytes(peer).size();
  const std::size_t total = 34 + peerLength;
  char lengths[32];
  std::snprintf(lengths, sizeof lengths, "%02zX 00", total);
  char trailer[16];
  std::snprintf(trailer, sizeof trailer, "%02zX 00 07 00", peerLength);
  return bytes(std::string(lengths) + " " + kConnectHead + " 0A 00 " + kDefaultParameter + " " +
               (peerLength ? std::string(trailer) + " " + peer : "00 00 00 00"));
}
// The messages a new command starts with: the default parameter, a zero reserved word, no peer data.
constexpr const char* kNewConnect =
    "22 00 FF 00 02 00 CA 32 00 00 64 00 00 00 00 00 00 00 0A 00 00 01 00 02 00 03 00 04 00 05 00 00 00 00";
constexpr const char* kNewBare = "18 00 FF 00 02 00 CA 32 00 00 65 00 00 00 00 00 00 00 00 00 00 00 00 00";
std::vector<std::uint8_t> bareMessage() { return bytes(std::string("18 00 ") + kBareHead + " 00 00 00 00 00 00"); }

// The picker's script: `filter` typed, the primitive `name` chosen, then `ending`.
tk::DialogScript picking(const std::string& filter, const std::string& name, const char* ending = "ok") {
  return {"CPrimitivePickerDlg", {type("filter", filter), selectItem("primitives", {name}), click(ending)}};
}

tk::ScriptAction selectRow(int row) {
  tk::ScriptAction action = act(Verb::SelectItem, "commands");
  action.row = row;
  return action;
}

std::shared_ptr<const psdl::DescriptionSet> descriptions() {
  static const auto set = std::make_shared<const psdl::DescriptionSet>(
      std::get<psdl::DescriptionSet>(psdl::readDescriptions(kDescriptions)));
  return set;
}

class PrimitiveCtrlDialog : public ::testing::Test {
 protected:
  PrimitiveCtrlDialog() {
    folder_ = std::filesystem::temp_directory_path() / ("orbel-scenario-dlg-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
    start_ = std::filesystem::current_path();
    // Three commands: CONNECT_REQ with peer 01 02, BARE_IND to simulate, CONNECT_REQ to wait for.
    CKovaScenario scenario;
    const auto add = [&](const char* name, std::int32_t kind, const std::vector<std::uint8_t>& data) {
      scenario.append(orbel::CreateScenarioCommand(9, name, kind, static_cast<std::int32_t>(data.size()), data));
    };
    add("first", orbel::kScenarioSimulate, connectMessage("01 02"));
    add("second", orbel::kScenarioSimulate, bareMessage());
    add("third", orbel::kScenarioWait, connectMessage());
    scenario.SaveFile(path("start.kscl"));
  }
  ~PrimitiveCtrlDialog() override {
    std::filesystem::current_path(start_);
    std::filesystem::remove_all(folder_);
  }
  std::string path(const std::string& name) const { return (folder_ / name).string(); }
  std::string readFile(const std::string& name) const {
    std::ifstream in(path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  CKovaScenario load(const std::string& name) const {
    CKovaScenario scenario;
    EXPECT_EQ(scenario.LoadFile(path(name)), 0) << name;
    return scenario;
  }
  static std::string hexData(const TAG_KOVA_SCENARIO_COMMAND_ITEM& command) {
    const auto data = orbel::scenarioData(command);
    return orbel::toHex({data.data(), data.size()});
  }

  struct Outcome {
    int result;
    std::vector<std::string> messages;
    std::vector<std::string> errors;
  };
  // Runs the editor on start.kscl with `actions`, then `ending` unless
  // empty; `nested` are the scripts of the dialogs the editor opens.
  Outcome run(std::vector<tk::ScriptAction> actions, std::vector<std::optional<std::string>> files = {},
              std::vector<int> answers = {}, const char* ending = "ok", std::vector<tk::DialogScript> nested = {}) {
    if (*ending != '\0') actions.push_back(click(ending));
    tk::Script script = dialogScript("CPrimtiveCtrlDlg", std::move(actions));
    script.dialogs.insert(script.dialogs.end(), nested.begin(), nested.end());
    script.files = std::move(files);
    script.answers = std::move(answers);
    ScriptedHost host(std::move(script));
    const int result = ScenarioFileCreate(&link_, path("start.kscl").c_str());
    EXPECT_TRUE(link_.variables.empty()) << "every variable is released";
    return {result, host.messages(), host.toolkit().errors()};
  }

  tVLink link_{descriptions()};
  std::filesystem::path folder_, start_;
};

TEST(ScenarioVariableName, KeepsTheStoredNamingRule) {
  const struct {
    const char* type;
    const char* name;
  } cases[] = {
      {"P_RRC_BCFE_CONNECT_PARAM", "RRC_CONNECT"},
      {"p_mm_gcfe_attach_param", "MM_ATTACH"},
      // "P_" goes inside words too; scenario files already hold such names.
      {"P_RRC_SETUP_PARAM", "RRC_SETUPARAM"},
      // Each "__" once, left to right.
      {"A___B", "A__B"},
      {"PLAIN", "PLAIN"},
  };
  for (const auto& c : cases) EXPECT_EQ(orbel::scenarioVariableName(c.type), c.name) << c.type;
}

TEST_F(PrimitiveCtrlDialog, ExportRefusesMissingArgumentsAndReportsTheEnding) {
  EXPECT_EQ(ScenarioFileCreate(nullptr, "x.kscl"), -1);
  EXPECT_EQ(ScenarioFileCreate(&link_, nullptr), -1);
  EXPECT_EQ(ScenarioFileCreate(&link_, std::string(256, 'p').c_str()), -1);
  EXPECT_EQ(run({}).result, 0);
  EXPECT_EQ(run({}, {}, {}, "close").result, -1);
}

TEST_F(PrimitiveCtrlDialog, UpdateRebuildsTheMessage) {
  struct Case {
    const char* what;
    std::vector<tk::ScriptAction> actions;
    int row;
    std::string data;
  };
  const Case cases[] = {
      // The peer bytes shown on selection are kept; the spare bits come from the edit (emptied, so 0).
      {"selection's peer bytes",
       {selectRow(0), click("update")},
       0,
       "24 00 " + std::string(kConnectHead) + " 0A 00 " + kDefaultParameter + " 02 00 00 00 01 02"},
      // L = 10 with three peer bytes: D = 37, bytes 2 to 17 kept.
      {"edited field and three peer bytes",
       {selectRow(2), selectRow(0), setValue("params", {"c"}, "0x0A0B"), set("peer", "1,2,3"), set("sparebits", "9"),
        click("update")},
       0,
       "25 00 " + std::string(kConnectHead) + " 0A 00 00 01 00 02 0A 0B 00 04 00 05 03 00 09 00 01 02 03"},
      // The peer bytes of the command selected before never reach this one.
      {"peer data of the previous selection",
       {selectRow(0), selectRow(1), click("peer.on"), click("update")},
       1,
       "18 00 " + std::string(kBareHead) + " 00 00 00 00 00 00"},
      {"peer box unticked drops the peer bytes",
       {selectRow(0), click("peer.on"), click("update")},
       0,
       "22 00 " + std::string(kConnectHead) + " 0A 00 " + kDefaultParameter + " 00 00 00 00"},
      {"wait command",
       {selectRow(2), setValue("params", {"e"}, "6"), click("update")},
       2,
       "22 00 " + std::string(kConnectHead) + " 0A 00 00 01 00 02 00 03 00 04 00 06 00 00 00 00"},
  };
  for (const Case& c : cases) {
    auto actions = c.actions;
    actions.push_back(click("save.list"));
    Outcome out = run(actions, {path("out.kscl")});
    EXPECT_TRUE(out.errors.empty()) << c.what << ": " << out.errors.front();
    CKovaScenario saved = load("out.kscl");
    ASSERT_EQ(saved.size(), 3u) << c.what;
    EXPECT_EQ(hexData(saved.at(static_cast<std::size_t>(c.row))), c.data) << c.what;
  }
}

TEST_F(PrimitiveCtrlDialog, ControlsFollowTheCommandAndTheVariable) {
  // A wait command has no peer controls.
  EXPECT_FALSE(run({selectRow(2), set("peer", "1")}).errors.empty());
  // Update releases the variable; its tree no longer takes edits until a new selection.
  EXPECT_FALSE(run({selectRow(0), click("update"), setValue("params", {"a"}, "7")}).errors.empty());
  Outcome again = run({selectRow(0), click("update"), selectRow(0), setValue("params", {"a"}, "7")});
  EXPECT_TRUE(again.errors.empty());
  // Update without a selection does nothing, so nothing is modified and Close does not ask.
  Outcome idle = run({click("update")}, {}, {}, "close");
  EXPECT_TRUE(idle.errors.empty() && idle.messages.empty());
}

TEST_F(PrimitiveCtrlDialog, CloseAsksToSaveOnlyAModifiedList) {
  Outcome afterUpdate = run({selectRow(1), click("update")}, {path("asked.kscl")}, {tk::IDOK}, "close");
  ASSERT_EQ(afterUpdate.messages.size(), 1u);
  EXPECT_EQ(afterUpdate.messages[0], "是否保存当前的流程？");
  EXPECT_EQ(load("asked.kscl").size(), 3u);
  Outcome afterSave = run({selectRow(1), click("update"), click("save.list")}, {path("saved.kscl")}, {}, "close");
  EXPECT_TRUE(afterSave.messages.empty() && afterSave.errors.empty());
}

TEST_F(PrimitiveCtrlDialog, SingleCommandsAndListsGoToFilesAndBack) {
  // The first command saved alone, then loaded over the second.
  Outcome out = run({selectRow(0), click("save.command"), selectRow(1), click("load.command"), click("save.list")},
                    {path("one.ksc"), path("one.ksc"), path("out.kscl")});
  EXPECT_TRUE(out.errors.empty()) << out.errors.front();
  EXPECT_EQ(readFile("one.ksc").size(), 524u);
  CKovaScenario saved = load("out.kscl");
  ASSERT_EQ(saved.size(), 3u);
  EXPECT_EQ(orbel::scenarioName(saved.at(1)), "RRC_CONNECT");
  EXPECT_EQ(hexData(saved.at(1)), hexData(saved.at(0)));

  // Opening a list shows exactly its commands; a refused command file shows 11446.
  std::ofstream(path("bad.ksc"), std::ios::binary) << "short";
  Outcome opened = run({click("open.list"), selectRow(0), click("load.command"), click("save.list")},
                       {path("out.kscl"), path("bad.ksc"), path("again.kscl")});
  ASSERT_EQ(opened.messages.size(), 1u);
  EXPECT_EQ(load("again.kscl").size(), 3u);

  // Open list cancelled after a change: the question, then the commands still held stay listed and selectable.
  Outcome cancelled = run({selectRow(1), click("update"), click("open.list"), selectRow(2), click("save.list")},
                          {std::nullopt, std::nullopt, path("kept.kscl")}, {tk::IDOK});
  EXPECT_TRUE(cancelled.errors.empty()) << cancelled.errors.front();
  EXPECT_EQ(load("kept.kscl").size(), 3u);
}

TEST_F(PrimitiveCtrlDialog, ExportWritesTheTclScript) {
  Outcome out = run({click("export")}, {path("out.tcl")});
  EXPECT_TRUE(out.errors.empty()) << out.errors.front();
  const std::string script = readFile("out.tcl");
  EXPECT_EQ(script.rfind("NewBuffer your_peer 0x1,0x2\n", 0), 0u) << script;
  EXPECT_TRUE(script.ends_with('\0'));
  EXPECT_NE(script.find("await"), std::string::npos);
}

TEST_F(PrimitiveCtrlDialog, AddedButtonsEditTheListAndRenumberIt) {
  Outcome out = run({selectRow(0), click("move.down"), click("remove"), selectRow(1), click("move.up"),
                     click("append.list"), click("save.list")},
                    {path("start.kscl"), path("out.kscl")});
  EXPECT_TRUE(out.errors.empty()) << out.errors.front();
  CKovaScenario saved = load("out.kscl");
  // Selecting a command with a parameter renames it to its variable: "first" moves down and goes, the
  // renamed "third" moves up; then the file's three commands follow.
  ASSERT_EQ(saved.size(), 5u);
  const char* names[] = {"RRC_CONNECT", "second", "first", "second", "third"};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(orbel::scenarioName(saved.at(i)), names[i]) << i;
    EXPECT_EQ(saved.at(i).sequence, static_cast<std::int32_t>(i + 1)) << i;
  }
}

TEST_F(PrimitiveCtrlDialog, AddAppendsTheChosenPrimitiveSelectedAndMarksTheListModified) {
  // The new command is selected: its fields take an edit and Update rebuilds it; Close then asks to save.
  Outcome out = run({selectRow(0), click("add"), setValue("params", {"c"}, "9"), click("update")},
                    {path("asked.kscl")}, {tk::IDOK}, "close", {picking("conn", "CONNECT_REQ")});
  EXPECT_TRUE(out.errors.empty()) << out.errors.front();
  EXPECT_EQ(out.messages.size(), 1u);
  CKovaScenario saved = load("asked.kscl");
  ASSERT_EQ(saved.size(), 4u);
  EXPECT_EQ(std::tuple(saved.at(3).sequence, saved.at(3).kind, orbel::scenarioName(saved.at(3))),
            std::tuple(4, orbel::kScenarioSimulate, "RRC_CONNECT"));
  std::string edited = kNewConnect;
  edited.replace(edited.find("00 03"), 5, "00 09");
  EXPECT_EQ(hexData(saved.at(3)), edited);
  // The command selected before keeps its bytes, peer data included.
  EXPECT_EQ(hexData(saved.at(0)), orbel::toHex(connectMessage("01 02")));

  // Adding alone marks the list modified.
  Outcome added = run({click("add")}, {std::nullopt}, {tk::IDOK}, "close", {picking("bare", "BARE_IND")});
  EXPECT_EQ(added.messages.size(), 1u);
}

TEST_F(PrimitiveCtrlDialog, CancelInThePickerChangesNothing) {
  // The selected command's variable survives, and Close has nothing to ask.
  Outcome out = run({selectRow(0), click("add"), setValue("params", {"a"}, "7"), click("save.list")},
                    {path("out.kscl")}, {}, "close", {picking("bare", "BARE_IND", "cancel")});
  EXPECT_TRUE(out.errors.empty()) << out.errors.front();
  EXPECT_TRUE(out.messages.empty());
  CKovaScenario saved = load("out.kscl");
  ASSERT_EQ(saved.size(), 3u);
  EXPECT_EQ(hexData(saved.at(0)), orbel::toHex(connectMessage("01 02")));
  Outcome closed = run({click("add")}, {}, {}, "close", {{"CPrimitivePickerDlg", {}}});
  EXPECT_TRUE(closed.errors.empty()) << closed.errors.front();
  EXPECT_TRUE(closed.messages.empty()) << "a picker closed without a choice leaves the list unmodified";
}

TEST_F(PrimitiveCtrlDialog, AddedCommandsSaveAndReloadByteIdentically) {
  Outcome out = run({click("add"), click("add"), click("save.list")}, {path("out.kscl")}, {}, "ok",
                    {picking("", "CONNECT_REQ"), picking("101", "BARE_IND")});
  EXPECT_TRUE(out.errors.empty()) << out.errors.front();
  CKovaScenario saved = load("out.kscl");
  ASSERT_EQ(saved.size(), 5u);
  EXPECT_EQ(hexData(saved.at(3)), kNewConnect);
  EXPECT_EQ(hexData(saved.at(4)), kNewBare);
  // A primitive without parameter is named after itself.
  EXPECT_EQ(std::pair(orbel::scenarioName(saved.at(4)), saved.at(4).sequence),
            std::pair(std::string_view("BARE_IND"), 5));
  // Opened and saved again unchanged, the file keeps every byte.
  Outcome again = run({click("open.list"), click("save.list")}, {path("out.kscl"), path("again.kscl")});
  EXPECT_TRUE(again.errors.empty()) << again.errors.front();
  EXPECT_EQ(readFile("again.kscl"), readFile("out.kscl"));
}

}  // namespace
