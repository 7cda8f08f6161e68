// Shared by the payload decoders of each command family: where a payload
// field goes and how numbers are shown. Each family offers a lookup from the
// primitive identifier to its decoder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "orbel/builders/DiagMessage.h"
#include "orbel/decode/MessageDecoder.h"

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

// Enquiry, setting and cell-control commands; null for other identifiers.
PayloadDecoder commandPayloadDecoder(std::uint32_t primitiveId);
// Layer-1 info report configuration commands; null for other identifiers.
PayloadDecoder layer1ReportPayloadDecoder(std::uint32_t primitiveId);
// The SAP filter message of primitive 12031; null for other identifiers.
PayloadDecoder filterPayloadDecoder(std::uint32_t primitiveId);
// The other-parameter configuration of primitive 12200; null for other identifiers.
PayloadDecoder otherParamPayloadDecoder(std::uint32_t primitiveId);
// SIM commands of the host's definitions; null for identifiers no SIM
// command uses.
PayloadDecoder simPayloadDecoder(std::uint32_t primitiveId);

}  // namespace orbel
