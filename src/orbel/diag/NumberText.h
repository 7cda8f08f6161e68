// How the dialogs read the numbers typed into their fields: through the
// description runtime's parser (decimal, "0x" hexadecimal, leading-"0"
// octal), or as plain decimal integers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orbel {

// At most the first `keep` characters of `text`, of which the parser reads
// `limit`; the sign is not looked at. Nothing when it is not a number.
std::optional<std::uint32_t> parseNumberText(const std::string& text, std::size_t keep, int limit);

// At most the first `limit` characters of `text` through the parser; a
// number with a negative sign ("-5", also "-0") counts as no number.
std::optional<std::uint32_t> parseUnsignedText(std::string_view text, std::size_t limit);

// A signed decimal integer of 32 bits, with optional blanks around it and an
// optional "+" or "-"; nothing for any other text, including an empty one.
std::optional<std::int32_t> parseDecimalInteger(std::string_view text);

enum class DecimalOverflow {
  Wrap,      // modulo 2^32, as a command field that keeps only low bits expects
  Saturate,  // 0xFFFFFFFF, so that a range check refuses the number
};

// The value of the decimal digits at the start of `text` (after blanks and
// an optional sign), as the C library's atoi reads them, but with a defined
// result for a number beyond 32 bits; 0 when no digit comes first.
std::uint32_t leadingDecimalValue(std::string_view text, DecimalOverflow overflow = DecimalOverflow::Wrap);

// True when every character of `text` is a decimal digit (an empty text too).
bool isDecimalDigits(std::string_view text);

}  // namespace orbel
