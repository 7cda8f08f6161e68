// Typing into the number field gives what one change per character gives, in one step per character.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "orbel/builders/Exports.h"
#include "orbel/diag/CEditEx.h"
#include "orbel/wire/HexText.h"
#include "support/ScriptedHost.h"

namespace {

// Exposes the character filter so a reference can replay typing as whole-text changes.
class ProbedEdit : public CEditEx {
 public:
  using CEditEx::admitsChar;
  using CEditEx::CEditEx;
};

// Each typed character as a whole-text change: the filter, then the whole-text check.
std::vector<std::string> typeAsWholeTexts(ProbedEdit& edit, std::string_view chars) {
  std::vector<std::string> seen;
  edit.onChange = [&] { seen.push_back(edit.text()); };
  for (char c : chars) {
    if (c == tk::Edit::kBackspace) {
      if (!edit.text().empty()) edit.paste(edit.text().substr(0, edit.text().size() - 1));
    } else if (edit.admitsChar(edit.text(), c)) {
      edit.paste(edit.text() + c);
    }
  }
  return seen;
}

std::vector<std::string> typeAtOnce(ProbedEdit& edit, std::string_view chars) {
  std::vector<std::string> seen;
  edit.onChange = [&] { seen.push_back(edit.text()); };
  edit.type(chars);
  return seen;
}

TEST(CEditExTyping, EveryCharacterIsFilteredAsAWholeTextChangeWouldBe) {
  struct Case {
    const char* start;
    const char* typed;
  };
  const Case cases[] = {
      {"", "0x1fG"},   {"", "012x8"},    {"", "0xx"},       {"", "12x3"},        {"", "0\b\b0x\bx7"},
      {"", "07\b\bx"}, {"0x", "zz9a"},   {"", "00x1"},      {"0", "Xa"},         {"1a", "2\b\b\b3"},
      {"0x9", "\bq"},  {"", "9\b0X5f"},  {"017", "8\b9x"},  {"abc", "\b\b\b05"}, {"", "\b\b"},
  };
  for (const Case& c : cases) {
    ProbedEdit reference("r", c.start), typed("t", c.start);
    const std::vector<std::string> expected = typeAsWholeTexts(reference, c.typed);
    EXPECT_EQ(typeAtOnce(typed, c.typed), expected) << '"' << c.start << "\" + \"" << c.typed << '"';
    EXPECT_EQ(typed.text(), reference.text()) << '"' << c.start << "\" + \"" << c.typed << '"';
  }
}

// A million characters once did not finish in a minute; the bound is generous for a shared machine.
TEST(CEditExTyping, ALongTypedRunTakesTimeInProportionToItsLength) {
  for (const char* start : {"", "0x"}) {
    ProbedEdit edit("e", start);
    const std::string typed(1'000'000, '7');
    const auto begin = std::chrono::steady_clock::now();
    edit.type(typed);
    const auto elapsed = std::chrono::steady_clock::now() - begin;
    EXPECT_EQ(edit.text().size(), std::string(start).size() + typed.size());
    EXPECT_LT(elapsed, std::chrono::seconds(1)) << start;
  }
}

// The dialogs hear of every typed character; their handlers once copied the
// whole text each time, which made typing through a dialog quadratic again.
TEST(CEditExTyping, TypingThroughADialogStaysLinearAndTheDialogSeesTheFinalText) {
  using namespace orbel::test;
  using Builder = unsigned char* (*)(unsigned int*);
  struct Case {
    const char* name;
    Builder builder;
    const char* dialog;
    std::vector<tk::ScriptAction> before;
    const char* field;
  };
  const Case cases[] = {
      {"timer enquiry", OrbelGetTmrEnqueryBuffer, "CDiagEnqTmrDlg", {click("module.rlc")}, "instance"},
      {"timer setting instance", OrbelGetTmrSetBuffer, "CDiagCmdTmrSetDlg", {set("value", "1")}, "instance"},
      {"timer setting value", OrbelGetTmrSetBuffer, "CDiagCmdTmrSetDlg", {set("instance", "1")}, "value"},
      {"static enquiry", OrbelGetStaticEnqueryBuffer, "CDiagCmdStaticEnqDlg", {}, "instance"},
  };
  for (const Case& c : cases) {
    std::vector<tk::ScriptAction> actions = c.before;
    actions.push_back(type(c.field, std::string(1'000'000, '7')));
    actions.push_back(click("cancel"));
    ScriptedHost slow(dialogScript(c.dialog, actions));
    const auto begin = std::chrono::steady_clock::now();
    callExport(c.builder);
    EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(2)) << c.name;

    // "59" and a backspace give the message that the text "5" gives.
    auto confirmed = [&](tk::ScriptAction edit) {
      std::vector<tk::ScriptAction> steps = c.before;
      steps.push_back(set(c.field, ""));
      steps.push_back(std::move(edit));
      steps.push_back(click("ok"));
      ScriptedHost host(dialogScript(c.dialog, steps));
      return orbel::toHex(callExport(c.builder).bytes);
    };
    const std::string expected = confirmed(set(c.field, "5"));
    EXPECT_FALSE(expected.empty()) << c.name;
    EXPECT_EQ(confirmed(type(c.field, "59\b")), expected) << c.name;
  }
}

}  // namespace
