// The primitive command message: the diagnostic frame around an encoded
// parameter, with the peer-data length, the spare-bit count and the peer
// data behind it.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "orbel/wire/CommandBuffer.h"

namespace orbel {

struct PsdlAddress {
  std::array<std::uint8_t, 4> frame{};  // the header bytes of offsets 2 to 5
  std::uint32_t group = 0;
  std::uint32_t primitive = 0;
};

// 24 + L + P bytes: header words little-endian, the parameter as encoded,
// then P (little-endian), the spare-bit count and the P peer bytes. Without
// peer data both trailer words are zero. Empty when it cannot be allocated
// or the total exceeds the 16-bit length word.
CommandBuffer buildPsdlMessage(const PsdlAddress& address, std::span<const std::uint8_t> parameter,
                               std::span<const std::uint8_t> peer, std::uint16_t spareBits);

}  // namespace orbel
