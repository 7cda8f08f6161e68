// Times of a search range under arbitrary text. A time that parses lies below
// the no-value mark and is a whole number of seconds; blanks around the text
// change nothing; and the end of a range is the start plus one, or no value.
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "orbel/search/SearchRange.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 256) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::uint32_t time = ParseSearchTime(text);
  if (time != orbel::kNoRangeValue) fuzzCheck(time % 1000 == 0, "a time is a whole number of seconds");
  fuzzCheck(ParseSearchTime(" \t" + text + "\t ") == time, "blanks around the text are ignored");
  for (bool asTime : {false, true}) {
    const std::uint32_t start = orbel::rangeStartOf(text, asTime);
    const std::uint32_t end = orbel::rangeEndOf(text, asTime);
    fuzzCheck(end == orbel::kNoRangeValue || end == start + 1, "the end is one past the value, or no value");
  }
  return 0;
}
