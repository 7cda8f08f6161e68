// Decoders of the layer-1 filter's formats for `orbel decode`: the 1128-byte
// filter configuration (by the names it ticks), a layer-1 message (header
// and body) and the command frame that carries one. Each decoder's fields
// cover its input exactly once, in order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "decode/MessageDecoder.h"

namespace orbel {

bool looksLikeL1CommandFrame(std::span<const std::uint8_t> bytes);
DecodedMessage decodeL1CommandFrameFormat(std::span<const std::uint8_t> bytes);

bool looksLikeL1Message(std::span<const std::uint8_t> bytes);
DecodedMessage decodeL1MessageFormat(std::span<const std::uint8_t> bytes);

// A layer-1 filter file: the "TPCF" prefix and the filter command.
bool looksLikeL1FilterFile(std::span<const std::uint8_t> bytes);
DecodedMessage decodeL1FilterFileFormat(std::span<const std::uint8_t> bytes);

bool looksLikeL1FilterConfig(std::span<const std::uint8_t> bytes);
DecodedMessage decodeL1FilterConfigFormat(std::span<const std::uint8_t> bytes);

// Adds the fields of the 1128 configuration bytes found at `base` of the
// decoded input, and returns a one-line summary of what it ticks.
std::string addL1FilterConfigFields(std::span<const std::uint8_t, 1128> config, std::size_t base,
                                    DecodedMessage& message);

}  // namespace orbel
