#include "runner/ArgValue.h"

#include <algorithm>
#include <charconv>

namespace orbel::runner {

std::optional<ArgValue> parseWholeNumber(std::string_view text, bool allowMinus) {
  const bool negative = allowMinus && text.starts_with('-');
  if (negative) text.remove_prefix(1);
  int base = 10;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    base = 16;
    text.remove_prefix(2);
  }
  // An unsigned read takes digits only: a second sign ("--5", "0x-5") stops it.
  std::uint64_t magnitude = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (!negative) return ArgValue::fromUnsigned(magnitude);
  if (magnitude > std::uint64_t{1} << 63) return std::nullopt;
  return ArgValue::negativeOf(magnitude);
}

SwitchList parseSwitchList(std::string_view text) {
  SwitchList list;
  while (!text.empty()) {
    const std::size_t comma = std::min(text.find(','), text.size());
    std::string_view entry = text.substr(0, comma);
    text.remove_prefix(std::min(comma + 1, text.size()));
    while (entry.starts_with(' ')) entry.remove_prefix(1);
    while (entry.ends_with(' ')) entry.remove_suffix(1);
    if (entry.empty()) continue;
    const std::optional<ArgValue> value = parseWholeNumber(entry, false);
    if (value && *value <= 0xFFFF)
      list.numbers.insert(static_cast<int>(*value));
    else if (!list.refused)
      list.refused = std::string(entry);
  }
  return list;
}

}  // namespace orbel::runner
