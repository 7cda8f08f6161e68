#include "orbel/filter/CompactFilter.h"

#include <array>
#include <vector>

#include "orbel/filter/HlsFilterFormat.h"
#include "orbel/filter/SapFilterMessage.h"

namespace orbel {
namespace {

constexpr auto kBaseExtras = std::to_array<SapRange>({{1500, 1501}, {3000, 3004}, {3036, 3036}, {3200, 3204}});

constexpr auto kOption1 = std::to_array<SapRange>({{1501, 1501}, {1800, 1800}});

constexpr auto kOption2 = std::to_array<SapRange>({{1101, 1132}, {1201, 1232}, {1501, 1501}, {2090, 2090},
                                                   {11007, 11007}, {11012, 11012}, {17006, 17006},
                                                   {25023, 25023}, {30000, 30000}});

constexpr auto kOption3 = std::to_array<SapRange>({{1101, 1132}, {1201, 1232}, {1501, 1501}, {6000, 6000},
                                                   {25027, 25028}, {27000, 27000}, {28002, 28002}});

constexpr auto kOption5 = std::to_array<SapRange>({{1501, 1501}, {3130, 3162}, {3500, 3532}});

constexpr auto kFullList = std::to_array<SapRange>({
    {0, 0},         {1010, 1010},   {1101, 1132},   {1201, 1232},   {1240, 1240},   {1250, 1250},
    {1260, 1260},   {1500, 1501},   {1600, 1600},   {1800, 1800},   {1900, 1900},   {2080, 2080},
    {2090, 2090},   {2100, 2100},   {2200, 2232},   {2300, 2332},   {3000, 3032},   {3039, 3072},
    {3115, 3115},   {3121, 3162},   {3200, 3232},   {3300, 3332},   {3500, 3532},   {3800, 3801},
    {4100, 4100},   {4150, 4150},   {4200, 4200},   {4300, 4300},   {4400, 4400},   {4500, 4500},
    {5040, 5040},   {5080, 5080},   {6000, 6000},   {6040, 6040},   {6080, 6080},   {7000, 7002},
    {7004, 7004},   {7501, 7507},   {7900, 7903},   {8001, 8002},   {8200, 8202},   {8400, 8401},
    {8600, 8601},   {8801, 8802},   {11000, 11000}, {11004, 11010}, {11012, 11012}, {11100, 11100},
    {12000, 12007}, {12009, 12010}, {13002, 13003}, {13014, 13014}, {13305, 13305}, {15008, 15008},
    {16001, 16001}, {17000, 17005}, {17007, 17008}, {18001, 18003}, {24000, 24000}, {25001, 25022},
    {28001, 28003}, {28010, 28010},
});

void addRanges(SapIdSet& set, std::span<const SapRange> ranges) {
  for (const SapRange& range : ranges)
    for (std::uint32_t id = range.first; id <= range.last; ++id) set.insert(id);
}

}  // namespace

SapIdSet compactBaseSet() {
  SapIdSet set(StandardSapList.begin(), StandardSapList.end());
  addRanges(set, kBaseExtras);
  return set;
}

void addCompactOption(SapIdSet& set, CompactFilterCode code) {
  switch (code) {
    case kFilterOption1: addRanges(set, kOption1); break;
    case kFilterOption2: addRanges(set, kOption2); break;
    case kFilterOption3: addRanges(set, kOption3); break;
    case kFilterOption5: addRanges(set, kOption5); break;
    case kFilterFull: addRanges(set, kFullList); break;
    case kFilterBaseOnly:
    case kFilterStored: break;
  }
}

std::string describeCompactOption(CompactFilterCode code) {
  if (code == kFilterStored) return {};
  if (code == kFilterBaseOnly)
    return "The standard SAP list with the identifiers the base always carries: " +
           std::to_string(compactBaseSet().size()) + " SAP identifiers.";
  SapIdSet added;
  addCompactOption(added, code);
  std::string runs;
  for (auto it = added.begin(); it != added.end();) {
    const std::uint32_t first = *it;
    std::uint32_t last = first;
    while (++it != added.end() && *it == last + 1) ++last;
    runs += (runs.empty() ? "" : ", ") + std::to_string(first) + (last == first ? "" : "-" + std::to_string(last));
  }
  return "The base set and " + std::to_string(added.size()) + " SAP identifiers: " + runs + ".";
}

CommandBuffer buildCompactFilterMessage(const SapIdSet& ids) {
  const std::vector<std::uint32_t> sorted(ids.begin(), ids.end());
  std::vector<std::uint8_t> payload(compactSapListSize(sorted.size()));
  writeCompactSapList(payload, sorted);
  return frameMessage(kHlsFilterModule, MessageGroup::ProtocolStack, PrimitiveId::HlsFilter, payload);
}

}  // namespace orbel
