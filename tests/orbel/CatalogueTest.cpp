// The module catalogues exactly as the terminal's modules know them: row
// order, routing bytes, entry order, names with their trailing blanks, and
// identifiers.
#include <gtest/gtest.h>

#include "orbel/catalogue/ModuleCatalogue.h"

namespace {

using orbel::ModuleCatalogue;
using orbel::ModuleId;

struct Row {
  ModuleId module;
  std::vector<std::string> names;
};

// Names of a row joined with '|', so trailing blanks stay visible in failures.
std::string joinedNames(const orbel::ModuleCatalogueRow& row) {
  std::string text;
  for (std::int32_t i = 0; i < row.count; ++i) text += (i ? "|" : "") + std::string(orbel::entryName(row.entries[i]));
  return text;
}

std::vector<std::uint16_t> identifiers(const orbel::ModuleCatalogueRow& row) {
  std::vector<std::uint16_t> ids;
  for (std::int32_t i = 0; i < row.count; ++i) ids.push_back(row.entries[i].identifier);
  return ids;
}

void expectRows(ModuleCatalogue catalogue, const std::vector<std::pair<ModuleId, std::string>>& rows) {
  ASSERT_EQ(catalogue.size(), rows.size());
  for (std::size_t r = 0; r < rows.size(); ++r) {
    EXPECT_EQ(catalogue[r].moduleId, rows[r].first) << "row " << r;
    EXPECT_EQ(joinedNames(catalogue[r]), rows[r].second) << "row " << r;
  }
}

const std::vector<std::pair<ModuleId, std::string>> kTimerRows{
    {{1, 0}, "All MAC Timers|RACH Timer 1|RACH Timer 2"},
    {{1, 1}, "All Rlc Timers|Timer Poll|Timer Poll Prohibit|Timer EPC |Timer Discard|Timer Poll Periodic|"
             "Timer Status Prohibit |Timer Status Periodic |Timer RST|Timer MRW"},
    {{2, 0}, "All Rrc Timers|Timer T300|Timer T302|Timer T304|Timer T305|Timer T307|Timer T308|Timer T312|"
             "Timer T313|Timer T314|Timer T315|Timer T316|Timer T317"},
    {{5, 0}, "All Mm Timers|Timer T3210|Timer T3211|Timer T3212|Timer T3214|Timer T3216|Timer T3218|"
             "Timer T3220|Timer T3230|Timer T3240"},
    {{5, 1}, "All GMm Timers|Timer T3302|Timer T3310|Timer T3311|Timer T3312|Timer T3316|Timer T3317|"
             "Timer T3318|Timer T3320|Timer T3321|Timer T3330"},
    {{6, 0}, "All CC Timers|Timer T303|Timer T305|Timer T308|Timer T310|Timer T313|Timer T322"},
    {{6, 2}, "All SM Timers|Timer T3380|Timer T3381|Timer T3390"},
    {{6, 4}, "All GSMS Timers|Timer T3390  |Timer TR1M   |Timer TR2M   |Timer TRAM   |Timer MO_TC1M|Timer MT_TC1M"},
    {{6, 1}, "All SS Timers|MO_TSS1M_ID|MT_TSS1M_ID"},
};

const std::vector<std::pair<ModuleId, std::string>> kCounterRows{
    {{1, 0}, "All MAC Counter|RACH RA Counter 1"},
    {{2, 0}, "All Rrc Counter|Counter N300|Counter N302|Counter N304|Counter N308|Counter N312|Counter N313|"
             "Counter N315"},
    {{5, 0}, "All Mm Counter|Attemp Counter"},
    {{5, 1}, "All GMm Counter|T3310_counter |T3330_counter |T3321_counter |Attach attempt counter|"
             "RAU attempt count |Auth failure counter"},
    {{6, 0}, "All CC Counter|T308 Counter|T322 Counter"},
    {{4, 0}, "All PDH Counter|Counter RAB RESET|Counter DATA EST"},
};

// The setting catalogues are the enquiry rows without their first entry.
std::vector<std::pair<ModuleId, std::string>> withoutAllEntries(std::vector<std::pair<ModuleId, std::string>> rows) {
  for (auto& row : rows) row.second.erase(0, row.second.find('|') + 1);
  return rows;
}

TEST(ModuleCatalogue, TimerCataloguesMatchTheModulesTimers) {
  expectRows(orbel::timerEnquiryCatalogue(), kTimerRows);
  expectRows(orbel::timerSettingCatalogue(), withoutAllEntries(kTimerRows));
  // Every timer is (row + 1) * 0x10 + its position; the first entry is for all timers.
  ModuleCatalogue enquiry = orbel::timerEnquiryCatalogue();
  for (std::size_t r = 0; r < enquiry.size(); ++r) {
    std::vector<std::uint16_t> expected{0xFFFF};
    for (std::int32_t p = 1; p < enquiry[r].count; ++p) expected.push_back(static_cast<std::uint16_t>((r + 1) * 0x10 + p));
    EXPECT_EQ(identifiers(enquiry[r]), expected) << "row " << r;
    EXPECT_EQ(identifiers(orbel::timerSettingCatalogue()[r]), std::vector(expected.begin() + 1, expected.end()));
  }
}

TEST(ModuleCatalogue, CounterCataloguesMatchTheModulesCounters) {
  expectRows(orbel::counterEnquiryCatalogue(), kCounterRows);
  expectRows(orbel::counterSettingCatalogue(), withoutAllEntries(kCounterRows));
  const std::vector<std::vector<std::uint16_t>> ids{{0xFFFF, 0x11},
                                                    {0xFFFF, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37},
                                                    {0xFFFF, 0x41},
                                                    {0xFFFF, 0x51, 0x52, 0x53, 0x54, 0x55, 0x56},
                                                    {0xFFFF, 0x71, 0x72},
                                                    {0xFFFF, 0x61, 0x62}};
  for (std::size_t r = 0; r < ids.size(); ++r) EXPECT_EQ(identifiers(orbel::counterEnquiryCatalogue()[r]), ids[r]);
}

TEST(ModuleCatalogue, ConstantAndVariableCataloguesHaveNoEntryForAll) {
  expectRows(orbel::constantEnquiryCatalogue(),
             {{{1, 0}, "MAC constant"},
              {{1, 1}, "RLC constant"},
              {{2, 0}, "CN info|UTRAN info|UE info|RB info|TrCH info|PhyCH info|Measurement info|Other Info"},
              {{4, 0}, "RABM info|PDCP info|HC info"}});
  EXPECT_EQ(identifiers(orbel::constantEnquiryCatalogue()[2]),
            (std::vector<std::uint16_t>{0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38}));
  EXPECT_EQ(identifiers(orbel::constantEnquiryCatalogue()[3]), (std::vector<std::uint16_t>{0x41, 0x42, 0x43}));

  expectRows(orbel::variableEnquiryCatalogue(),
             {{{1, 0}, "MAC_MEAS_INFO|MAC_RB_INFO|MAC_USEFUL_VARIBALE_INFO |MAC_TRCH_RX_INFO_D |MAC_TRCH_RX_INFO_F |"
                       "MAC_TRCH_TX_INFO_D |MAC_CCTRCH_INFO_D|MAC_RACH_PARAMETER "},
              {{1, 1}, "RLC Variable"},
              {{2, 0}, "CELL_INFO_LIST |CELL_UPDATE_STARTED|CIPHERING_STATUS |C_RNTI & U_RNTI|ESTABLISHED_RABS |"
                       "ESTABLISHED_SIGNALLING_CONN|FAILURE_CAUSE|INITIAL_UE_IDENTITY|LATEST_CONFIGURED_CN_DOMAIN|"
                       "MEASUREMENT_IDENTITY |ORDERED_RECONFIGURATION|PDCP_SN_INFO |PROTOCOL_ERROR |RRC_TIMERS |"
                       "RB_UL_CIPHER_ACTIVATION_TIME|SECURITY_MODIFICATION|SELECTED_PLMN|START information|"
                       "TRANSACTIONS |TRIGGERED_1G_EVENT |TRIGGERED_1H_EVENT |TRIGGERED_1I_EVENT |"
                       "BEST_FREQUENCY_2A_EVENT|TRIGGERED_2B_EVENT |TRIGGERED_2C_EVENT |TRIGGERED_2D_EVENT |"
                       "TRIGGERED_2E_EVENT |TRIGGERED_2F_EVENT |TRIGGERED_6A_EVENT |TRIGGERED_6B_EVENT |"
                       "TRIGGERED_6C_EVENT |TRIGGERED_6D_EVENT |TRIGGERED_6E_EVENT |TRIGGERED_6F_EVENT "},
              {{4, 0}, "RABM Var|PDCP Var"},
              {{5, 0}, "MM Var"},
              {{6, 2}, "SM Var"}});
  // Variable identifiers count up from the first one of each row.
  const std::uint16_t first[] = {0x10, 0x20, 0x30, 0x70, 0x80, 0x90};
  for (std::size_t r = 0; r < 6; ++r) {
    const auto ids = identifiers(orbel::variableEnquiryCatalogue()[r]);
    for (std::size_t i = 0; i < ids.size(); ++i) EXPECT_EQ(ids[i], first[r] + i) << "row " << r;
  }
}

TEST(ModuleCatalogue, LookupRefusesRowsAndEntriesThatDoNotExist) {
  auto poll = orbel::lookupEntry(orbel::timerEnquiryCatalogue(), 1, 1);
  ASSERT_TRUE(poll);
  EXPECT_EQ(poll->name, "Timer Poll");
  EXPECT_EQ(poll->identifier, 0x21);
  EXPECT_FALSE(orbel::lookupEntry(orbel::timerEnquiryCatalogue(), 9, 0));
  EXPECT_FALSE(orbel::lookupEntry(orbel::timerEnquiryCatalogue(), -1, 0));
  EXPECT_FALSE(orbel::lookupEntry(orbel::timerEnquiryCatalogue(), 0, 3));
  EXPECT_EQ(orbel::findEntryName(orbel::counterEnquiryCatalogue(), {4, 0}, 0x62), "Counter DATA EST");
  EXPECT_FALSE(orbel::findEntryName(orbel::counterEnquiryCatalogue(), {4, 1}, 0x62));
}

}  // namespace
