// The SAP filter message, inside a diagnostic message of primitive 12031 or
// on its own.
#include <variant>

#include "decode/FilterFormats.h"
#include "decode/PayloadDecoding.h"
#include "orbel/filter/SapFilterMessage.h"

namespace orbel {
namespace {

std::string attributeText(std::uint8_t attribute) {
  switch (attribute) {
    case kAttributeOn: return "2 (attribute on)";
    case kAttributeOff: return "1 (attribute off)";
    default: return std::to_string(attribute) + " (unknown attribute)";
  }
}

void decodeFilterPayload(const PayloadContext& context) {
  if (isDisplayFilterPayload(context.payload)) {
    addDisplayFilterFields(context.payload, kPayloadOffset, context.fields, context.notes);
    return;
  }
  addSapFilterFields(context.payload, kPayloadOffset, context.fields, context.notes);
}

}  // namespace

void addSapFilterFields(std::span<const std::uint8_t> body, std::size_t base, std::vector<DecodedField>& fields,
                        std::vector<std::string>& notes) {
  auto read = readSapFilterMessage(body);
  if (const auto* refusal = std::get_if<ReadRefusal>(&read)) {
    notes.push_back("SAP filter message: " + refusal->reason);
    return;
  }
  const SapFilterContents& contents = std::get<SapFilterContents>(read);
  const bool full = contents.type == kSapFilterFullType;
  fields.push_back({base, 1, "message type",
                    hexText(contents.type, 2) + (full ? " SAP filter" : " compact SAP filter, no attributes")});
  fields.push_back({base + 1, 1, "reserved", hexText(body[1], 2)});
  fields.push_back({base + 2, 2, "identifier list length",
                    std::to_string(4 * contents.ids.size()) + " (" + std::to_string(contents.ids.size()) + " SAPs)"});
  std::size_t at = base + kSapFilterHeaderSize;
  for (std::size_t i = 0; i < contents.ids.size(); ++i, at += 4)
    fields.push_back({at, 4, "SAP " + std::to_string(i + 1), numberText(contents.ids[i], 8)});
  for (std::size_t i = 0; i < contents.attributes.size(); ++i, ++at)
    fields.push_back(
        {at, 1, "attribute of SAP " + std::to_string(contents.ids[i]), attributeText(contents.attributes[i])});
}

bool looksLikeSapFilterMessage(std::span<const std::uint8_t> bytes) {
  return std::holds_alternative<SapFilterContents>(readSapFilterMessage(bytes));
}

DecodedMessage decodeSapFilterMessage(std::span<const std::uint8_t> bytes) {
  DecodedMessage message;
  auto read = readSapFilterMessage(bytes);
  if (const auto* refusal = std::get_if<ReadRefusal>(&read)) {
    message.error = refusal->reason;
    message.fault = refusal->fault;
    return message;
  }
  const auto& contents = std::get<SapFilterContents>(read);
  message.title =
      std::string(contents.type == kSapFilterFullType ? "SAP filter message" : "compact SAP filter message") + ", " +
      std::to_string(contents.ids.size()) + " SAPs";
  addSapFilterFields(bytes, 0, message.fields, message.notes);
  return message;
}

constexpr MessageKind kFilterKinds[] = {
    {PrimitiveId::HlsFilter, "HLS trace filter", decodeFilterPayload},
};

std::span<const MessageKind> filterMessageKinds() { return kFilterKinds; }

}  // namespace orbel
