// Range fields of the trace search: times of day and numbers, and the
// exclusive end.
#include <gtest/gtest.h>

#include "orbel/search/SearchRange.h"

namespace {

using orbel::kNoRangeValue;

TEST(ParseSearchTime, ReadsHoursMinutesSecondsWithinTheirWidths) {
  const std::pair<const char*, std::uint32_t> cases[] = {
      {"1:2:3", 3723000},
      {"0:1:0", 60000},
      {"  0:1:0\t", 60000},  // blanks at both ends are trimmed
      {"0x1:0:0", 3600000},  // each part in the description notation
      {"-1:0:0", 3600000},   // a sign is ignored
      {"1000:0:0", 3600000000u},
      {"1234:0:0", kNoRangeValue},  // 4 442 400 000 ms do not fit in 32 bits
      {"0:1234:0", 1234u * 60000u},
      {"0:0:9999", 9999000},
      {"1193:2:47", 4294967000u},  // the last whole second below 2^32 ms
      {"1193:2:48", kNoRangeValue},  // beyond 32 bits: no value rather than a wrapped one
      {"9999:0:0", kNoRangeValue},
      {"1:2", kNoRangeValue},        // no second colon
      {"12345:0:0", kNoRangeValue},  // hours wider than four characters
      {"0:12345:0", kNoRangeValue},
      {"0:0:12345", kNoRangeValue},  // seconds wider than four characters
      {"0:0:", kNoRangeValue},       // no seconds
      {":0:0", kNoRangeValue},       // empty hours are no number
      {"1:2:3:4", kNoRangeValue},
      {"a:0:0", kNoRangeValue},
      {"1: 2:3", kNoRangeValue},  // an inner blank is part of the number
      {"", kNoRangeValue},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(ParseSearchTime(text), expected) << '"' << text << '"';
}

TEST(SearchRange, StartIsTheValueAndEndIsOneMoreOrNoValue) {
  EXPECT_EQ(orbel::rangeStartOf("10", false), 10u);
  EXPECT_EQ(orbel::rangeEndOf("20", false), 21u);
  EXPECT_EQ(orbel::rangeStartOf("-7", false), 7u);  // the sign is ignored
  EXPECT_EQ(orbel::rangeStartOf("0x10", false), 16u);
  EXPECT_EQ(orbel::rangeStartOf("1:0:0", false), kNoRangeValue);  // a time is no number
  EXPECT_EQ(orbel::rangeStartOf("1:0:0", true), 3600000u);
  EXPECT_EQ(orbel::rangeEndOf("0:0:1", true), 1001u);
  EXPECT_EQ(orbel::rangeEndOf("ten", false), kNoRangeValue);
  EXPECT_EQ(orbel::rangeEndOf("ten", true), kNoRangeValue);
  // An end whose successor is no value of its own must not wrap to an empty range.
  EXPECT_EQ(orbel::rangeEndOf("4294967295", false), kNoRangeValue);
  EXPECT_EQ(orbel::rangeEndOf("4294967294", false), kNoRangeValue);
  EXPECT_EQ(orbel::rangeEndOf("4294967293", false), 4294967294u);
}

}  // namespace
