// The two messages of the HLS filter dialog: the display-filter message it
// builds for the host's trace view, and the SAP filter that it applies to
// its trees after loading a filter file or importing a compact filter.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "orbel/wire/CommandBuffer.h"

namespace orbel {

// The display-filter message of filter type `type` (1 to 5): the diagnostic
// frame of primitive 12031 (routing FF 00 09 00, group 13002) around the
// type, a zero byte, the big-endian byte length of values A and the values
// A (32 bits each), and for types 1 and 2 the byte length of values B and
// their low 16 bits. Types 3 to 5 without values A carry no length A.
// Empty when the allocation fails or the lists do not fit their 16-bit
// length fields.
CommandBuffer buildDisplayFilterMessage(int type, std::span<const std::uint32_t> valuesA,
                                        std::span<const std::uint32_t> valuesB);

// A SAP filter read from a message, ready to be ticked in a tree.
struct AppliedSapFilter {
  std::vector<std::uint32_t> ids;
  bool attributeOn = false;  // any attribute byte was 2 (type 0x33 only)
};

// Reads the SAP filter carried by `message`, a diagnostic message whose
// header words are in host order (payload length at offset 18, payload from
// offset 20): type 0x33 or 3, a zero byte, the list length (a multiple of 4),
// the identifiers, for type 0x33 with identifiers one attribute byte (1 or 2)
// each, and nothing after. The error is one of the texts
// "ByteDecode:: data not enough", "config type error",
// "filter_attribute error" and "data length error".
std::variant<AppliedSapFilter, std::string> readAppliedSapFilter(std::span<const std::uint8_t> message);

}  // namespace orbel
