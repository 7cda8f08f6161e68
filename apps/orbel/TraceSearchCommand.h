// `orbel search`: the host's search over a trace file, for the records that
// the trace search dialog handed over, one after the other.
#pragma once

#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

namespace orbel::cli {

// A record text that is not a record or a list of records.
struct RecordError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct TraceSearchRequest {
  std::string tracePath;
  std::string records;  // JSON: a record, an array of records, or an object with "notifications"
  std::optional<std::size_t> from;  // the entry a host has selected before the first search
  bool json = false;
};

// Runs each search from the entry the previous one found (from `from` for
// the first) and prints what each found. Throws RecordError for records
// that cannot be read and std::runtime_error naming the file for a trace
// that cannot be read.
void runTraceSearch(const TraceSearchRequest& request, std::ostream& out);

}  // namespace orbel::cli
