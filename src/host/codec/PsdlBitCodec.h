// Encoding and decoding of field values: every field big-endian and
// bit-exact, one after another without alignment (an optional field's
// presence bit first, a length or count before a variable string or array),
// the whole padded with zero bits to a full octet.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "host/codec/PsdlValue.h"

namespace psdl {

std::vector<std::uint8_t> encodeFields(const std::vector<FieldValue>& fields);

struct DecodeFailure {
  bool truncated = false;  // the bits ran out; otherwise a value contradicts its description
  std::string reason;      // "establishmentCause: 9 is not a named value"
};

// The fields of `type` read from `bytes`, which must hold exactly one
// encoding (nothing after the padding, the padding zero).
std::variant<std::vector<FieldValue>, DecodeFailure> decodeFields(const DescriptionSet& set, const TypeDesc& type,
                                                                  std::span<const std::uint8_t> bytes);

}  // namespace psdl
