// The ".pcf" reader under arbitrary bytes: what it accepts writes back to
// exactly the same file, and its refusals never read past the input.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>

#include "FuzzCheck.h"
#include "orbel/primitive/PcfFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto read = orbel::readPcf(std::span<const std::uint8_t>(data, size));
  const auto* content = std::get_if<orbel::PcfContent>(&read);
  if (content == nullptr) return 0;
  fuzzCheck(content->typeName.size() < orbel::kPcfLargestNameField, "the name fits its 128 bytes");
  const std::string written = orbel::serializePcf(content->typeName, content->parameter);
  fuzzCheck(written == std::string(reinterpret_cast<const char*>(data), size),
            "an accepted file writes back as it was");
  return 0;
}
