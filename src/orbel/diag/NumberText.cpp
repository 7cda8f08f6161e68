#include "orbel/diag/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <vector>

#include "host/PsdlStrToInt.h"

namespace orbel {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<std::uint32_t> parseNumberText(const std::string& text, std::size_t keep, int limit) {
  std::vector<char> cut(keep + 1, '\0');  // zero-filled, so the kept part is terminated
  std::memcpy(cut.data(), text.data(), std::min(text.size(), keep));
  unsigned int value = 0;
  int sign = 0;
  if (PsdlStrToInt(cut.data(), limit, &value, &sign) != 0) return std::nullopt;
  return value;
}

std::optional<std::uint32_t> parseUnsignedText(std::string_view text, std::size_t limit) {
  // The parser stops at the limit, so it may read the characters in place.
  const auto length = static_cast<int>(std::min(text.size(), limit));
  unsigned int value = 0;
  int sign = 0;
  if (PsdlStrToInt(text.data(), length, &value, &sign) != 0 || sign < 0) return std::nullopt;
  return value;
}

std::optional<std::int32_t> parseDecimalInteger(std::string_view text) {
  text = trimBlanks(text);
  const bool plus = text.starts_with('+');  // from_chars takes a "-" only
  if (plus) text.remove_prefix(1);
  if (text.empty() || (plus && text.front() == '-')) return std::nullopt;
  std::int32_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::uint32_t leadingDecimalValue(std::string_view text, DecimalOverflow overflow) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  std::uint32_t value = 0;
  for (char c : text) {
    if (!isDigit(c)) break;
    const std::uint64_t next = std::uint64_t{value} * 10 + static_cast<std::uint32_t>(c - '0');
    if (next > UINT32_MAX && overflow == DecimalOverflow::Saturate) return UINT32_MAX;
    value = static_cast<std::uint32_t>(next);
  }
  return negative ? 0u - value : value;
}

bool isDecimalDigits(std::string_view text) { return std::all_of(text.begin(), text.end(), isDigit); }

}  // namespace orbel
