// The peer-data edit's text: comma-separated numbers of the description
// notation, one byte each.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbel {

// The edit's text is held in 256 bytes and each number in 32, so longer
// text is refused with a message.
inline constexpr std::size_t kPeerTextLimit = 255;
inline constexpr std::size_t kPeerNumberLimit = 31;

struct PeerParse {
  std::optional<std::vector<std::uint8_t>> bytes;  // the bytes, when every number reads
  std::string refusal;                             // set only for text beyond the limits
};

// Every character other than a comma belongs to the current number, blanks
// included; each number must read whole with PsdlStrToInt and be below 256;
// the byte is the low 8 bits of value × sign. A trailing comma leaves an
// empty last number, which does not read.
PeerParse parsePeerText(std::string_view text);

// What a change of the peer-data edit does to the bytes the dialog holds: an
// empty text and a text that does not read keep them, a text that reads
// replaces them. Returns the message to show (text beyond the limits), or
// an empty text.
std::string readPeerEdit(std::string_view text, std::optional<std::vector<std::uint8_t>>& peerData);

// The spare-bit edit: the text a field resets to when it does not read, and
// the number its first 255 characters hold, or nothing when they do not read.
inline constexpr char kResetSpareBitsText[] = "0x00";
std::optional<std::uint32_t> readSpareBitsText(std::string_view text);

}  // namespace orbel
