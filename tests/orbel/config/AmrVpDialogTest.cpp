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
  void TearDown() override { EXPECT_EQ(fs::current_path(), start_); }  // no file dialog moves it

  // Runs the export on a record the caller filled before; the record afterwards as text.
  std::string run(std::vector<tk::ScriptAction> actions, std::vector<std::optional<std::string>> files) {
    tk::Script script = dialogScript("CSaveAmrVpDlg", std::move(actions));
    script.files = std::move(files);
    ScriptedHost host(script);
    SaveAmrVpParam param{{7, 7, 7, 7, 7, 7, 7, 7, 7}, 7, 1111, 2222, "/earlier.AmrVp"};
    const int result = GetAmrVpCfg(param);
    EXPECT_TRUE(host.toolkit().errors().empty());
    std::string text = std::to_string(result) + ":";
    for (auto flag : param.itemFlags) text += std::to_string(flag);
    return text + " " + std::to_string(param.rangeFlag) + " " + std::to_string(param.firstNumber) + " " +
           std::to_string(param.secondNumber) + " " + param.path;
  }

  fs::path start_ = fs::current_path();
  std::string file_ = (fs::temp_directory_path() / "orbel-amr-test").string();
};

TEST_F(AmrVpDialog, CancelOfEitherDialogLeavesTheWholeRecord) {
  const std::string untouched = "0:777777777 7 1111 2222 /earlier.AmrVp";
  EXPECT_EQ(run({click("cancel")}, {}), untouched);
  // A cancelled file dialog leaves the dialog open; the Qt test then confirms a second one.
  EXPECT_EQ(run({click("item.1"), click("range"), set("first", "-5"), click("ok"), click("cancel")}, {std::nullopt}),
            untouched);
}

TEST_F(AmrVpDialog, OkFillsItemsRangeAndPath) {
  const std::pair<std::vector<tk::ScriptAction>, std::string> cases[] = {
      {{click("item.1"), click("item.9")}, "1:100000001 0 1111 2222"},  // no range: the caller's numbers stay
      {{click("range"), set("first", "-5"), set("second", "12")}, "1:000000000 1 -5 12"},
      {{click("range"), set("first", "12abc"), set("second", "2147483648")}, "1:000000000 1 0 0"},  // no number: 0
      {{click("range"), set("first", "3"), click("range")}, "1:000000000 0 1111 2222"},
  };
  for (const auto& [actions, expected] : cases) {
    std::vector<tk::ScriptAction> script = actions;
    script.push_back(click("ok"));
    EXPECT_EQ(run(script, {file_ + ".AmrVp"}), expected + " " + file_ + ".AmrVp");
  }
}

}  // namespace
