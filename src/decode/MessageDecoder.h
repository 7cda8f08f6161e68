// Decodes a diagnostic message field by field, for the CLI and the Qt host:
// the frame, the module and command names, and the payload of the commands
// the library builds. Refuses short or inconsistent input without reading
// past the bytes it was given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "orbel/wire/ByteReader.h"

namespace orbel {

struct DecodedField {
  std::size_t offset = 0;
  std::size_t width = 0;
  std::string name;
  std::string value;
};

struct DecodedMessage {
  std::string title;  // "RLC timer enquiry"
  std::vector<DecodedField> fields;
  std::vector<std::string> notes;  // what could not be decoded, and why
  std::string error;               // set when the input is not a message at all
  std::optional<ReadFault> fault;  // set with `error`: whether the input ran out or contradicts itself
};

DecodedMessage decodeDiagMessage(std::span<const std::uint8_t> bytes);

// One line per field: offset, the field's bytes in hex, name and value.
std::string formatDecoded(const DecodedMessage& message, std::span<const std::uint8_t> bytes);

}  // namespace orbel
