// The trace files the hosts show and search: JSON Lines, one trace entry per
// line (format in README.md, "Trace files"), read whole within set bounds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orbel::runner {

enum class TraceDirection { Uplink, Downlink, Internal };

struct TraceEntry {
  std::uint32_t sequence = 0;  // the entry's number, as ranges of numbers count
  std::uint32_t timeMs = 0;    // time of day in milliseconds, as ranges of times count
  TraceDirection direction = TraceDirection::Internal;
  std::string family;   // signal family: "RRC UL-CCCH", "GMM", ...
  std::string message;  // message name as the signal tables spell it
  std::string summary;  // one line about the content
  std::vector<std::uint8_t> bytes;
  // Family, message and summary in lower case, what a string search reads.
  std::string searchText;
};

inline constexpr std::size_t kTraceFileLimit = 512u << 20;
inline constexpr std::size_t kTraceLineLimit = 64u << 10;

struct TraceRead {
  std::vector<TraceEntry> entries;
  std::string error;  // the first fault, naming its line; empty when the whole text was read
  bool ok() const { return error.empty(); }
};

// Reads trace lines from `text`: blank lines are skipped, any other line must
// be one entry, no longer than kTraceLineLimit; the first fault stops the
// read and no entry is kept.
TraceRead parseTrace(std::string_view text);
// Reads the file at `path` (at most kTraceFileLimit bytes, a regular file).
TraceRead readTraceFile(const std::string& path);

// "08:15:02.345" for a time of day in milliseconds.
std::string formatTraceTime(std::uint32_t timeMs);
const char* directionName(TraceDirection direction);
// An entry built from its parts, with its search text.
TraceEntry makeTraceEntry(std::uint32_t sequence, std::uint32_t timeMs, TraceDirection direction, std::string family,
                          std::string message, std::string summary, std::vector<std::uint8_t> bytes = {});

}  // namespace orbel::runner
