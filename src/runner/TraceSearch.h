// The host's search over a trace: what a search record and the options of
// its dialog ask for, and the next entry that matches, from a given entry on
// in either direction, wrapping at the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "orbel/search/CTrcSrchDlg.h"
#include "runner/TraceFile.h"

namespace orbel::runner {

struct TraceQuery {
  bool messageSearch = false;  // a message name rather than a text
  std::string text;            // lower case for a text search; the bare name for a message search
  bool ranged = false;
  bool rangeAsTimes = false;   // the range counts times of day rather than entry numbers
  std::uint32_t start = 0;     // first value in the range
  std::uint32_t end = 0;       // first value past it
  std::vector<std::string> extraTexts;  // lower case; each must appear too
  bool forward = true;
};

// The query a Find asks for: `record` as the notification hands it over,
// `options` as the record's dialog tells them. Empty with `refusal` set for
// a record that asks for nothing a search can do (an unknown kind, an empty
// text, a range whose start or end did not parse or that holds nothing).
std::optional<TraceQuery> queryOfRecord(const TAG_KOVA_SERACH_METHOD_RECORD& record, const TraceSearchOptions& options,
                                        std::string& refusal);

// Whether `entry` satisfies `query`.
bool matches(const TraceEntry& entry, const TraceQuery& query);

// The index of the next entry that matches, beginning after `current` (before
// it when searching backward) and wrapping round, `current` itself last.
// Without a current entry, a forward search begins at the first entry and a
// backward one at the last.
std::optional<std::size_t> findNext(std::span<const TraceEntry> entries, const TraceQuery& query,
                                    std::optional<std::size_t> current);

}  // namespace orbel::runner
