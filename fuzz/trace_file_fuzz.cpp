// The trace-file reader under arbitrary text: it reads all or nothing, names
// the line of a fault, and every entry it keeps has a time within one day and
// its search text in lower case.
#include <cctype>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "runner/TraceFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 1 << 20) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const orbel::runner::TraceRead read = orbel::runner::parseTrace(text);
  if (!read.ok()) {
    fuzzCheck(read.entries.empty(), "a refused trace keeps no entry");
    fuzzCheck(read.error.rfind("line ", 0) == 0, "a fault names its line");
    return 0;
  }
  for (const orbel::runner::TraceEntry& entry : read.entries) {
    fuzzCheck(entry.timeMs < 24u * 3600 * 1000, "a time lies within one day");
    for (char c : entry.searchText)
      fuzzCheck(std::tolower(static_cast<unsigned char>(c)) == static_cast<unsigned char>(c),
                "the search text is in lower case");
  }
  return 0;
}
