// The byte list typed in hexadecimal for the layer-1 report configuration:
// each run of hexadecimal digits gives one byte, made of its last two digits;
// any other character separates runs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace orbel {

// The most bytes a list may hold.
inline constexpr std::size_t kMaxHexByteList = 256;

// The bytes of `text`, or nothing when it holds more than `maxBytes` runs.
// "0a 0b,ff" gives 0A 0B FF, "123" gives 23, "0x12" gives 00 12.
std::optional<std::vector<std::uint8_t>> decodeHexByteList(std::string_view text,
                                                           std::size_t maxBytes = kMaxHexByteList);

}  // namespace orbel
