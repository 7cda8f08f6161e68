// The JSON script format: every action form, and clear refusals.
#include <gtest/gtest.h>

#include "script/ScriptJson.h"
#include "toolkit/Types.h"

namespace {

using orbel::script::parseScript;
using orbel::script::writeScript;

// The refusal of a script text, or "(accepted)".
std::string refusalOf(const std::string& text) {
  auto parsed = parseScript(text);
  return std::holds_alternative<std::string>(parsed) ? std::get<std::string>(parsed) : "(accepted)";
}

// Keys name no control: the key travels in the action's text.
TEST(ScriptJson, ReadsEveryActionFormAndWritesItBack) {
  const std::string text = R"({"dialogs":[{"expect":"CDiagEnqTmrDlg","do":[
      {"click":"module.rlc"},{"type":"instance","text":"5"},{"set":"instance","text":"0x1"},
      {"select":"entry","index":2},{"select":"entry","text":"Timer Poll"},{"check":"box","state":2},
      {"clickItem":"tree","path":["RRC","SAP 1"]},{"selectItem":"list","row":3},{"expand":"tree","path":["RRC"],"state":0},
      {"setValue":"fields","path":["a","b"],"text":"0x1"},{"scroll":"pane","request":"thumb","position":40},
      {"resize":"pane","height":120},{"insert":"instance","text":"9","at":1,"replace":2},
      {"resize":"dialog","width":680,"height":520},{"activateItem":"list","row":1},
      {"keyDown":"shift"},{"keyUp":"shift"}]}],
      "files":["/tmp/a.flt_HLS",null],"answers":["yes","no",1]})";
  auto parsed = parseScript(text);
  ASSERT_TRUE(std::holds_alternative<tk::Script>(parsed)) << std::get<std::string>(parsed);
  const tk::Script& script = std::get<tk::Script>(parsed);
  ASSERT_EQ(script.dialogs.size(), 1u);
  const auto& actions = script.dialogs[0].actions;
  ASSERT_EQ(actions.size(), 17u);
  EXPECT_EQ(actions[14].verb, tk::ScriptAction::Verb::ActivateItem);
  EXPECT_EQ(actions[14].row, 1);
  EXPECT_EQ(actions[12].verb, tk::ScriptAction::Verb::Insert);
  EXPECT_EQ(actions[12].index, 1);
  EXPECT_EQ(actions[12].state, 2);
  EXPECT_EQ(actions[6].path, (std::vector<std::string>{"RRC", "SAP 1"}));
  EXPECT_EQ(actions[7].row, 3);
  EXPECT_EQ(actions[8].state, 0);
  EXPECT_EQ(actions[10].index, 40);
  EXPECT_EQ(actions[11].index, 120);
  EXPECT_EQ(actions[11].width, std::nullopt);
  EXPECT_EQ(actions[13].control, "dialog");
  EXPECT_EQ(actions[13].width, 680);
  EXPECT_EQ(actions[13].index, 520);
  EXPECT_EQ(actions[3].index, 2);
  EXPECT_EQ(actions[4].text, "Timer Poll");
  EXPECT_EQ(actions[5].state, 2);
  EXPECT_EQ(actions[15].verb, tk::ScriptAction::Verb::KeyDown);
  EXPECT_EQ(actions[15].text, "shift");
  EXPECT_EQ(actions[15].control, "");
  EXPECT_EQ(actions[16].verb, tk::ScriptAction::Verb::KeyUp);
  EXPECT_EQ(script.files[1], std::nullopt);
  EXPECT_EQ(script.answers, (std::vector<int>{tk::IDYES, tk::IDNO, tk::IDOK}));

  const std::string written = writeScript(script);
  auto again = parseScript(written);
  ASSERT_TRUE(std::holds_alternative<tk::Script>(again));
  EXPECT_EQ(std::get<tk::Script>(again).dialogs[0].actions[16].text, "shift");
  EXPECT_EQ(writeScript(std::get<tk::Script>(again)), written);
}

// The host state a recording saw survives the file format; a script without
// one leaves the host's own settings (no "host" written back).
TEST(ScriptJson, CarriesTheRecordedHostState) {
  const std::string text = R"({"host":{"features":[124,130],"modules":[25],)"
                           R"("profile":[{"section":"Settings","key":"OtherParamConfig","value":"020BD8"}]},)"
                           R"("dialogs":[]})";
  auto parsed = parseScript(text);
  ASSERT_TRUE(std::holds_alternative<tk::Script>(parsed)) << std::get<std::string>(parsed);
  const tk::HostState& host = std::get<tk::Script>(parsed).host;
  EXPECT_EQ(host.features, (std::set<int>{124, 130}));
  EXPECT_EQ(host.modules, (std::set<int>{25}));
  EXPECT_EQ(host.profile, (std::vector<tk::ProfileValue>{{"Settings", "OtherParamConfig", "020BD8"}}));
  auto again = parseScript(writeScript(std::get<tk::Script>(parsed)));
  EXPECT_EQ(std::get<tk::Script>(again).host.profile, host.profile);

  const tk::Script noHost = std::get<tk::Script>(parseScript(R"({"host":{"features":[]}})"));
  EXPECT_EQ(noHost.host.features, std::set<int>{});
  EXPECT_EQ(noHost.host.modules, std::nullopt);
  EXPECT_EQ(writeScript(tk::Script{}).find("host"), std::string::npos);
}

// A key the toolkit does not model is refused where the script names it.
TEST(ScriptJson, RefusesMalformedScriptsNamingThePlace) {
  for (const auto& [text, fragment] : std::vector<std::pair<std::string, std::string>>{
           {"[", "not valid JSON"},
           {"[]", "a JSON object"},
           {R"({"dialog":[]})", "unexpected \"dialog\""},
           {R"({"dialogs":[{"do":[{"click":"a","type":"b"}]}]})", "exactly one"},
           {R"({"dialogs":[{"do":[{"type":"a"}]}]})", "dialogs[0].do[0]: \"text\" is missing"},
           {R"({"dialogs":[{"do":[{"select":"a"}]}]})", "either \"index\" or \"text\""},
           {R"({"dialogs":[{"do":[{"click":"a","text":"x"}]}]})", "unexpected \"text\""},
           {R"({"answers":["maybe"]})", "answers[0]"},
           {R"({"files":[3]})", "files[0]"},
           {R"({"dialogs":[{"do":[{"clickItem":"t"}]}]})", "either \"path\" or \"row\""},
           {R"({"dialogs":[{"do":[{"clickItem":"t","path":[]}]}]})", "\"path\" is empty"},
           {R"({"dialogs":[{"do":[{"clickItem":"t","path":[1]}]}]})", "texts only"},
           {R"({"dialogs":[{"do":[{"insert":"a","text":"9"}]}]})", "\"at\" is missing"},
           {R"({"dialogs":[{"do":[{"resize":"dialog","height":400}]}]})", "\"width\" is missing"},
           {R"({"dialogs":[{"do":[{"resize":"pane","width":400,"height":400}]}]})", "resizes the dialog only"},
           {R"({"dialogs":[{"do":[{"keyDown":"ctrl"}]}]})", "dialogs[0].do[0]"},
           {R"({"dialogs":[{"do":[{"keyUp":1}]}]})", "dialogs[0].do[0]"},
           {R"({"dialogs":[{"do":[{"keyDown":"shift","text":"a"}]}]})", "dialogs[0].do[0]"},
           {R"({"host":[]})", "host: an object"},
           {R"({"host":{"switches":[1]}})", "host: unexpected \"switches\""},
           {R"({"host":{"features":[-1]}})", "host.features: -1 is not"},
           {R"({"host":{"modules":"25"}})", "host.modules: a list"},
           {R"({"host":{"profile":[{"section":"S","key":"K"}]}})", "host.profile[0]: \"value\" is missing"},
       })
    EXPECT_NE(refusalOf(text).find(fragment), std::string::npos) << text << ": " << refusalOf(text);
}

// A number that does not fit the toolkit's int is refused, not cut: 4294967297 once selected item 1.
TEST(ScriptJson, RefusesWholeNumbersOutsideTheIntRangeInEveryNumberField) {
  const std::string range = " is out of range: from -2147483648 to 2147483647";
  for (const auto& [text, fragment] : std::vector<std::pair<std::string, std::string>>{
           {R"({"dialogs":[{"do":[{"select":"e","index":4294967297}]}]})", "do[0]: \"index\"" + range},
           {R"({"dialogs":[{"do":[{"check":"c","state":-2147483649}]}]})", "do[0]: \"state\"" + range},
           {R"({"dialogs":[{"do":[{"selectItem":"l","row":2147483648}]}]})", "do[0]: \"row\"" + range},
           {R"({"dialogs":[{"do":[{"expand":"t","path":["a"],"state":18446744073709551615}]}]})",
            "do[0]: \"state\"" + range},
           {R"({"dialogs":[{"do":[{"scroll":"p","request":"thumb","position":9223372036854775807}]}]})",
            "do[0]: \"position\"" + range},
           {R"({"dialogs":[{"do":[{"resize":"p","height":-9223372036854775808}]}]})", "do[0]: \"height\"" + range},
           {R"({"answers":[1,4294967297]})", "answers[1]: the answer" + range},
           {R"({"dialogs":[{"do":[{"select":"e","index":1.5}]}]})", "wrong type"},
       })
    EXPECT_NE(refusalOf(text).find(fragment), std::string::npos) << text << ": " << refusalOf(text);
  EXPECT_EQ(refusalOf(R"({"dialogs":[{"do":[{"select":"e","index":2147483647}]}]})"), "(accepted)");
  EXPECT_EQ(refusalOf(R"({"dialogs":[{"do":[{"select":"e","index":-2147483648}]}]})"), "(accepted)");
}

}  // namespace
