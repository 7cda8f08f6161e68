#include <algorithm>
#include <array>
#include <cstring>

#include "orbel/catalogue/ModuleCatalogue.h"
#include "orbel/wire/StackModules.h"

namespace orbel {
namespace {

using namespace modules;

// Timers. The setting catalogue shares these rows without their first entry.
constexpr CatalogueEntry kMacTimers[] = {
    {"All MAC Timers", 0xFFFF}, {"RACH Timer 1", 0x11}, {"RACH Timer 2", 0x12}};
constexpr CatalogueEntry kRlcTimers[] = {
    {"All Rlc Timers", 0xFFFF},      {"Timer Poll", 0x21},          {"Timer Poll Prohibit", 0x22},
    {"Timer EPC ", 0x23},            {"Timer Discard", 0x24},       {"Timer Poll Periodic", 0x25},
    {"Timer Status Prohibit ", 0x26}, {"Timer Status Periodic ", 0x27}, {"Timer RST", 0x28},
    {"Timer MRW", 0x29}};
constexpr CatalogueEntry kRrcTimers[] = {
    {"All Rrc Timers", 0xFFFF}, {"Timer T300", 0x31}, {"Timer T302", 0x32}, {"Timer T304", 0x33},
    {"Timer T305", 0x34},       {"Timer T307", 0x35}, {"Timer T308", 0x36}, {"Timer T312", 0x37},
    {"Timer T313", 0x38},       {"Timer T314", 0x39}, {"Timer T315", 0x3A}, {"Timer T316", 0x3B},
    {"Timer T317", 0x3C}};
constexpr CatalogueEntry kMmTimers[] = {
    {"All Mm Timers", 0xFFFF}, {"Timer T3210", 0x41}, {"Timer T3211", 0x42}, {"Timer T3212", 0x43},
    {"Timer T3214", 0x44},     {"Timer T3216", 0x45}, {"Timer T3218", 0x46}, {"Timer T3220", 0x47},
    {"Timer T3230", 0x48},     {"Timer T3240", 0x49}};
constexpr CatalogueEntry kGmmTimers[] = {
    {"All GMm Timers", 0xFFFF}, {"Timer T3302", 0x51}, {"Timer T3310", 0x52}, {"Timer T3311", 0x53},
    {"Timer T3312", 0x54},      {"Timer T3316", 0x55}, {"Timer T3317", 0x56}, {"Timer T3318", 0x57},
    {"Timer T3320", 0x58},      {"Timer T3321", 0x59}, {"Timer T3330", 0x5A}};
constexpr CatalogueEntry kCcTimers[] = {
    {"All CC Timers", 0xFFFF}, {"Timer T303", 0x61}, {"Timer T305", 0x62}, {"Timer T308", 0x63},
    {"Timer T310", 0x64},      {"Timer T313", 0x65}, {"Timer T322", 0x66}};
constexpr CatalogueEntry kSmTimers[] = {
    {"All SM Timers", 0xFFFF}, {"Timer T3380", 0x71}, {"Timer T3381", 0x72}, {"Timer T3390", 0x73}};
constexpr CatalogueEntry kGsmsTimers[] = {
    {"All GSMS Timers", 0xFFFF}, {"Timer T3390  ", 0x81}, {"Timer TR1M   ", 0x82}, {"Timer TR2M   ", 0x83},
    {"Timer TRAM   ", 0x84},     {"Timer MO_TC1M", 0x85}, {"Timer MT_TC1M", 0x86}};
constexpr CatalogueEntry kSsTimers[] = {{"All SS Timers", 0xFFFF}, {"MO_TSS1M_ID", 0x91}, {"MT_TSS1M_ID", 0x92}};

// Counters. The setting catalogue shares these rows without their first entry.
constexpr CatalogueEntry kMacCounters[] = {{"All MAC Counter", 0xFFFF}, {"RACH RA Counter 1", 0x11}};
constexpr CatalogueEntry kRrcCounters[] = {
    {"All Rrc Counter", 0xFFFF}, {"Counter N300", 0x31}, {"Counter N302", 0x32}, {"Counter N304", 0x33},
    {"Counter N308", 0x34},      {"Counter N312", 0x35}, {"Counter N313", 0x36}, {"Counter N315", 0x37}};
constexpr CatalogueEntry kMmCounters[] = {{"All Mm Counter", 0xFFFF}, {"Attemp Counter", 0x41}};
constexpr CatalogueEntry kGmmCounters[] = {
    {"All GMm Counter", 0xFFFF},       {"T3310_counter ", 0x51},     {"T3330_counter ", 0x52},
    {"T3321_counter ", 0x53},          {"Attach attempt counter", 0x54}, {"RAU attempt count ", 0x55},
    {"Auth failure counter", 0x56}};
constexpr CatalogueEntry kCcCounters[] = {{"All CC Counter", 0xFFFF}, {"T308 Counter", 0x71}, {"T322 Counter", 0x72}};
constexpr CatalogueEntry kPdhCounters[] = {
    {"All PDH Counter", 0xFFFF}, {"Counter RAB RESET", 0x61}, {"Counter DATA EST", 0x62}};

constexpr CatalogueEntry kMacConstants[] = {{"MAC constant", 0x11}};
constexpr CatalogueEntry kRlcConstants[] = {{"RLC constant", 0x21}};
constexpr CatalogueEntry kRrcConstants[] = {
    {"CN info", 0x31},  {"UTRAN info", 0x32},       {"UE info", 0x33},    {"RB info", 0x34},
    {"TrCH info", 0x35}, {"PhyCH info", 0x36}, {"Measurement info", 0x37}, {"Other Info", 0x38}};
constexpr CatalogueEntry kPdhConstants[] = {{"RABM info", 0x41}, {"PDCP info", 0x42}, {"HC info", 0x43}};

constexpr CatalogueEntry kMacVariables[] = {
    {"MAC_MEAS_INFO", 0x10},       {"MAC_RB_INFO", 0x11},         {"MAC_USEFUL_VARIBALE_INFO ", 0x12},
    {"MAC_TRCH_RX_INFO_D ", 0x13}, {"MAC_TRCH_RX_INFO_F ", 0x14}, {"MAC_TRCH_TX_INFO_D ", 0x15},
    {"MAC_CCTRCH_INFO_D", 0x16},   {"MAC_RACH_PARAMETER ", 0x17}};
constexpr CatalogueEntry kRlcVariables[] = {{"RLC Variable", 0x20}};
constexpr CatalogueEntry kRrcVariables[] = {
    {"CELL_INFO_LIST ", 0x30},       {"CELL_UPDATE_STARTED", 0x31},        {"CIPHERING_STATUS ", 0x32},
    {"C_RNTI & U_RNTI", 0x33},       {"ESTABLISHED_RABS ", 0x34},          {"ESTABLISHED_SIGNALLING_CONN", 0x35},
    {"FAILURE_CAUSE", 0x36},         {"INITIAL_UE_IDENTITY", 0x37},        {"LATEST_CONFIGURED_CN_DOMAIN", 0x38},
    {"MEASUREMENT_IDENTITY ", 0x39}, {"ORDERED_RECONFIGURATION", 0x3A},    {"PDCP_SN_INFO ", 0x3B},
    {"PROTOCOL_ERROR ", 0x3C},       {"RRC_TIMERS ", 0x3D},                {"RB_UL_CIPHER_ACTIVATION_TIME", 0x3E},
    {"SECURITY_MODIFICATION", 0x3F}, {"SELECTED_PLMN", 0x40},              {"START information", 0x41},
    {"TRANSACTIONS ", 0x42},         {"TRIGGERED_1G_EVENT ", 0x43},        {"TRIGGERED_1H_EVENT ", 0x44},
    {"TRIGGERED_1I_EVENT ", 0x45},   {"BEST_FREQUENCY_2A_EVENT", 0x46},    {"TRIGGERED_2B_EVENT ", 0x47},
    {"TRIGGERED_2C_EVENT ", 0x48},   {"TRIGGERED_2D_EVENT ", 0x49},        {"TRIGGERED_2E_EVENT ", 0x4A},
    {"TRIGGERED_2F_EVENT ", 0x4B},   {"TRIGGERED_6A_EVENT ", 0x4C},        {"TRIGGERED_6B_EVENT ", 0x4D},
    {"TRIGGERED_6C_EVENT ", 0x4E},   {"TRIGGERED_6D_EVENT ", 0x4F},        {"TRIGGERED_6E_EVENT ", 0x50},
    {"TRIGGERED_6F_EVENT ", 0x51}};
constexpr CatalogueEntry kPdhVariables[] = {{"RABM Var", 0x70}, {"PDCP Var", 0x71}};
constexpr CatalogueEntry kMmVariables[] = {{"MM Var", 0x80}};
constexpr CatalogueEntry kSmVariables[] = {{"SM Var", 0x90}};

template <std::size_t N>
constexpr ModuleCatalogueRow rowOf(ModuleId module, const CatalogueEntry (&entries)[N], std::size_t skip = 0) {
  return {static_cast<std::int32_t>(N - skip), module, entries + skip};
}

// Setting rows leave out the entry for all timers or counters.
template <std::size_t N>
constexpr ModuleCatalogueRow settingRowOf(ModuleId module, const CatalogueEntry (&entries)[N]) {
  return rowOf(module, entries, 1);
}

constexpr std::array kTimerEnquiry{
    rowOf(kMac, kMacTimers), rowOf(kRlc, kRlcTimers), rowOf(kRrc, kRrcTimers),
    rowOf(kMm, kMmTimers),   rowOf(kGmm, kGmmTimers), rowOf(kCc, kCcTimers),
    rowOf(kSm, kSmTimers),   rowOf(kGsms, kGsmsTimers), rowOf(kSs, kSsTimers)};
constexpr std::array kTimerSetting{
    settingRowOf(kMac, kMacTimers), settingRowOf(kRlc, kRlcTimers),   settingRowOf(kRrc, kRrcTimers),
    settingRowOf(kMm, kMmTimers),   settingRowOf(kGmm, kGmmTimers),   settingRowOf(kCc, kCcTimers),
    settingRowOf(kSm, kSmTimers),   settingRowOf(kGsms, kGsmsTimers), settingRowOf(kSs, kSsTimers)};
constexpr std::array kCounterEnquiry{rowOf(kMac, kMacCounters), rowOf(kRrc, kRrcCounters), rowOf(kMm, kMmCounters),
                                     rowOf(kGmm, kGmmCounters), rowOf(kCc, kCcCounters),   rowOf(kPdh, kPdhCounters)};
constexpr std::array kCounterSetting{
    settingRowOf(kMac, kMacCounters), settingRowOf(kRrc, kRrcCounters), settingRowOf(kMm, kMmCounters),
    settingRowOf(kGmm, kGmmCounters), settingRowOf(kCc, kCcCounters),   settingRowOf(kPdh, kPdhCounters)};
constexpr std::array kConstantEnquiry{rowOf(kMac, kMacConstants), rowOf(kRlc, kRlcConstants),
                                      rowOf(kRrc, kRrcConstants), rowOf(kPdh, kPdhConstants)};
constexpr std::array kVariableEnquiry{rowOf(kMac, kMacVariables), rowOf(kRlc, kRlcVariables),
                                      rowOf(kRrc, kRrcVariables), rowOf(kPdh, kPdhVariables),
                                      rowOf(kMm, kMmVariables),   rowOf(kSm, kSmVariables)};

constexpr std::size_t entryCount(const auto& catalogue) {
  std::size_t total = 0;
  for (const ModuleCatalogueRow& row : catalogue) total += static_cast<std::size_t>(row.count);
  return total;
}

constexpr bool namesFitTheirField(const auto& catalogue) {
  for (const ModuleCatalogueRow& row : catalogue)
    for (std::int32_t i = 0; i < row.count; ++i)
      if (row.entries[i].name[kEntryNameField - 1] != '\0') return false;
  return true;
}

// With `allFirst` every row opens with the entry for all of them; the other
// identifiers of a row count up by one.
constexpr bool identifiersCountUp(const auto& catalogue, bool allFirst) {
  for (const ModuleCatalogueRow& row : catalogue) {
    if (allFirst && row.entries[0].identifier != kAllEntriesId) return false;
    for (std::int32_t i = allFirst ? 2 : 1; i < row.count; ++i)
      if (row.entries[i].identifier != row.entries[i - 1].identifier + 1) return false;
  }
  return true;
}

// Timer identifiers carry their row: (row + 1) * 0x10 plus the position.
constexpr bool timerIdentifiersCarryTheirRow() {
  for (std::size_t row = 0; row < kTimerEnquiry.size(); ++row)
    for (std::int32_t i = 1; i < kTimerEnquiry[row].count; ++i)
      if (kTimerEnquiry[row].entries[i].identifier != (row + 1) * 0x10 + static_cast<std::size_t>(i)) return false;
  return true;
}

// A setting row is its enquiry row without the entry for all of them.
constexpr bool settingRowsFollowEnquiryRows(const auto& enquiry, const auto& setting) {
  if (enquiry.size() != setting.size()) return false;
  for (std::size_t row = 0; row < enquiry.size(); ++row)
    if (setting[row].moduleId != enquiry[row].moduleId || setting[row].count != enquiry[row].count - 1 ||
        setting[row].entries != enquiry[row].entries + 1)
      return false;
  return true;
}

static_assert(kTimerEnquiry.size() == 9 && entryCount(kTimerEnquiry) == 3 + 10 + 13 + 10 + 11 + 7 + 4 + 7 + 3);
static_assert(kTimerSetting.size() == 9 && entryCount(kTimerSetting) == entryCount(kTimerEnquiry) - 9);
static_assert(kCounterEnquiry.size() == 6 && entryCount(kCounterEnquiry) == 2 + 8 + 2 + 7 + 3 + 3);
static_assert(kCounterSetting.size() == 6 && entryCount(kCounterSetting) == 1 + 7 + 1 + 6 + 2 + 2);
static_assert(kConstantEnquiry.size() == 4 && entryCount(kConstantEnquiry) == 1 + 1 + 8 + 3);
static_assert(kVariableEnquiry.size() == 6 && entryCount(kVariableEnquiry) == 8 + 1 + 34 + 2 + 1 + 1);
static_assert(namesFitTheirField(kTimerEnquiry) && namesFitTheirField(kCounterEnquiry) &&
              namesFitTheirField(kConstantEnquiry) && namesFitTheirField(kVariableEnquiry));
static_assert(identifiersCountUp(kTimerEnquiry, true) && identifiersCountUp(kCounterEnquiry, true) &&
              identifiersCountUp(kConstantEnquiry, false) && identifiersCountUp(kVariableEnquiry, false));
static_assert(timerIdentifiersCarryTheirRow());
static_assert(settingRowsFollowEnquiryRows(kTimerEnquiry, kTimerSetting) &&
              settingRowsFollowEnquiryRows(kCounterEnquiry, kCounterSetting));

}  // namespace

ModuleCatalogue timerEnquiryCatalogue() { return kTimerEnquiry; }
ModuleCatalogue timerSettingCatalogue() { return kTimerSetting; }
ModuleCatalogue counterEnquiryCatalogue() { return kCounterEnquiry; }
ModuleCatalogue counterSettingCatalogue() { return kCounterSetting; }
ModuleCatalogue constantEnquiryCatalogue() { return kConstantEnquiry; }
ModuleCatalogue variableEnquiryCatalogue() { return kVariableEnquiry; }

std::string_view entryName(const CatalogueEntry& entry) { return {entry.name, ::strnlen(entry.name, kEntryNameField)}; }

std::optional<CatalogueLookup> lookupEntry(ModuleCatalogue catalogue, std::int64_t row, std::int64_t entry) {
  if (row < 0 || row >= static_cast<std::int64_t>(catalogue.size())) return std::nullopt;
  const ModuleCatalogueRow& found = catalogue[static_cast<std::size_t>(row)];
  if (entry < 0 || entry >= found.count) return std::nullopt;
  const CatalogueEntry& item = found.entries[entry];
  return CatalogueLookup{found.moduleId, &item, item.identifier};
}

std::string_view CatalogueLookup::name() const { return entryName(*entry); }

std::optional<std::string_view> findEntryName(ModuleCatalogue catalogue, ModuleId module, std::uint16_t identifier) {
  for (const ModuleCatalogueRow& row : catalogue) {
    if (row.moduleId != module) continue;
    for (std::int32_t i = 0; i < row.count; ++i)
      if (row.entries[i].identifier == identifier) return entryName(row.entries[i]);
  }
  return std::nullopt;
}

}  // namespace orbel
