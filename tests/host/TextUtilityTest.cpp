// Host text utilities and signal-name tables as the trace search uses them.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "host/SignalNames.h"
#include "host/Utility.h"

namespace {

TEST(SepString, SplitsInOrderKeepsInnerEmptiesAndGivesNothingForAnEmptyText) {
  const std::tuple<const char*, const char*, CStringList> cases[] = {
      {"", "+", {}},  // an empty stored history has no entries, so the first search stores "abc", not "abc+"
      {"abc", "+", {"abc"}},
      {"x+abc+y", "+", {"x", "abc", "y"}},
      {"a++b", "+", {"a", "", "b"}},
      {"+a+", "+", {"", "a", ""}},
      {"a, b,c", ", ", {"a", "b,c"}},  // only a whole separator of several characters splits
  };
  for (const auto& [text, separator, pieces] : cases) {
    CStringList list;
    CUtility::sepString(list, text, separator);
    EXPECT_EQ(list, pieces) << text;
    std::string rejoined;
    CUtility::joinString(rejoined, list, separator);
    EXPECT_EQ(rejoined, text);  // splitting and joining give the text back
  }
  CStringList appended{"kept"};
  CUtility::sepString(appended, "a+bc", "+");
  EXPECT_EQ(appended, (CStringList{"kept", "a", "bc"}));  // appends, never clears
}

TEST(ComparePartial, IgnoresCaseAndComparesTheWholeTextsForCountZero) {
  // "=" a match, "!" no match, "<" and ">" the order; a longer text, or one shorter than the count, does not match.
  const std::tuple<const char*, const char*, int, char> cases[] = {
      {"INVALID", "Invalid", 0, '='}, {"Invalid message", "Invalid", 0, '!'}, {"Inval", "Invalid", 0, '!'},
      {"RESERVED", "Reserv", 6, '='}, {"Reser", "Reserv", 6, '!'},           {"abc", "abd", 0, '<'},
      {"abd", "ABC", 0, '>'},
  };
  for (const auto& [text, other, count, outcome] : cases) {
    const int result = CUtility::comparePartial(text, other, count);
    const char seen = result == 0 ? '=' : outcome == '!' ? '!' : result < 0 ? '<' : '>';
    EXPECT_EQ(seen, outcome) << text << " / " << other;
  }
}

TEST(SignalNames, FamiliesHaveUniqueNamesAndTheRrcCodecNamesThirtyTwoCodes) {
  std::set<std::string> families;
  for (int i = 0; i < g_RrcSigNamesNum; ++i) families.insert(g_RrcSigNames[i].name);
  for (int i = 0; i < g_NasSigNamesNum; ++i) families.insert(g_NasSigNames[i].name);
  EXPECT_EQ(families.size(), static_cast<std::size_t>(g_RrcSigNamesNum + g_NasSigNamesNum));
  EXPECT_FALSE(families.contains("GSM"));  // the GSM entry is added by the search, never a table's

  CRrcMessageNames names;
  std::set<std::uint32_t> codes;
  for (int i = 0; i < CRrcMessageNames::kCount; ++i) {
    codes.insert(names.MessageCode(i));
    EXPECT_STRNE(names.MessageName(names.MessageCode(i)), "Unknown") << i;
  }
  EXPECT_EQ(codes.size(), 32u);
  EXPECT_EQ(names.MessageCode(32), 0xFFFFFFFFu);
}

}  // namespace
