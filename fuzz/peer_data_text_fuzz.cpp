// The peer-data parser under arbitrary text, against a plain model: split at
// commas, each piece a number below 256 (decimal, "0x" hex or "0" octal,
// one optional "-"), the byte its low 8 bits with the sign applied; limits
// refused with a message.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "orbel/primitive/PeerDataText.h"

namespace {

std::optional<std::uint8_t> modelByte(std::string_view piece) {
  int sign = 1;
  if (!piece.empty() && piece.front() == '-') {
    sign = -1;
    piece.remove_prefix(1);
  }
  unsigned base = 10;
  if (piece.starts_with("0x")) {
    base = 16;
    piece.remove_prefix(2);
  } else if (piece.size() > 1 && piece.front() == '0') {
    base = 8;
    piece.remove_prefix(1);
  }
  if (piece.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : piece) {
    unsigned digit = 99;
    if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
    if (c >= 'a' && c <= 'f') digit = static_cast<unsigned>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') digit = static_cast<unsigned>(c - 'A' + 10);
    if (digit >= base) return std::nullopt;
    value = value * base + digit;
    if (value > 0xFFFFFFFF) return std::nullopt;
  }
  if (value >= 256) return std::nullopt;
  return static_cast<std::uint8_t>(static_cast<int>(value) * sign);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const orbel::PeerParse parsed = orbel::parsePeerText(text);
  std::vector<std::uint8_t> expected;
  bool readable = true;
  bool tooLong = text.size() > orbel::kPeerTextLimit;
  std::size_t start = 0;
  while (!tooLong && readable) {
    const std::size_t comma = text.find(',', start);
    const std::string_view piece = text.substr(start, comma == text.npos ? text.npos : comma - start);
    if (piece.size() > orbel::kPeerNumberLimit) {
      tooLong = true;
      break;
    }
    // A NUL ends the number for the runtime's reader: the rest of the piece is not seen.
    const std::optional<std::uint8_t> byte = modelByte(piece.substr(0, piece.find('\0')));
    readable = byte.has_value();
    if (byte) expected.push_back(*byte);
    if (comma == text.npos) break;
    start = comma + 1;
  }
  fuzzCheck(parsed.refusal.empty() != tooLong, "only text beyond a limit is refused with a message");
  if (tooLong || !readable) {
    fuzzCheck(!parsed.bytes, "unreadable text gives no bytes");
    return 0;
  }
  fuzzCheck(parsed.bytes && *parsed.bytes == expected, "every number gives its byte, in order");
  return 0;
}
