#include "orbel/primitive/PeerDataText.h"

#include "host/PsdlStrToInt.h"

namespace orbel {

PeerParse parsePeerText(std::string_view text) {
  if (text.size() > kPeerTextLimit)
    return {std::nullopt, "The peer data may be at most " + std::to_string(kPeerTextLimit) +
                              " characters long; the earlier peer data is kept."};
  std::vector<std::uint8_t> bytes;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    const std::string number(text.substr(start, comma == std::string_view::npos ? text.npos : comma - start));
    if (number.size() > kPeerNumberLimit)
      return {std::nullopt, "A peer-data number may be at most " + std::to_string(kPeerNumberLimit) +
                                " characters long; the earlier peer data is kept."};
    unsigned int value = 0;
    int sign = 1;
    if (PsdlStrToInt(number.c_str(), static_cast<int>(number.size()) + 1, &value, &sign) != 0 || value >= 256)
      return {};
    bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(static_cast<int>(value) * sign) & 0xFF));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return {std::move(bytes), {}};
}

std::string readPeerEdit(std::string_view text, std::optional<std::vector<std::uint8_t>>& peerData) {
  if (text.empty()) return {};
  PeerParse parsed = parsePeerText(text);
  if (parsed.bytes) peerData = std::move(parsed.bytes);
  return parsed.refusal;
}

std::optional<std::uint32_t> readSpareBitsText(std::string_view text) {
  constexpr std::size_t kReadLimit = 255;
  const std::string read(text.substr(0, kReadLimit));
  unsigned int value = 0;
  int sign = 1;
  if (PsdlStrToInt(read.c_str(), static_cast<int>(read.size()), &value, &sign) != 0) return std::nullopt;
  return value;
}

}  // namespace orbel
