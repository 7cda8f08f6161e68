// Host text utilities and signal-name tables as the trace search uses them.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "host/SignalNames.h"
#include "host/Utility.h"

namespace {

std::string joined(const CStringList& list) {
  std::string text;
  CUtility::joinString(text, list, "+");
  return text;
}

TEST(SepString, SplitsInOrderKeepsInnerEmptiesAndGivesNothingForAnEmptyText) {
  const std::pair<const char*, CStringList> cases[] = {
      {"", {}},  // an empty stored history has no entries, so the first search stores "abc", not "abc+"
      {"abc", {"abc"}},
      {"x+abc+y", {"x", "abc", "y"}},
      {"a++b", {"a", "", "b"}},
      {"+a+", {"", "a", ""}},
  };
  for (const auto& [text, pieces] : cases) {
    CStringList list;
    CUtility::sepString(list, text, "+");
    EXPECT_EQ(list, pieces) << text;
    EXPECT_EQ(joined(list), text);  // splitting and joining give the text back
  }
  CStringList appended{"kept"};
  CUtility::sepString(appended, "a+bc", "+");
  EXPECT_EQ(appended, (CStringList{"kept", "a", "bc"}));  // appends, never clears
}

TEST(SepString, SplitsAtAWholeSeparatorOfSeveralCharacters) {
  CStringList list;
  CUtility::sepString(list, "a, b,c", ", ");
  EXPECT_EQ(list, (CStringList{"a", "b,c"}));
}

TEST(ComparePartial, IgnoresCaseAndComparesTheWholeTextsForCountZero) {
  EXPECT_EQ(CUtility::comparePartial("INVALID", "Invalid", 0), 0);
  EXPECT_NE(CUtility::comparePartial("Invalid message", "Invalid", 0), 0);  // a longer text does not match
  EXPECT_NE(CUtility::comparePartial("Inval", "Invalid", 0), 0);
  EXPECT_EQ(CUtility::comparePartial("RESERVED", "Reserv", 6), 0);
  EXPECT_NE(CUtility::comparePartial("Reser", "Reserv", 6), 0);  // a shorter text does not match its prefix
  EXPECT_LT(CUtility::comparePartial("abc", "abd", 0), 0);
  EXPECT_GT(CUtility::comparePartial("abd", "ABC", 0), 0);
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
