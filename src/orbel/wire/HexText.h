// Hexadecimal text of byte strings, as hosts show and accept them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orbel {

// The value of a hexadecimal digit (either case), or -1 for any other character.
int hexDigitValue(char c);
// "1C 00 FF" with `separator` " ", "1c00ff" with "" (lower case then).
std::string toHex(std::span<const std::uint8_t> bytes, std::string_view separator = " ");
// Reads pairs of hex digits; blanks, colons and commas between bytes are
// ignored. Nothing when a character is not a digit or a digit is left over.
std::optional<std::vector<std::uint8_t>> parseHex(std::string_view text);

}  // namespace orbel
