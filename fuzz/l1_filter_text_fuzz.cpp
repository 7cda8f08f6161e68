// Imports arbitrary text as the JSON text form of a layer-1 filter file. The
// import either refuses with L1FilterTextError or gives a file the reader
// takes, whose text imports to the same bytes again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

#include "FuzzCheck.h"
#include "decode/L1FilterText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<std::uint8_t> file;
  try {
    file = orbel::importL1FilterText(text);
  } catch (const orbel::L1FilterTextError&) {
    return 0;
  }
  fuzzCheck(std::holds_alternative<orbel::L1FilterFileContents>(orbel::parseL1FilterFile(file)),
            "an imported file loads");
  fuzzCheck(orbel::importL1FilterText(orbel::exportL1FilterText(file)) == file,
            "the text of an import keeps its bytes");
  return 0;
}
