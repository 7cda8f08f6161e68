// Decoding of scenario files (".kscl") and single-command files (".ksc"):
// each record's head, and its message decoded as a diagnostic message.
#pragma once

#include <cstdint>
#include <span>

#include "decode/MessageDecoder.h"

namespace orbel {

bool looksLikeScenarioFile(std::span<const std::uint8_t> bytes);
DecodedMessage decodeScenarioFile(std::span<const std::uint8_t> bytes);

// Exactly one record whose kind and data length are valid.
bool looksLikeScenarioCommandFile(std::span<const std::uint8_t> bytes);
DecodedMessage decodeScenarioCommandFile(std::span<const std::uint8_t> bytes);

}  // namespace orbel
