// Reading the range of a trace search: its start and end texts as numbers or
// as times of day (hours:minutes:seconds) in milliseconds.
#pragma once

#include <cstdint>
#include <string>

namespace orbel {

// What a range field holds when its text does not parse.
inline constexpr std::uint32_t kNoRangeValue = 0xFFFFFFFF;

}  // namespace orbel

// A time "h:m:s" in milliseconds: blanks at both ends are ignored, the hours
// and minutes take up to 4 characters each before their ':', the seconds 1 to
// 4 characters, each part a number of the description notation (a sign it
// carries is ignored). kNoRangeValue for any other text and for a time whose
// milliseconds do not fit below kNoRangeValue.
std::uint32_t ParseSearchTime(const std::string& text);

namespace orbel {

// The start of a range from its field: a time with `asTime`, a number
// otherwise (its sign is ignored); kNoRangeValue when the text does not parse.
std::uint32_t rangeStartOf(const std::string& text, bool asTime);
// The end of a range from its field, plus one so that the end is exclusive;
// kNoRangeValue when the text does not parse or the end plus one would not
// lie below kNoRangeValue.
std::uint32_t rangeEndOf(const std::string& text, bool asTime);

}  // namespace orbel
