#include "decode/MessageDecoder.h"

#include <cstdio>

#include "decode/MessageKinds.h"
#include "decode/Names.h"
#include "decode/PayloadDecoding.h"
#include "decode/PrimitiveFormats.h"
#include "orbel/wire/ByteReader.h"
#include "orbel/wire/DiagMessage.h"

namespace orbel {
namespace {

// The decoder of the kind's row; SIM commands and described primitives use
// identifiers of the host's choosing and are looked up last.
PayloadDecoder payloadDecoderFor(ModuleId module, std::uint32_t primitiveId) {
  if (const MessageKind* kind = findMessageKind(primitiveId)) return kind->decode;
  if (PayloadDecoder sim = simPayloadDecoder(primitiveId)) return sim;
  return primitivePayloadDecoder(module, primitiveId);
}

}  // namespace

DecodedMessage decodeDiagMessage(std::span<const std::uint8_t> bytes) {
  DecodedMessage message;
  auto refuse = [&message](ReadFault fault, std::string reason) {
    message.fault = fault;
    message.error = std::move(reason);
    return message;
  };
  ByteReader reader(bytes);
  const std::optional<DiagMessageHeader> header = readHeader(reader);
  const std::optional<std::uint16_t> payloadLength = reader.u16LE();
  if (bytes.size() < kFrameOverhead || !header || !payloadLength)
    return refuse(ReadFault::Truncated, "truncated: " + std::to_string(bytes.size()) +
                                            " bytes, a diagnostic message has at least " +
                                            std::to_string(kFrameOverhead));
  if (header->totalLength != bytes.size())
    return refuse(sizeFault(header->totalLength, bytes.size()), "inconsistent: the length field says " +
                                                                    std::to_string(header->totalLength) + " bytes, " +
                                                                    std::to_string(bytes.size()) + " are present");
  const std::optional<std::span<const std::uint8_t>> payload = reader.bytes(*payloadLength);
  const std::size_t trailer = reader.offset();
  const std::optional<std::uint16_t> peerLength = reader.u16LE();
  const std::optional<std::uint16_t> spareBits = reader.u16LE();
  if (!payload || !peerLength || !spareBits)
    return refuse(ReadFault::Malformed, "inconsistent: a payload of " + std::to_string(*payloadLength) +
                                            " bytes does not fit in " + std::to_string(bytes.size()));
  if (reader.remaining() != *peerLength)
    return refuse(ReadFault::Malformed, "inconsistent: " + std::to_string(*payloadLength) + " payload and " +
                                            std::to_string(*peerLength) + " peer-data bytes do not add up to " +
                                            std::to_string(bytes.size()));

  const std::string module = moduleName(header->moduleId);
  std::string command = commandName(header->primitiveId);
  if (command.empty()) command = describedPrimitiveName(header->moduleId, header->primitiveId);
  const std::string group = groupName(header->messageGroup);
  message.title = module + ' ' + (command.empty() ? "primitive " + std::to_string(header->primitiveId) : command);
  auto& fields = message.fields;
  fields.push_back({0, 2, "total length", std::to_string(header->totalLength)});
  fields.push_back({2, 1, "start mark", hexText(header->startMark, 2)});
  fields.push_back({3, 1, "reserved", hexText(header->reserved, 2)});
  fields.push_back({4, 2, "module", module + " (" + std::to_string(header->moduleId.task) + ", " +
                                        std::to_string(header->moduleId.subModule) + ")"});
  fields.push_back({6, 4, "message group", std::to_string(header->messageGroup) + (group.empty() ? "" : " " + group)});
  fields.push_back({10, 4, "primitive", std::to_string(header->primitiveId) + (command.empty() ? "" : " " + command)});
  fields.push_back({14, 4, "reserved", hexText(header->reservedWord, 8)});
  fields.push_back({kHeaderSize, 2, "payload length", std::to_string(*payloadLength)});

  const std::size_t fieldsBefore = fields.size();
  if (PayloadDecoder decoder = payloadDecoderFor(header->moduleId, header->primitiveId))
    decoder({header->moduleId, header->primitiveId, *payload, fields, message.notes});
  if (fields.size() == fieldsBefore && *payloadLength > 0)
    fields.push_back({kPayloadOffset, *payloadLength, "payload", "raw"});

  fields.push_back({trailer, 2, "peer-data length", std::to_string(*peerLength)});
  fields.push_back({trailer + 2, 2, "spare bits", std::to_string(*spareBits)});
  if (*peerLength > 0) fields.push_back({trailer + 4, *peerLength, "peer data", "raw"});
  return message;
}

std::string formatDecoded(const DecodedMessage& message, std::span<const std::uint8_t> bytes) {
  if (!message.error.empty()) return "error: " + message.error + '\n';
  std::string text = message.title + '\n';
  for (const DecodedField& field : message.fields) {
    char offset[16];
    std::snprintf(offset, sizeof offset, "%4zu  ", field.offset);
    std::string hexBytes;
    for (std::size_t i = 0; i < field.width && field.offset + i < bytes.size(); ++i) {
      char byte[4];
      std::snprintf(byte, sizeof byte, "%02X ", bytes[field.offset + i]);
      hexBytes += byte;
      if (i == 7 && field.width > 9) {
        hexBytes += "... ";
        break;
      }
    }
    hexBytes.resize(std::max<std::size_t>(hexBytes.size(), 28), ' ');
    text += offset + hexBytes + field.name + ": " + field.value + '\n';
  }
  for (const std::string& note : message.notes) text += "note: " + note + '\n';
  return text;
}


std::string hexText(std::uint32_t value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%0*X", digits, value);
  return text;
}

std::string numberText(std::uint32_t value, int digits) {
  return std::to_string(value) + " (" + hexText(value, digits) + ")";
}

void addPayloadField(const PayloadContext& context, std::size_t at, std::size_t width, std::string name,
                     std::string value) {
  context.fields.push_back({kPayloadOffset + at, width, std::move(name), std::move(value)});
}

bool expectPayloadLength(const PayloadContext& context, std::size_t length, const char* command) {
  if (context.payload.size() == length) return true;
  context.notes.push_back("payload of " + std::to_string(context.payload.size()) + " bytes, a " + command + " has " +
                          std::to_string(length));
  return false;
}

}  // namespace orbel
