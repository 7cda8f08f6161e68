// The module catalogues as the dialogs select from them: rows and entries by
// index, names with their trailing blanks, identifiers, and lookups that
// refuse what is not there. Sizes, identifier rules and the setting rows are
// checked at compile time beside the tables.
#include <gtest/gtest.h>

#include "orbel/catalogue/ModuleCatalogue.h"

namespace {

using namespace orbel;

TEST(ModuleCatalogue, SpotEntriesAsTheModulesKnowThem) {
  struct Spot {
    ModuleCatalogue catalogue;
    std::int64_t row;
    std::int64_t entry;
    ModuleId module;
    std::string_view name;
    std::uint16_t identifier;
  };
  const Spot spots[] = {
      {timerEnquiryCatalogue(), 1, 1, {1, 1}, "Timer Poll", 0x21},  // the RLC timer enquiry of the CLI example
      {timerEnquiryCatalogue(), 1, 3, {1, 1}, "Timer EPC ", 0x23},  // a trailing blank is part of the name
      {timerEnquiryCatalogue(), 7, 1, {6, 4}, "Timer T3390  ", 0x81},
      {timerEnquiryCatalogue(), 8, 0, {6, 1}, "All SS Timers", kAllEntriesId},
      {timerSettingCatalogue(), 1, 0, {1, 1}, "Timer Poll", 0x21},  // no entry for all timers
      {counterEnquiryCatalogue(), 3, 5, {5, 1}, "RAU attempt count ", 0x55},
      {counterEnquiryCatalogue(), 5, 2, {4, 0}, "Counter DATA EST", 0x62},
      {counterSettingCatalogue(), 0, 0, {1, 0}, "RACH RA Counter 1", 0x11},
      {constantEnquiryCatalogue(), 2, 7, {2, 0}, "Other Info", 0x38},
      {variableEnquiryCatalogue(), 2, 33, {2, 0}, "TRIGGERED_6F_EVENT ", 0x51},
      {variableEnquiryCatalogue(), 5, 0, {6, 2}, "SM Var", 0x90},
  };
  for (const Spot& spot : spots) {
    const std::optional<CatalogueLookup> found = lookupEntry(spot.catalogue, spot.row, spot.entry);
    ASSERT_TRUE(found) << spot.name;
    EXPECT_EQ(found->moduleId, spot.module) << spot.name;
    EXPECT_EQ(found->name(), spot.name);
    EXPECT_EQ(found->identifier, spot.identifier) << spot.name;
  }
}

TEST(ModuleCatalogue, LookupRefusesRowsAndEntriesThatDoNotExist) {
  EXPECT_FALSE(lookupEntry(timerEnquiryCatalogue(), 9, 0));
  EXPECT_FALSE(lookupEntry(timerEnquiryCatalogue(), -1, 0));
  EXPECT_FALSE(lookupEntry(timerEnquiryCatalogue(), 0, 3));
  EXPECT_FALSE(lookupEntry(timerEnquiryCatalogue(), 1, 10));  // the RLC row has ten entries
  EXPECT_FALSE(lookupEntry(timerSettingCatalogue(), 1, 9));
  EXPECT_FALSE(lookupEntry(variableEnquiryCatalogue(), 2, 34));
  EXPECT_EQ(findEntryName(counterEnquiryCatalogue(), {4, 0}, 0x62), "Counter DATA EST");
  EXPECT_FALSE(findEntryName(counterEnquiryCatalogue(), {4, 1}, 0x62));
}

}  // namespace
