#include "orbel/diag/HexByteList.h"

#include "orbel/wire/HexText.h"

namespace orbel {

std::optional<std::vector<std::uint8_t>> decodeHexByteList(std::string_view text, std::size_t maxBytes) {
  std::vector<std::uint8_t> bytes;
  std::uint8_t accumulator = 0;
  bool inRun = false;
  // A run ends at any other character and at the end of the text.
  auto endRun = [&] {
    if (!inRun) return true;
    if (bytes.size() == maxBytes) return false;
    bytes.push_back(accumulator);
    accumulator = 0;
    inRun = false;
    return true;
  };
  for (char c : text) {
    const int digit = hexDigitValue(c);
    if (digit < 0) {
      if (!endRun()) return std::nullopt;
      continue;
    }
    accumulator = static_cast<std::uint8_t>(accumulator << 4 | digit);
    inRun = true;
  }
  if (!endRun()) return std::nullopt;
  return bytes;
}

}  // namespace orbel
