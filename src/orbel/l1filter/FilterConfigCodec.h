// Turns what the layer-1 filter dialog shows (a selection) into a filter
// configuration and back. Encoding a decoded configuration gives back the
// same bytes whenever every identifier and set bit names a catalogue row,
// the identifiers stand in visiting order and the task masks agree with the
// bitmaps; anything else comes back normalised.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "orbel/catalogue/L1PrimitiveTable.h"
#include "orbel/catalogue/L1StateTables.h"
#include "orbel/catalogue/L1TaskTables.h"
#include "orbel/l1filter/PhyFaFilterConfig.h"

namespace orbel {

inline constexpr std::uint16_t kOptionsAMask = 0x03FF;  // ten option bits
inline constexpr std::uint16_t kOptionsBMask = 0x00FF;  // eight option bits
// TD rows are encoded from this row to the end of the list, then from row 0.
inline constexpr std::size_t kTdFirstVisitedRow = 32;

struct PhyFaSelection {
  std::array<bool, kFilterSwitches> switches{};
  std::bitset<kL1PrimitiveCount> primitives;  // ticked rows of L1PrimitiveTable, both lists
  std::size_t tdStateFrom = 0;                // rows of TdL1StateTable
  std::size_t tdStateTo = 0;
  std::size_t gsmStateFrom = 0;  // rows of GsmL1StateTable
  std::size_t gsmStateTo = 0;
  std::uint16_t tdOptionsA = 0;  // kOptionsAMask bits
  std::uint16_t tdOptionsB = 0;  // kOptionsBMask bits
  std::uint16_t gsmOptionsA = 0;
  std::uint16_t gsmOptionsB = 0;
  std::bitset<kL1TaskMessageCount> taskMessages;  // ticked rows of L1TaskMessageTable

  friend bool operator==(const PhyFaSelection&, const PhyFaSelection&) = default;
};

// At most 16 ticked rows of each primitive list are stored, the first 16 in
// visiting order; option bits outside their masks are not stored.
PhyFaFilterConfig encodeFilterSelection(const PhyFaSelection& selection);
PhyFaSelection decodeFilterConfig(const PhyFaFilterConfig& config);

enum class PrimitiveList { Td, Gsm };

// The first row of `list` that carries `identifier`.
std::optional<std::size_t> primitiveRowFor(PrimitiveList list, std::uint32_t identifier);
// The task message whose bit is `bit` (0 to 255) of task slot `slot`.
std::optional<std::size_t> taskMessageRowAt(std::size_t slot, std::size_t bit);
// The "to" states are read as 24-bit values: the state byte and the two
// reserved bytes after it, so a state is recognised only when they are zero.
constexpr std::uint32_t tdStateToCode(const PhyFaFilterConfig& config) {
  return config.tdStateTo | std::uint32_t{config.tdReserved} << 8;
}
constexpr std::uint32_t gsmStateToCode(const PhyFaFilterConfig& config) {
  return config.gsmStateTo | std::uint32_t{config.gsmReserved} << 8;
}

}  // namespace orbel
