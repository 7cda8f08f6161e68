#include "runner/TraceSearch.h"

#include <algorithm>
#include <cctype>

#include "orbel/search/SearchRange.h"

namespace orbel::runner {
namespace {

std::string lowerCase(std::string text) {
  std::ranges::transform(text, text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// The list quotes a message name that holds a blank; the trace does not.
std::string bareName(const std::string& name) {
  if (name.size() >= 2 && name.front() == '"' && name.back() == '"') return name.substr(1, name.size() - 2);
  return name;
}

bool inRange(const TraceEntry& entry, const TraceQuery& query) {
  const std::uint32_t value = query.rangeAsTimes ? entry.timeMs : entry.sequence;
  return value >= query.start && value < query.end;
}

}  // namespace

std::optional<TraceQuery> queryOfRecord(const TAG_KOVA_SERACH_METHOD_RECORD& record, const TraceSearchOptions& options,
                                        std::string& refusal) {
  TraceQuery query;
  if (record.method != kStringSearch && record.method != kMessageSearch) {
    refusal = "the record asks for no search (method " + std::to_string(record.method) + ")";
    return std::nullopt;
  }
  query.messageSearch = record.method == kMessageSearch;
  query.text = query.messageSearch ? bareName(record.text) : lowerCase(record.text);
  if (query.text.empty()) {
    refusal = "there is nothing to search for";
    return std::nullopt;
  }
  query.ranged = (options.bits & kSearchRange) != 0;
  if (query.ranged) {
    query.rangeAsTimes = (options.bits & kSearchRangeTimes) != 0;
    query.start = record.startValue;
    query.end = record.endValue;
    if (query.start == kNoRangeValue || query.end == kNoRangeValue) {
      refusal = query.rangeAsTimes ? "the range needs two times of day as hours:minutes:seconds"
                                   : "the range needs two numbers";
      return std::nullopt;
    }
    if (query.start >= query.end) {
      refusal = "the range ends before it starts";
      return std::nullopt;
    }
  }
  for (auto [bit, text] : {std::pair{kSearchExtraText1, &options.extraText1}, {kSearchExtraText2, &options.extraText2}})
    if ((options.bits & bit) != 0 && !text->empty()) query.extraTexts.push_back(lowerCase(*text));
  const std::uint8_t direction = record.direction == kSearchDirectionClosing ? options.direction : record.direction;
  query.forward = direction != 0;
  return query;
}

bool matches(const TraceEntry& entry, const TraceQuery& query) {
  if (query.ranged && !inRange(entry, query)) return false;
  if (query.messageSearch ? entry.message != query.text : entry.searchText.find(query.text) == std::string::npos)
    return false;
  return std::ranges::all_of(query.extraTexts, [&](const std::string& extra) {
    return entry.searchText.find(extra) != std::string::npos;
  });
}

std::optional<std::size_t> findNext(std::span<const TraceEntry> entries, const TraceQuery& query,
                                    std::optional<std::size_t> current) {
  const std::size_t count = entries.size();
  if (count == 0) return std::nullopt;
  // Steps from the current entry: 1 to count, the current entry last.
  const std::size_t origin = current && *current < count ? *current : (query.forward ? count - 1 : 0);
  for (std::size_t step = 1; step <= count; ++step) {
    const std::size_t index = query.forward ? (origin + step) % count : (origin + count - step % count) % count;
    if (matches(entries[index], query)) return index;
  }
  return std::nullopt;
}

}  // namespace orbel::runner
