#include "orbel/primitive/PsdlCommand.h"

#include <algorithm>

#include "orbel/wire/ByteOrder.h"
#include "orbel/wire/DiagMessage.h"

namespace orbel {

CommandBuffer buildPsdlMessage(const PsdlAddress& address, std::span<const std::uint8_t> parameter,
                               std::span<const std::uint8_t> peer, std::uint16_t spareBits) {
  const std::size_t total = kFrameOverhead + parameter.size() + peer.size();
  if (total > 0xFFFF) return {};
  CommandBuffer message = CommandBuffer::allocate(static_cast<std::uint32_t>(total), true);
  if (!message) return {};
  const std::span<std::uint8_t> out = message.bytes();
  writeU16LE(out, 0, static_cast<std::uint16_t>(total));
  for (std::size_t i = 0; i < address.frame.size(); ++i) writeU8(out, 2 + i, address.frame[i]);
  writeU32LE(out, 6, address.group);
  writeU32LE(out, 10, address.primitive);
  writeU16LE(out, kHeaderSize, static_cast<std::uint16_t>(parameter.size()));
  std::copy(parameter.begin(), parameter.end(), out.begin() + kPayloadOffset);
  const std::size_t trailer = kPayloadOffset + parameter.size();
  if (!peer.empty()) {
    writeU16LE(out, trailer, static_cast<std::uint16_t>(peer.size()));
    writeU16LE(out, trailer + 2, spareBits);
    std::copy(peer.begin(), peer.end(), out.begin() + static_cast<std::ptrdiff_t>(trailer + 4));
  }
  return message;
}

}  // namespace orbel
