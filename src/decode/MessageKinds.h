// Looks up the message kinds the library builds by their primitive identifier.
#pragma once

#include <cstdint>

#include "decode/PayloadDecoding.h"

namespace orbel {

// The row of `primitiveId`; null for an identifier the library does not
// build (SIM commands are the host's: see simPayloadDecoder).
const MessageKind* findMessageKind(std::uint32_t primitiveId);

}  // namespace orbel
