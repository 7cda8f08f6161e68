// Shared by the payload decoders of each command family: where a payload
// field goes and how numbers are shown. Each family offers a lookup from the
// primitive identifier to its decoder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "decode/MessageDecoder.h"
#include "orbel/wire/DiagMessage.h"

namespace orbel {

struct PayloadContext {
  ModuleId module;
  std::uint32_t primitiveId = 0;
  std::span<const std::uint8_t> payload;
  std::vector<DecodedField>& fields;
  std::vector<std::string>& notes;
};

using PayloadDecoder = void (*)(const PayloadContext&);

// "0x002A" with `digits` hex digits.
std::string hexText(std::uint32_t value, int digits);
// "42 (0x002A)".
std::string numberText(std::uint32_t value, int digits);

// Adds a field at payload offset `at`.
void addPayloadField(const PayloadContext& context, std::size_t at, std::size_t width, std::string name,
                     std::string value);
// True when the payload has `length` bytes; otherwise notes why it is shown raw.
bool expectPayloadLength(const PayloadContext& context, std::size_t length, const char* command);

// A message kind the library builds: its primitive identifier, the name the
// decoder shows and the decoder of its payload. Each command family keeps
// its rows beside its decoders.
struct MessageKind {
  PrimitiveId primitive;
  std::string_view name;
  PayloadDecoder decode;
};

// Enquiry, setting and cell-control commands.
std::span<const MessageKind> commandMessageKinds();
// Layer-1 info report configuration commands.
std::span<const MessageKind> layer1ReportMessageKinds();
// The SAP filter message.
std::span<const MessageKind> filterMessageKinds();
// The other-parameter configuration.
std::span<const MessageKind> otherParamMessageKinds();
// SIM commands of the host's definitions; null for identifiers no SIM
// command uses.
PayloadDecoder simPayloadDecoder(std::uint32_t primitiveId);

}  // namespace orbel
