// The layer-1 report byte list under arbitrary text. The first input byte
// gives the most bytes allowed (twice its value, so 256 is 0x80), the rest
// the text. The decoder must agree with a plain model: split the text at
// every character that is not a hexadecimal digit, and take from each run
// of digits the value of its last two; more runs than allowed give nothing.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "orbel/diag/HexByteList.h"

namespace {

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

unsigned digitValue(char c) {
  if (c <= '9') return static_cast<unsigned>(c - '0');
  return static_cast<unsigned>((c | 0x20) - 'a' + 10);
}

std::vector<std::uint8_t> modelBytes(std::string_view text) {
  std::vector<std::uint8_t> bytes;
  std::size_t at = 0;
  while (at < text.size()) {
    if (!isHexDigit(text[at])) {
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < text.size() && isHexDigit(text[end])) ++end;
    unsigned value = digitValue(text[end - 1]);
    if (end - at >= 2) value += 16 * digitValue(text[end - 2]);
    bytes.push_back(static_cast<std::uint8_t>(value));
    at = end;
  }
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t maxBytes = 2 * std::size_t{data[0]};
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

  const std::optional<std::vector<std::uint8_t>> decoded = orbel::decodeHexByteList(text, maxBytes);
  const std::vector<std::uint8_t> expected = modelBytes(text);
  if (expected.size() > maxBytes) {
    fuzzCheck(!decoded, "a list longer than allowed is refused");
    return 0;
  }
  fuzzCheck(decoded.has_value(), "a list within the limit is decoded");
  fuzzCheck(*decoded == expected, "each run of digits gives the byte of its last two digits");
  return 0;
}
