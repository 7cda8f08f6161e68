// The peer save-as dialog and its text panel through OrbelGetSaveAsInfo: what
// the block holds after OK, the path checks, the feature switches, the
// layer-2 and HLS filter sub-dialogs and the text panel's choices.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "host/HostModules.h"
#include "host/ScopedHostState.h"
#include "host/StringTable.h"
#include "orbel/builders/SaveAsExports.h"
#include "support/ScopedFeatures.h"
#include "support/ScriptedHost.h"

namespace {

using namespace orbel::test;
namespace fs = std::filesystem;

class PeerSaveAs : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(folder_); }
  void TearDown() override { fs::remove_all(folder_); }

  // Runs the export on `info` with the save-as dialog's actions and the
  // scripts of the dialogs it opens, in the order they open.
  int run(SaveAsInfo& info, std::vector<tk::ScriptAction> actions, std::vector<tk::DialogScript> others = {},
          std::vector<std::optional<std::string>> files = {}) {
    tk::Script script = dialogScript("CPeerSaveAsDlg", std::move(actions));
    for (auto& other : others) script.dialogs.push_back(std::move(other));
    script.files = files.empty() ? std::vector<std::optional<std::string>>{file("out")} : std::move(files);
    host_ = std::make_unique<ScriptedHost>(script);
    const int result = OrbelGetSaveAsInfo(&info);
    errors_ = host_->toolkit().errors();
    messages_ = host_->messages();
    host_.reset();
    return result;
  }

  std::string file(const std::string& name) const { return (folder_ / name).string(); }

  // Runs the export on a fresh block with `script`; the controls of the dialog
  // `className` once its actions are done: the hidden ones, and whether each shown one is enabled.
  struct Shown {
    std::vector<std::string> hidden;
    std::map<std::string, bool> enabled;
  };
  static Shown shown(const std::string& className, std::vector<tk::DialogScript> dialogs) {
    Shown result;
    tk::Script script;
    script.dialogs = std::move(dialogs);
    ScriptedHost host(std::move(script));
    host.toolkit().onActionsDone([&](const tk::CDialog& dialog) {
      if (dialog.className() != className) return;
      for (const tk::Control* control : dialog.controls())
        if (control->visible())
          result.enabled[control->id()] = control->enabled();
        else
          result.hidden.push_back(control->id());
    });
    SaveAsInfo info;
    OrbelGetSaveAsInfo(&info);
    return result;
  }

  fs::path folder_ = fs::temp_directory_path() / "orbel-peer-save-as-test";
  std::unique_ptr<ScriptedHost> host_;
  std::vector<std::string> errors_;
  std::vector<std::string> messages_;
  ScopedFeatures features_{{113, 114, 116}};
  ScopedHostState<HostModules> modules_{HostModules::Instance()};
};

TEST_F(PeerSaveAs, BinaryChoicesGoToTheBlock) {
  SaveAsInfo info;
  info.form = 1;
  info.rangeFirst = 77;
  ASSERT_EQ(run(info, {click("form.2"), click("o1"), click("o3"), click("ok")}), 1);
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(info.form, 2u);
  EXPECT_EQ(info.path, file("out.save"));
  EXPECT_EQ(std::tuple(info.optionO1, info.optionO2, info.optionO3, info.textFlag), std::tuple(1u, 0u, 1u, 0u));
  EXPECT_EQ(info.rangeFirst, 77);  // read only while the range box is ticked

  const std::pair<std::vector<tk::ScriptAction>, std::pair<int, int>> ranges[] = {
      {{click("range"), set("range.first", "-12"), set("range.second", "300")}, {-12, 300}},
      {{click("range"), set("range.first", "x1"), set("range.second", "2147483648")}, {0, 0}},
  };
  for (const auto& [actions, expected] : ranges) {
    SaveAsInfo ranged;
    auto script = actions;
    script.push_back(click("ok"));
    ASSERT_EQ(run(ranged, script), 1);
    EXPECT_EQ(std::pair(ranged.rangeFirst, ranged.rangeSecond), expected);
    EXPECT_EQ(ranged.rangeFlag, 1u);
  }
}

TEST_F(PeerSaveAs, CancelLeavesTheBlock) {
  SaveAsInfo info;
  info.l2Record.macOn = 1;
  info.path = "/earlier.peer";
  const std::vector<tk::DialogScript> l2 = {{"CL2ConfigDlg", {click("layer.rlc"), click("ok")}}};
  EXPECT_EQ(run(info, {click("o2"), click("l2.edit"), click("cancel")}, l2), 0);
  // A cancelled file dialog keeps the dialog open; Cancel then leaves the block.
  EXPECT_EQ(run(info, {click("o2"), click("ok"), click("cancel")}, {}, {std::nullopt}), 0);
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(std::tuple(info.optionO2, info.l2Record.macOn + 0, info.l2Record.rlcOn + 0, info.path),
            std::tuple(0u, 1, 0, "/earlier.peer"));
}

TEST_F(PeerSaveAs, SwitchesAndModulesHideTheirBoxes) {
  struct Case {
    std::set<int> switches;
    bool primView;
    std::vector<std::string> hidden;
  };
  const Case cases[] = {
      {{113, 114, 116}, true, {}},
      {{114, 116}, true, {"hls", "hls.edit"}},
      {{113, 114, 116}, false, {"hls", "hls.edit"}},
      {{113, 116}, true, {"l2", "l2.edit"}},
      {{113, 114}, true, {"text"}},
  };
  for (const Case& c : cases) {
    ScopedFeatures switches(c.switches);
    HostModules::Instance().SetPresent(HostModules::kPrimViewName, c.primView);
    EXPECT_EQ(shown("CPeerSaveAsDlg", {{"CPeerSaveAsDlg", {}}}).hidden, c.hidden);
  }
}

TEST_F(PeerSaveAs, WithoutTheTextSwitchEverySaveIsBinary) {
  ScopedFeatures switches({113, 114});
  SaveAsInfo info;
  info.form = 1;
  info.textFlag = 1;  // from an earlier text save
  EXPECT_EQ(run(info, {click("ok")}), 1);
  EXPECT_EQ(std::pair(info.textFlag, info.form), std::pair(0u, 1u));
  EXPECT_EQ(run(info, {click("text")}), 0);
  EXPECT_EQ(errors_.size(), 1u);  // the hidden box takes no click
}

TEST_F(PeerSaveAs, PathChecks) {
  std::ofstream(file("taken.save")).put('x');
  SaveAsInfo info;
  // An existing file: asked again at once.
  ASSERT_EQ(run(info, {click("ok")}, {}, {file("taken"), file("free")}), 1);
  EXPECT_EQ(messages_, std::vector<std::string>{getResourceStringComm(12767)});
  EXPECT_EQ(info.path, file("free.save"));

  // 200 characters: refused, the dialog stays open; 199 pass.
  const std::string prefix = file("");
  const auto pathOf = [&](std::size_t length) { return prefix + std::string(length - prefix.size() - 5, 'a'); };
  SaveAsInfo longPath;
  ASSERT_EQ(run(longPath, {click("ok"), click("ok")}, {}, {pathOf(200), pathOf(199)}), 1);
  EXPECT_EQ(messages_, std::vector<std::string>{getResourceStringComm(12768)});
  EXPECT_EQ(longPath.path, pathOf(199) + ".save");
  EXPECT_EQ(longPath.path.size(), 199u);

  SaveAsInfo refused;
  EXPECT_EQ(run(refused, {click("ok"), click("cancel")}, {}, {pathOf(200)}), 0);
  EXPECT_EQ(refused.path, "");
}

TEST_F(PeerSaveAs, LayerTwoBoxes) {
  const std::vector<tk::DialogScript> macOnly = {{"CL2ConfigDlg", {click("layer.mac"), click("mac.0"), click("ok")}}};
  SaveAsInfo edited;
  ASSERT_EQ(run(edited, {click("l2.edit"), click("ok")}, macOnly), 1);
  EXPECT_EQ(std::tuple(edited.l2Flag, edited.l2EditFlag, edited.l2Record.macOn + 0u, edited.l2Record.macSap[0]),
            std::tuple(1u, 1u, 1u, 1u));

  // Unchecking the layer-2 box unchecks the edit box: the record is not written.
  SaveAsInfo unchecked;
  unchecked.l2Record.bmcSap = 9;
  ASSERT_EQ(run(unchecked, {click("l2.edit"), click("l2"), click("ok")}, macOnly), 1);
  EXPECT_EQ(
      std::tuple(unchecked.l2Flag, unchecked.l2EditFlag, unchecked.l2Record.macOn + 0u, unchecked.l2Record.bmcSap),
      std::tuple(0u, 0u, 0u, 9u));

  // A cancelled layer-2 dialog still ticks the layer-2 box; the record stays zero.
  SaveAsInfo cancelled;
  cancelled.l2Record.bmcSap = 9;
  ASSERT_EQ(run(cancelled, {click("l2.edit"), click("ok")}, {{"CL2ConfigDlg", {click("layer.mac"), click("cancel")}}}),
            1);
  EXPECT_EQ(std::pair(cancelled.l2Flag, cancelled.l2EditFlag), std::pair(1u, 1u));
  EXPECT_EQ(cancelled.l2Record, orbel::L2SapRecord{});
}

TEST_F(PeerSaveAs, TextPanelChoices) {
  struct Case {
    const char* name;
    std::vector<tk::ScriptAction> panel;
    std::function<void(const SaveAsInfo&)> check;
  };
  const Case cases[] = {
      {"content",
       {click("content.1"), click("content.7")},
       [](const SaveAsInfo& info) {
         EXPECT_EQ(info.contentFlags, (std::array<std::uint32_t, 8>{0, 1, 0, 0, 0, 0, 0, 1}));
         EXPECT_EQ(std::tuple(info.textForm, info.secondTextForm, info.textX), std::tuple(1u, 0u, 0u));
       }},
      {"X keeps the block's content",
       {click("all"), click("x")},
       [](const SaveAsInfo& info) {
         EXPECT_EQ(std::tuple(info.textFlag, info.textForm, info.textX, info.textY), std::tuple(1u, 1u, 1u, 0u));
         EXPECT_EQ(info.contentFlags, (std::array<std::uint32_t, 8>{7, 7, 7, 7, 7, 7, 7, 7}));
       }},
      {"Y",
       {click("y")},
       [](const SaveAsInfo& info) { EXPECT_EQ(std::tuple(info.textX, info.textY), std::tuple(0u, 1u)); }},
      {"second form",
       {click("textform.2"), click("second.2")},
       [](const SaveAsInfo& info) {
         EXPECT_EQ(std::tuple(info.textForm, info.secondTextForm), std::tuple(0u, 1u));
         EXPECT_EQ(info.secondFlags, (std::array<std::uint32_t, 3>{0, 0, 1}));
         EXPECT_EQ(info.contentFlags[0], 7u);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SaveAsInfo info;
    info.contentFlags.fill(7);
    info.form = 1;
    info.optionO1 = info.l2Flag = 1;
    ASSERT_EQ(run(info, {click("text"), click("ok")}, {{"CSaveCfgDlg", c.panel}}), 1);
    EXPECT_TRUE(errors_.empty());
    EXPECT_EQ(std::tuple(info.textFlag, info.form, info.optionO1, info.l2Flag), std::tuple(1u, 0u, 0u, 0u));
    c.check(info);
  }
}

TEST_F(PeerSaveAs, TextPanelEnabling) {
  std::map<std::string, bool> enabled =
      shown("CSaveCfgDlg", {{"CPeerSaveAsDlg", {click("text")}}, {"CSaveCfgDlg", {click("y")}}}).enabled;
  for (const char* id : {"all", "content.0", "x", "z", "second.0"}) EXPECT_FALSE(enabled[id]) << id;
  for (const char* id : {"y", "textform.1", "textform.2"}) EXPECT_TRUE(enabled[id]) << id;

  // Switch 124: the second form alone, without the content boxes.
  ScopedFeatures switches({113, 114, 116, 124});
  enabled = shown("CSaveCfgDlg", {{"CPeerSaveAsDlg", {click("text")}}, {"CSaveCfgDlg", {}}}).enabled;
  EXPECT_FALSE(enabled.contains("all"));
  EXPECT_FALSE(enabled.contains("content.0"));
  EXPECT_FALSE(enabled["textform.2"]);
  EXPECT_TRUE(enabled["x"]);
}

TEST_F(PeerSaveAs, TextPanelKeepsItsValuesAndStaysOpenWhenNoFileIsChosen) {
  SaveAsInfo info;
  // Closed and reopened, the panel shows its last content; a cancelled file
  // dialog leaves it open, so the next OK still saves text.
  ASSERT_EQ(run(info, {click("text"), click("text"), click("text"), click("ok"), click("ok")},
                {{"CSaveCfgDlg", {click("content.3")}}, {"CSaveCfgDlg", {click("content.4")}}},
                {std::nullopt, file("text")}),
            1);
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(info.textFlag, 1u);
  EXPECT_EQ(info.contentFlags, (std::array<std::uint32_t, 8>{0, 0, 0, 1, 1, 0, 0, 0}));
  EXPECT_EQ(info.path, file("text.save"));
}

TEST_F(PeerSaveAs, HlsFilterKeepsValuesAOnly) {
  SaveAsInfo info;
  info.filterWords = 5;
  // Type 1 without a ticked SAP: the message carries values B only.
  ASSERT_EQ(run(info, {click("hls.edit"), click("ok")}, {{"CFilterHLSDlg", {select("type", 1), click("ok")}}}), 1);
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(std::tuple(info.hlsFilterFlag, info.hlsFilterEditFlag, info.filterKind, info.filterWords),
            std::tuple(1u, 1u, 0u, 0u));
  EXPECT_EQ(info.filterData, nullptr);

  // Unticking the edit box releases the data; unticking the filter box unticks the edit box.
  ASSERT_EQ(run(info, {click("hls.edit"), click("hls"), click("ok")}, {{"CFilterHLSDlg", {click("cancel")}}}), 1);
  EXPECT_EQ(std::pair(info.hlsFilterFlag, info.hlsFilterEditFlag), std::pair(0u, 0u));
}

TEST_F(PeerSaveAs, NothingRunsWithoutABlockOrTheSaveAsModule) {
  ScriptedHost host(dialogScript("CPeerSaveAsDlg", {click("ok")}));
  EXPECT_EQ(OrbelGetSaveAsInfo(nullptr), 0);
  HostModules::Instance().SetPresent(HostModules::kSaveAsName, false);
  SaveAsInfo info;
  EXPECT_EQ(OrbelGetSaveAsInfo(&info), 0);
  EXPECT_TRUE(host.toolkit().dialogsRun().empty());
}

}  // namespace
