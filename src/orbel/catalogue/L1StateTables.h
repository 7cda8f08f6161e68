// The layer-1 states of the TD-SCDMA and the GSM layer 1 with their codes;
// a state's position in its table is its position in the filter dialog's
// state choices.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace orbel {

struct L1State {
  std::string_view name;
  std::uint32_t code;
};

inline constexpr std::array<L1State, 18> TdL1StateTable{{
    {"INIT", 0x00}, {"ICS", 0x11}, {"RCS", 0x12}, {"HHO_RCS", 0x13}, {"SYNC_CS", 0x14}, {"IDLE", 0x20},
    {"SLEEP", 0x21}, {"RA_READY", 0x31}, {"RA_WAIT_SCCPCH", 0x32}, {"RA_WAIT_FPACH", 0x33}, {"CNNT_INIT", 0x41},
    {"CNNT_NORMAL", 0x42}, {"CNNT_OUTOFSYNC", 0x43}, {"CNNT_RL_MODIFY", 0x44}, {"L1_CNNT_HO_MEAS_OTD", 0x45},
    {"CNNT_HHO_ULSYNC", 0x46}, {"CNNT_BHO_TX_TARGET", 0x47}, {"CNNT_RTX_TARGET", 0x48},
}};

inline constexpr std::array<L1State, 16> GsmL1StateTable{{
    {"INIT", 0x00}, {"SEARCH_RF", 0x10}, {"CS", 0x20}, {"FCB", 0x21}, {"SB", 0x22}, {"SYNC", 0x23}, {"CS_IDLE", 0x30},
    {"PS_IDLE", 0x40}, {"CS_RACH", 0x50}, {"PS_RACH", 0x60}, {"DEDICATED", 0x70}, {"HANDOVER", 0x80},
    {"TRANSFER", 0x90}, {"SLEEP", 0xA0}, {"NOCELL", 0xB0}, {"MANU_TEST", 0xE0},
}};

// The row of `table` whose code is `code`, if any.
constexpr std::optional<std::size_t> findStateRow(std::span<const L1State> table, std::uint32_t code) {
  for (std::size_t row = 0; row < table.size(); ++row)
    if (table[row].code == code) return row;
  return std::nullopt;
}

namespace l1catalogue_checks {

// Codes ascend strictly, so no two states share one and findStateRow finds each.
constexpr bool codesAscend(std::span<const L1State> table) {
  for (std::size_t row = 1; row < table.size(); ++row)
    if (table[row].code <= table[row - 1].code) return false;
  return true;
}

// A state code is one byte.
constexpr bool codesFitAByte(std::span<const L1State> table) {
  for (const L1State& state : table)
    if (state.code > 0xFF) return false;
  return true;
}

}  // namespace l1catalogue_checks

static_assert(l1catalogue_checks::codesAscend(TdL1StateTable) && l1catalogue_checks::codesAscend(GsmL1StateTable));
static_assert(l1catalogue_checks::codesFitAByte(TdL1StateTable) && l1catalogue_checks::codesFitAByte(GsmL1StateTable));
static_assert(TdL1StateTable[0].name == "INIT" && GsmL1StateTable[0].name == "INIT");
static_assert(TdL1StateTable.back().code == 0x48 && GsmL1StateTable.back().code == 0xE0);

}  // namespace orbel
