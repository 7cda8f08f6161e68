// The predefined options of the compact message filter: each stands for a
// fixed set of SAP identifiers that joins the base set (the standard SAP
// list), and the filter message of primitive 12031 built from the result.
#pragma once

#include <cstdint>
#include <set>
#include <span>
#include <string>

#include "orbel/catalogue/StandardSapList.h"
#include "orbel/wire/CommandBuffer.h"

namespace orbel {

// The option chosen; also the value stored as "FilterType".
enum CompactFilterCode : int {
  kFilterBaseOnly = 0,
  kFilterOption1 = 1,
  kFilterOption2 = 2,
  kFilterOption3 = 3,
  kFilterFull = 4,
  kFilterOption5 = 5,
  kFilterStored = 6,
};

using SapIdSet = std::set<std::uint32_t>;

// The standard SAP list joined with the few identifiers the base always carries.
SapIdSet compactBaseSet();
// Adds the identifiers of one option (1, 2, 3, 5 or the full list of 4) to `set`.
void addCompactOption(SapIdSet& set, CompactFilterCode code);

// What an option sends, for its tip: "The base set and 2 SAP identifiers:
// 1501, 1800." (runs of numbers as "1101-1132"); the base set by its size.
// Empty for the stored filter, which is whatever file was loaded.
std::string describeCompactOption(CompactFilterCode code);

// The compact filter message: the diagnostic frame (routing FF 00 09 00,
// group 13002, primitive 12031) around the compact SAP list of `ids`,
// 28 + 4 x N bytes; empty when the allocation fails.
CommandBuffer buildCompactFilterMessage(const SapIdSet& ids);

}  // namespace orbel
