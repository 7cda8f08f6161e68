// The layer-1 filter dialogs as GetPhyFaFilter runs them: which dialog the
// host's settings choose, what OK and Cancel hand back and store, the
// task-message tree, and Save, Open and Stored configurations through
// layer-1 filter files.
#include <gtest/gtest.h>

#include <filesystem>

#include "orbel/builders/L1FilterExports.h"
#include "orbel/filter/FilterTestSupport.h"
#include "orbel/l1filter/CPhyFaFilterBasicDlg.h"
#include "orbel/l1filter/CPhyFaFilterDlg.h"
#include "orbel/l1filter/DefaultFilterConfig.h"
#include "orbel/l1filter/FilterConfigCodec.h"
#include "orbel/l1filter/L1FilterFile.h"
#include "support/ScopedDataDir.h"
#include "support/ScopedFeatures.h"
#include "support/ScriptedHost.h"
#include "toolkit/ComboBox.h"

namespace {

using namespace orbel;
using namespace orbel::test;
namespace fs = std::filesystem;

// A configuration the dialog shows and encodes back unchanged.
PhyFaFilterConfig chosenConfig() {
  PhyFaSelection selection;
  selection.switches = {false, true, false, true};
  selection.primitives.set(5).set(70);
  selection.tdStateFrom = 2;
  selection.tdStateTo = 17;
  selection.gsmStateFrom = 3;
  selection.gsmStateTo = 15;
  selection.tdOptionsA = 0x0201;
  selection.gsmOptionsB = 0x0080;
  selection.taskMessages.set(0).set(40);
  return encodeFilterSelection(selection);
}

std::vector<std::uint8_t> bytesOf(const PhyFaFilterConfig& config) {
  const PhyFaFilterBytes bytes = toBytes(config);
  return {bytes.begin(), bytes.end()};
}

std::optional<PhyFaFilterConfig> stored(ScriptedHost& host) {
  const auto value = host.profile().getBinary(kLastPhyFaConfigSection, kLastPhyFaConfigKey);
  if (!value) return std::nullopt;
  return readPhyFaFilterConfig(*value);
}

struct Returned {
  std::vector<std::uint8_t> bytes;
  unsigned int length;
  bool null;
};

Returned callGetPhyFaFilter() {
  unsigned int length = 77;
  unsigned char* block = GetPhyFaFilter(&length);
  const bool null = block == nullptr;
  return {takeBuffer(block, null ? 0 : length), length, null};
}

class PhyFaFilterDialogs : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return data_.folder(2) + name; }
  void writeFile(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    writeBytes(path(name), bytes);
  }
  void writeConfigFile(const std::string& name, const PhyFaFilterConfig& config) const {
    const L1FilterFileBytes file = encodeL1FilterFile(config);
    writeFile(name, {file.begin(), file.end()});
  }
  ScopedDataDir data_;
};

TEST_F(PhyFaFilterDialogs, ANullLengthShowsNoDialogAndCancelReturnsNothing) {
  {
    ScriptedHost host;
    EXPECT_EQ(GetPhyFaFilter(nullptr), nullptr);
    EXPECT_TRUE(host.toolkit().dialogsRun().empty());
  }
  ScriptedHost host(dialogScript("CPhyFaFilterDlg", {check("switch.0", 1), click("cancel")}));
  const Returned call = callGetPhyFaFilter();
  EXPECT_TRUE(call.null);
  EXPECT_EQ(call.length, 77u);
  EXPECT_FALSE(stored(host));
}

TEST_F(PhyFaFilterDialogs, TheHostSettingsChooseTheBasicOrTheFullDialog) {
  struct Case {
    std::set<int> features;
    std::set<int> modules;
    const char* dialog;
  };
  const Case cases[] = {
      {{}, {}, "CPhyFaFilterDlg"},        {{123}, {40, 43, 48}, "CPhyFaFilterDlg"}, {{124}, {}, "CPhyFaFilterBasicDlg"},
      {{}, {47}, "CPhyFaFilterBasicDlg"}, {{}, {42}, "CPhyFaFilterBasicDlg"},       {{}, {41}, "CPhyFaFilterBasicDlg"},
  };
  for (const Case& c : cases) {
    ScopedFeatures features(c.features, c.modules);
    ScriptedHost host(dialogScript(c.dialog, {click("ok")}));
    const Returned call = callGetPhyFaFilter();
    EXPECT_EQ(host.toolkit().dialogsRun(), std::vector<std::string>{c.dialog});
    EXPECT_EQ(call.length, 1128u) << c.dialog;
    EXPECT_EQ(call.bytes, bytesOf(builtInPhyFaFilterConfig())) << c.dialog;
  }
}

// OK returns and stores what the form shows: the stored configuration with
// each box and choice in its field, and every field left alone unchanged.
TEST_F(PhyFaFilterDialogs, OkReturnsAndStoresTheFormWithEachBoxAndChoiceInItsField) {
  ScriptedHost host(dialogScript("CPhyFaFilterDlg", {click("tree.none"), check("switch.2", 1), check("td.a.5", 1),
                                                     check("td.b.7", 1), check("gsm.a.0", 1), check("gsm.b.3", 1),
                                                     select("td.from", "IDLE"), select("gsm.to", 1), click("ok")}));
  storeLastPhyFaFilterConfig(chosenConfig());
  const Returned call = callGetPhyFaFilter();
  PhyFaFilterConfig expected = chosenConfig();
  expected.switches = {0, 1, 1, 1};
  expected.tdOptionsA = 0x0221;
  expected.tdOptionsB = 0x0080;
  expected.gsmOptionsA = 0x0001;
  expected.gsmOptionsB = 0x0088;
  expected.tdStateFrom = 0x20;
  expected.gsmStateTo = GsmL1StateTable[1].code;
  expected.taskBitmaps = {};  // untick all
  expected.tdTaskMask = expected.gsmTaskMask = expected.commonTaskMask = 0;
  EXPECT_EQ(call.bytes, bytesOf(expected));
  EXPECT_EQ(stored(host), expected);
  EXPECT_TRUE(host.messages().empty());
}

TEST_F(PhyFaFilterDialogs, TheTreeTicksMessagesAndTickAllTicksEveryOne) {
  {
    // MSG_FCP_UPCCT_DATA_ENC_REQ is message 1 of task 1 (slot 1).
    ScriptedHost host(
        dialogScript("CPhyFaFilterDlg",
                     {click("tree.none"), clickItem("tree", {"FCP", "MSG_FCP_UPCCT_DATA_ENC_REQ"}), click("ok")}));
    const PhyFaFilterConfig config = *readPhyFaFilterConfig(callGetPhyFaFilter().bytes);
    decltype(config.taskBitmaps) expected{};
    expected[1][0] = 1u << 1;
    EXPECT_EQ(config.taskBitmaps, expected);
    EXPECT_EQ(config.tdTaskMask, 1u << 1);
  }
  ScriptedHost host(dialogScript("CPhyFaFilterDlg", {click("tree.all"), click("ok")}));
  const PhyFaSelection selection = decodeFilterConfig(*readPhyFaFilterConfig(callGetPhyFaFilter().bytes));
  EXPECT_TRUE(selection.taskMessages.all());
}

TEST_F(PhyFaFilterDialogs, SaveWritesAFileThatOpenShowsAgain) {
  {
    tk::Script script =
        dialogScript("CPhyFaFilterDlg", {click("tree.none"), check("switch.3", 1), click("save"), click("cancel")});
    script.files = {path("mine.flt_L1")};
    ScriptedHost host(script);
    EXPECT_TRUE(callGetPhyFaFilter().null);
    EXPECT_FALSE(stored(host));  // Save leaves the store alone
  }
  ASSERT_EQ(fs::file_size(path("mine.flt_L1")), 1160u);
  tk::Script script = dialogScript("CPhyFaFilterDlg", {click("open"), click("ok")});
  script.files = {path("mine.flt_L1")};
  ScriptedHost host(script);
  const PhyFaFilterConfig config = *readPhyFaFilterConfig(callGetPhyFaFilter().bytes);
  EXPECT_EQ(config.switches[3], 1);
  EXPECT_EQ(config.taskBitmaps, decltype(config.taskBitmaps){});
}

TEST_F(PhyFaFilterDialogs, OpeningTwiceKeepsEachStateOnceAndCancelKeepsTheOpenedStore) {
  writeConfigFile("a.flt_L1", chosenConfig());
  writeConfigFile("b.flt_L1", builtInPhyFaFilterConfig());
  tk::Script script = dialogScript("CPhyFaFilterDlg", {click("open"), click("open"), click("cancel")});
  script.files = {path("b.flt_L1"), path("a.flt_L1")};
  ScriptedHost host(script);
  CPhyFaFilterDlg dialog;
  EXPECT_EQ(dialog.DoModal(), tk::IDCANCEL);
  for (const char* id : {"td.from", "td.to"})
    EXPECT_EQ(static_cast<const tk::ComboBox&>(*dialog.findControl(id)).count(), 18) << id;
  for (const char* id : {"gsm.from", "gsm.to"})
    EXPECT_EQ(static_cast<const tk::ComboBox&>(*dialog.findControl(id)).count(), 16) << id;
  EXPECT_EQ(static_cast<const tk::ComboBox&>(*dialog.findControl("td.to")).curSel(), 17);
  EXPECT_EQ(lastOrDefaultPhyFaFilterConfig(), chosenConfig());
}

TEST_F(PhyFaFilterDialogs, TheBasicDialogWithoutFilesOffersTheCurrentConfigurationOnly) {
  ScopedFeatures features({124});
  ScriptedHost host(dialogScript("CPhyFaFilterBasicDlg", {click("ok")}));
  CPhyFaFilterBasicDlg dialog;
  ASSERT_EQ(dialog.DoModal(), tk::IDOK);
  const auto& choices = static_cast<const tk::ComboBox&>(*dialog.findControl("config"));
  ASSERT_EQ(choices.count(), 1);
  EXPECT_EQ(choices.item(0).text, "<current config>");
  EXPECT_EQ(dialog.Config(), builtInPhyFaFilterConfig());
  EXPECT_FALSE(stored(host));
}

TEST_F(PhyFaFilterDialogs, TheBasicDialogLoadsAChosenFileAndStaysOpenWhenItCannot) {
  writeConfigFile("b.flt_L1", chosenConfig());
  writeConfigFile("a.flt_L1", builtInPhyFaFilterConfig());
  writeFile("bad.flt_L1", std::vector<std::uint8_t>(10, 0));
  writeFile("other.txt", {});
  ScriptedHost host(
      dialogScript("CPhyFaFilterBasicDlg", {select("config", "bad"), click("ok"), select("config", "b"), click("ok")}));
  CPhyFaFilterBasicDlg dialog;
  ASSERT_EQ(dialog.DoModal(), tk::IDOK);
  std::vector<std::string> texts;
  for (const tk::ComboBox::Item& item : static_cast<const tk::ComboBox&>(*dialog.findControl("config")).items())
    texts.push_back(item.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"<current config>", "a", "b", "bad"}));
  EXPECT_EQ(host.messages(), (std::vector<std::string>{"Load L1 config file fail: file length error",
                                                       "Can not load config " + path("bad.flt_L1")}));
  EXPECT_EQ(dialog.Config(), chosenConfig());
  EXPECT_EQ(stored(host), chosenConfig());
}

TEST_F(PhyFaFilterDialogs, StoredConfigurationsShowsTheChosenFileInTheFullDialog) {
  writeConfigFile("team.flt_L1", chosenConfig());
  tk::Script script = dialogScript("CPhyFaFilterDlg", {click("stored"), click("ok")});
  script.dialogs.push_back({"CPhyFaFilterBasicDlg", {select("config", "team"), click("ok")}});
  ScriptedHost host(script);
  EXPECT_EQ(callGetPhyFaFilter().bytes, bytesOf(chosenConfig()));
}

}  // namespace
