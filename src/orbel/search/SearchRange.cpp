#include "orbel/search/SearchRange.h"

#include <string_view>

#include "host/PsdlStrToInt.h"

namespace {

using orbel::kNoRangeValue;

// Widest hours and minutes part: the first and second ':' stand at most here.
constexpr std::size_t kLastColonPosition = 4;
constexpr std::size_t kLongestSeconds = 4;

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A part of a time, read as PsdlStrToInt reads it from at most four characters.
bool readTimePart(std::string_view part, std::uint64_t& value) {
  const std::string text(part);
  unsigned number = 0;
  int sign = 1;
  if (PsdlStrToInt(text.c_str(), 4, &number, &sign) != 0) return false;
  value = number;
  return true;
}

// A number field's value, its sign ignored.
bool readNumber(const std::string& text, std::uint64_t& value) {
  unsigned number = 0;
  int sign = 1;
  if (PsdlStrToInt(text.c_str(), static_cast<int>(text.size()), &number, &sign) != 0) return false;
  value = number;
  return true;
}

bool readRangeValue(const std::string& text, bool asTime, std::uint64_t& value) {
  if (!asTime) return readNumber(text, value);
  value = ParseSearchTime(text);
  return value != kNoRangeValue;
}

}  // namespace

std::uint32_t ParseSearchTime(const std::string& text) {
  std::string_view rest = trimmed(text);
  const std::size_t firstColon = rest.find(':');
  if (firstColon == std::string_view::npos || firstColon > kLastColonPosition) return kNoRangeValue;
  const std::string_view hoursText = rest.substr(0, firstColon);
  rest.remove_prefix(firstColon + 1);
  const std::size_t secondColon = rest.find(':');
  if (secondColon == std::string_view::npos || secondColon > kLastColonPosition) return kNoRangeValue;
  const std::string_view minutesText = rest.substr(0, secondColon);
  rest.remove_prefix(secondColon + 1);
  if (rest.empty() || rest.size() > kLongestSeconds) return kNoRangeValue;
  std::uint64_t hours = 0;
  std::uint64_t minutes = 0;
  std::uint64_t seconds = 0;
  if (!readTimePart(hoursText, hours) || !readTimePart(minutesText, minutes) || !readTimePart(rest, seconds))
    return kNoRangeValue;
  // Four hexadecimal digits per part stay far inside 64 bits.
  const std::uint64_t milliseconds = ((hours * 60 + minutes) * 60 + seconds) * 1000;
  return milliseconds < kNoRangeValue ? static_cast<std::uint32_t>(milliseconds) : kNoRangeValue;
}

namespace orbel {

std::uint32_t rangeStartOf(const std::string& text, bool asTime) {
  std::uint64_t value = 0;
  return readRangeValue(text, asTime, value) ? static_cast<std::uint32_t>(value) : kNoRangeValue;
}

std::uint32_t rangeEndOf(const std::string& text, bool asTime) {
  std::uint64_t value = 0;
  if (!readRangeValue(text, asTime, value) || value + 1 >= kNoRangeValue) return kNoRangeValue;
  return static_cast<std::uint32_t>(value + 1);
}

}  // namespace orbel
