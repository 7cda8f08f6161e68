// The AMR voice-path save dialog through its export: only OK with a chosen
// file writes into the caller's record.
#include <gtest/gtest.h>

#include <filesystem>

#include "orbel/builders/ParamConfigExports.h"
#include "support/ScriptedHost.h"

namespace {

using namespace orbel::test;
namespace fs = std::filesystem;

class AmrVpDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    start_ = fs::current_path();
    folder_ = fs::temp_directory_path() / ("orbel-amr-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override {
    fs::current_path(start_);
    fs::remove_all(folder_);
  }

  // A record the caller filled before the call.
  static SaveAmrVpParam callersRecord() {
    SaveAmrVpParam param;
    param.itemFlags = {7, 7, 7, 7, 7, 7, 7, 7, 7};
    param.rangeFlag = 7;
    param.firstNumber = 1111;
    param.secondNumber = 2222;
    param.path = "/earlier/choice.AmrVp";
    return param;
  }

  static std::string text(const SaveAmrVpParam& param) {
    std::string flags;
    for (auto flag : param.itemFlags) flags += std::to_string(flag);
    return flags + " range " + std::to_string(param.rangeFlag) + " " + std::to_string(param.firstNumber) + " " +
           std::to_string(param.secondNumber) + " " + param.path;
  }

  tk::Script script(std::vector<tk::ScriptAction> actions, std::vector<std::optional<std::string>> files) {
    tk::Script s = dialogScript("CSaveAmrVpDlg", std::move(actions));
    s.files = std::move(files);
    return s;
  }

  fs::path start_, folder_;
};

TEST_F(AmrVpDialog, CancelLeavesTheWholeRecordAsItWas) {
  const std::string before = text(callersRecord());
  // Cancel at once; a cancelled file dialog, then Cancel; the range opened and typed into, then Cancel.
  const std::vector<std::vector<tk::ScriptAction>> runs = {
      {click("cancel")},
      {click("item.1"), click("ok"), click("cancel")},
      {click("range"), set("first", "-5"), click("item.9"), click("cancel")},
  };
  for (const auto& actions : runs) {
    ScriptedHost host(script(actions, {std::nullopt}));
    SaveAmrVpParam param = callersRecord();
    EXPECT_EQ(GetAmrVpCfg(param), 0);
    EXPECT_EQ(text(param), before);
    EXPECT_TRUE(host.toolkit().errors().empty());
  }
}

TEST_F(AmrVpDialog, ACancelledFileDialogKeepsTheDialogOpenForAnotherTry) {
  const std::string chosen = (folder_ / "voice").string();
  ScriptedHost host(script({click("item.2"), click("ok"), click("ok")}, {std::nullopt, chosen}));
  SaveAmrVpParam param = callersRecord();
  EXPECT_EQ(GetAmrVpCfg(param), 1);
  ASSERT_EQ(host.toolkit().fileDialogs().size(), 2u);
  const tk::FileDialogRequest& request = host.toolkit().fileDialogs()[0].request;
  EXPECT_TRUE(request.save);
  EXPECT_EQ(request.defaultExt, "AmrVp");
  EXPECT_EQ(request.filter, "AMR VP file (*.AmrVp)|*.AmrVp||");
  EXPECT_EQ(param.path, chosen + ".AmrVp");  // the default extension is added
}

TEST_F(AmrVpDialog, OkFillsItemsRangeAndPath) {
  struct Case {
    const char* what;
    std::vector<tk::ScriptAction> actions;
    std::string expected;  // text() of the record, without the path
  };
  const Case cases[] = {
      {"range unticked keeps the caller's numbers", {click("item.1"), click("item.9")}, "100000001 range 0 1111 2222"},
      {"range ticked reads both numbers",
       {click("range"), set("first", "-5"), set("second", "12")},
       "000000000 range 1 -5 12"},
      {"text that is no whole number reads as 0",
       {click("range"), set("first", "12abc"), set("second", "")},
       "000000000 range 1 0 0"},
      {"numbers beyond 32 bits read as 0",
       {click("range"), set("first", "2147483648"), set("second", "-2147483648")},
       "000000000 range 1 0 -2147483648"},
      {"ticking the range twice closes it again",
       {click("range"), set("first", "3"), click("range")},
       "000000000 range 0 1111 2222"},
  };
  for (const Case& c : cases) {
    std::vector<tk::ScriptAction> actions = c.actions;
    actions.push_back(click("ok"));
    ScriptedHost host(script(actions, {(folder_ / "v.AmrVp").string()}));
    SaveAmrVpParam param = callersRecord();
    EXPECT_EQ(GetAmrVpCfg(param), 1) << c.what;
    EXPECT_EQ(text(param), c.expected + " " + (folder_ / "v.AmrVp").string()) << c.what;
    EXPECT_TRUE(host.toolkit().errors().empty()) << c.what;
  }
}

TEST_F(AmrVpDialog, TheNumberFieldsAreClosedUntilTheRangeIsTicked) {
  ScriptedHost host(script({set("first", "4"), set("second", "5")}, {}));
  SaveAmrVpParam param = callersRecord();
  EXPECT_EQ(GetAmrVpCfg(param), 0);
  ASSERT_EQ(host.toolkit().errors().size(), 1u);
  EXPECT_NE(host.toolkit().errors()[0].find("disabled"), std::string::npos);
}

}  // namespace
