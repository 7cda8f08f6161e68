// Decoders of the layer-2 configuration's formats for `orbel decode`: the
// "L2Config.dat" file, the 792-byte state block and the 776-byte record of
// the save-configuration dialog, each tick named by its SAP identity. Each
// decoder's fields cover its input exactly once, in order.
#pragma once

#include <cstdint>
#include <span>

#include "decode/MessageDecoder.h"

namespace orbel {

bool looksLikeL2ConfigFile(std::span<const std::uint8_t> bytes);
DecodedMessage decodeL2ConfigFileFormat(std::span<const std::uint8_t> bytes);

bool looksLikeL2ConfigState(std::span<const std::uint8_t> bytes);
DecodedMessage decodeL2ConfigStateFormat(std::span<const std::uint8_t> bytes);

bool looksLikeL2SapRecord(std::span<const std::uint8_t> bytes);
DecodedMessage decodeL2SapRecordFormat(std::span<const std::uint8_t> bytes);

}  // namespace orbel
