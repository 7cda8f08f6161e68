// What the peer save-as dialog keeps of a display-filter message: the filter
// type and the 32-bit values A, the part a host reads as words.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace orbel {

struct DisplayFilterValues {
  std::uint8_t filterType = 0;
  std::vector<std::uint8_t> valuesA;  // as in the message: big-endian words, whole words only
};

// Reads a complete display-filter message (little-endian payload length at
// 18, payload from 20). Nothing when the payload is 4 bytes or fewer or the
// message is cut short. The 16-bit values B that types 1 and 2 append are left
// out, so the values always fill a whole number of words.
std::optional<DisplayFilterValues> readDisplayFilterValues(std::span<const std::uint8_t> message);

// The block's filter kind: 1, 2, 3 for filter types 3, 4, 5; otherwise 0.
std::uint32_t filterKindOf(std::uint8_t filterType);

}  // namespace orbel
