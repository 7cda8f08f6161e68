// The INI profile reader under arbitrary text. A refusal names its line and
// leaves the store untouched; whatever it accepts is written back as text
// that reads back to the same values, so a save never changes a profile.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "toolkit/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  tk::ProfileStore store;
  const std::string error = tk::parseIniText(text, "fuzz.ini", store);
  if (!error.empty()) {
    fuzzCheck(error.rfind("fuzz.ini:", 0) == 0, "a refusal names the file and line");
    fuzzCheck(store.values().empty(), "a refused profile leaves the store untouched");
    return 0;
  }
  tk::ProfileStore again;
  fuzzCheck(tk::parseIniText(tk::formatIniText(store), "again.ini", again).empty(), "written text reads back");
  fuzzCheck(again.values() == store.values(), "a save keeps every value");
  return 0;
}
