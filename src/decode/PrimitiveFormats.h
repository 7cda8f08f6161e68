// Decoding of primitives through the host's primitive-description codec:
// the parameter of a primitive command message, and ".pcf" files.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "decode/MessageDecoder.h"
#include "decode/PayloadDecoding.h"

namespace orbel {

// The decoder of a described primitive's parameter (found by its module and
// identifier in the host's descriptions), or null.
PayloadDecoder primitivePayloadDecoder(ModuleId module, std::uint32_t primitiveId);

// The name of the described primitive, or empty.
std::string describedPrimitiveName(ModuleId module, std::uint32_t primitiveId);

bool looksLikePcfFile(std::span<const std::uint8_t> bytes);
DecodedMessage decodePcfFile(std::span<const std::uint8_t> bytes);

}  // namespace orbel
