// The SAP identities of the four layer-2 protocols, item by item, and how the
// layer-2 configuration pages group them. An item's position in its table is
// its number in the state block, the record and the list the filter model
// receives.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace orbel::l2 {

inline constexpr std::size_t kMacItems = 67;
inline constexpr std::size_t kRlcItems = 67;
inline constexpr std::size_t kPdcpItems = 58;
inline constexpr std::size_t kBmcItems = 1;
inline constexpr std::uint32_t kBmcSap = 3115;

// `count` identities from `first` on, written from item `at`.
template <std::size_t N>
constexpr void fillRun(std::array<std::uint32_t, N>& ids, std::size_t at, std::uint32_t first, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) ids[at + i] = first + static_cast<std::uint32_t>(i);
}

inline constexpr std::array<std::uint32_t, kMacItems> kMacSaps = [] {
  std::array<std::uint32_t, kMacItems> ids{1010, 1250, 1240};
  fillRun(ids, 3, 1101, 32);
  fillRun(ids, 35, 1201, 32);
  return ids;
}();
inline constexpr std::array<std::uint32_t, kRlcItems> kRlcSaps = [] {
  std::array<std::uint32_t, kRlcItems> ids{};
  fillRun(ids, 0, 2300, 33);
  fillRun(ids, 33, 2200, 33);
  ids[66] = 2235;
  return ids;
}();
inline constexpr std::array<std::uint32_t, kPdcpItems> kPdcpSaps = [] {
  std::array<std::uint32_t, kPdcpItems> ids{};
  fillRun(ids, 0, 3304, 29);
  fillRun(ids, 29, 3044, 29);
  return ids;
}();
inline constexpr std::array<std::uint32_t, kBmcItems> kBmcSaps{kBmcSap};

// Items [first, first + count) with one select-all box; a box's number in
// its group is its identity minus `numberBase`.
struct SapGroup {
  std::size_t first = 0;
  std::size_t count = 0;
  std::uint32_t numberBase = 0;
  constexpr bool holds(std::size_t item) const { return item >= first && item < first + count; }
};

// One page of the layer-2 dialog: its control-id prefix, caption, items,
// groups (none or two, A then B), the RLC subgroups (the first five items of
// each group) and the items whose clicks take part in anchors and ranges.
struct L2PageTable {
  const char* prefix;
  const char* caption;
  std::span<const std::uint32_t> saps;
  std::size_t groupCount;
  std::array<SapGroup, 2> groups;
  bool subgroups;
  std::size_t rangeFirst;
  std::size_t rangeLast;
};

inline constexpr std::size_t kSubgroupSize = 5;

inline constexpr L2PageTable kMacPage{"mac", "MAC", kMacSaps, 2, {{{3, 32, 1100}, {35, 32, 1200}}}, false, 3, 66};
inline constexpr L2PageTable kRlcPage{"rlc", "RLC", kRlcSaps, 2, {{{0, 33, 2300}, {33, 34, 2200}}}, true, 0, 65};
inline constexpr L2PageTable kPdcpPage{"pdcp", "PDCP", kPdcpSaps, 2, {{{0, 29, 3300}, {29, 29, 3040}}}, false, 0, 57};
inline constexpr L2PageTable kBmcPage{"bmc", "BMC", kBmcSaps, 0, {}, false, 1, 0};

static_assert(kMacSaps[2] == 1240 && kMacSaps[34] == 1132 && kMacSaps[66] == 1232);
static_assert(kRlcSaps[32] == 2332 && kRlcSaps[65] == 2232 && kRlcSaps[66] == 2235);
static_assert(kPdcpSaps[28] == 3332 && kPdcpSaps[57] == 3072);
static_assert(kMacPage.groups[1].first + kMacPage.groups[1].count == kMacItems);
static_assert(kRlcPage.groups[1].first + kRlcPage.groups[1].count == kRlcItems);
static_assert(kPdcpPage.groups[1].first + kPdcpPage.groups[1].count == kPdcpItems);

}  // namespace orbel::l2
