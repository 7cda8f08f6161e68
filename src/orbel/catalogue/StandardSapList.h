// The built-in table of 165 SAP identifiers that the HLS filter dialog adds
// on request and that forms the base of the compact filter. The order is
// fixed and three identifiers (2080, 4100, 4200) occur twice; whoever builds
// a message from the table collapses them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace orbel {

// Every identifier from `first` to `last`; a single identifier has first == last.
struct SapRange {
  std::uint32_t first;
  std::uint32_t last;
};

// Number of identifiers the ranges stand for, duplicates counted.
template <std::size_t N>
constexpr std::size_t rangeSize(const std::array<SapRange, N>& ranges) {
  std::size_t size = 0;
  for (const SapRange& range : ranges) size += range.last - range.first + 1;
  return size;
}

namespace detail {

inline constexpr auto kStandardSapRanges = std::to_array<SapRange>({
    {1600, 1600},   {12012, 12012}, {25001, 25018}, {25020, 25022}, {25026, 25026}, {8203, 8203},
    {7507, 7507},   {28003, 28003}, {28001, 28001}, {28002, 28002}, {28010, 28010}, {12010, 12010},
    {13051, 13051}, {2080, 2080},   {3039, 3039},   {6040, 6040},   {4100, 4100},   {4200, 4200},
    {1500, 1500},   {7506, 7506},   {3000, 3036},   {3200, 3236},   {2080, 2080},   {4100, 4100},
    {4200, 4200},   {4300, 4300},   {4400, 4400},   {4500, 4500},   {5040, 5040},   {5080, 5080},
    {7000, 7004},   {7501, 7505},   {8001, 8001},   {8002, 8002},   {8200, 8202},   {8400, 8400},
    {8401, 8401},   {8600, 8600},   {8601, 8601},   {11010, 11010}, {12001, 12005}, {15008, 15008},
    {17001, 17001}, {13008, 13008}, {1501, 1501},   {25019, 25019}, {30001, 30001}, {30002, 30002},
    {2200, 2203},   {2300, 2303},   {17002, 17002}, {15003, 15003}, {2204, 2204},   {2304, 2304},
});

template <std::size_t Size, std::size_t N>
constexpr std::array<std::uint32_t, Size> expandRanges(const std::array<SapRange, N>& ranges) {
  std::array<std::uint32_t, Size> identifiers{};
  std::size_t next = 0;
  for (const SapRange& range : ranges)
    for (std::uint32_t id = range.first; id <= range.last; ++id) identifiers[next++] = id;
  return identifiers;
}

}  // namespace detail

inline constexpr std::size_t kStandardSapCount = 165;
inline constexpr std::size_t kDistinctStandardSaps = 162;

inline constexpr std::array<std::uint32_t, kStandardSapCount> StandardSapList =
    detail::expandRanges<kStandardSapCount>(detail::kStandardSapRanges);

static_assert(rangeSize(detail::kStandardSapRanges) == kStandardSapCount);
static_assert([] {
  std::size_t distinct = 0;
  for (std::size_t i = 0; i < StandardSapList.size(); ++i) {
    bool seen = false;
    for (std::size_t j = 0; j < i; ++j) seen = seen || StandardSapList[j] == StandardSapList[i];
    distinct += seen ? 0 : 1;
  }
  return distinct;
}() == kDistinctStandardSaps);

}  // namespace orbel
