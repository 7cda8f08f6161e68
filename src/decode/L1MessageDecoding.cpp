// Layer-1 messages and the command frames that carry them.
#include <algorithm>
#include <string>

#include "decode/L1Formats.h"
#include "decode/Names.h"
#include "decode/PayloadDecoding.h"
#include "orbel/l1filter/L1CommandFrame.h"
#include "orbel/l1filter/PhyFaFilterConfig.h"
#include "orbel/wire/ByteReader.h"

namespace orbel {
namespace {

std::string commandText(std::uint32_t code) {
  const std::string name = layer1CommandName(code);
  return name.empty() ? "command " + hexText(code, 6) : name;
}

std::string zeroText(std::span<const std::uint8_t> bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; }) ? "zero" : "not all zero";
}

void addBody(std::span<const std::uint8_t> body, std::uint32_t code, std::size_t base, DecodedMessage& message) {
  auto add = [&](std::size_t at, std::size_t width, std::string name, std::string value) {
    if (width > 0) message.fields.push_back({base + at, width, std::move(name), std::move(value)});
  };
  ByteReader reader(body);
  switch (static_cast<L1CommandCode>(code)) {
    case L1CommandCode::FilterConfig:
      if (body.size() == kPhyFaFilterConfigSize) {
        message.notes.push_back("configuration: " +
                                addL1FilterConfigFields(body.first<kPhyFaFilterConfigSize>(), base, message));
        return;
      }
      message.notes.push_back("a filter configuration has 1128 bytes, the body has " + std::to_string(body.size()));
      break;
    case L1CommandCode::PortSetting:
      if (const std::optional<std::uint32_t> option = reader.u32LE()) {
        add(0, 4, "port option",
            *option == 0 ? "0 (box ticked)" : *option == 1 ? "1 (box unticked)" : numberText(*option, 8));
        add(4, reader.remaining(), "padding", zeroText(reader.rest()));
        return;
      }
      break;
    case L1CommandCode::LoopTestChecked:
    case L1CommandCode::LoopTestUnchecked:
      if (const std::optional<std::uint32_t> fileSize = reader.u32LE()) {
        if (reader.skip(*fileSize)) {
          add(0, 4, "file size", std::to_string(*fileSize));
          add(4, *fileSize, "file data", "raw");
          add(reader.offset(), reader.remaining(), "padding", zeroText(reader.rest()));
          return;
        }
        message.notes.push_back("the file size " + std::to_string(*fileSize) + " does not fit the body of " +
                                std::to_string(body.size()) + " bytes");
      }
      break;
  }
  add(0, body.size(), "body", "raw");
}

// The 24-byte header at `base` and the body that follows it; the caller made
// sure that the body is exactly as long as the header announces.
std::string addMessage(const L1MessageHeader& header, std::span<const std::uint8_t> body, std::size_t base,
                       DecodedMessage& message) {
  auto& fields = message.fields;
  fields.push_back({base, 4, "sync", hexText(header.sync, 8) + (header.sync == kL1Sync ? "" : " (not the sync word)")});
  fields.push_back({base + 4, 2, "body words",
                    std::to_string(header.bodyWords) + " (" + std::to_string(header.bodyWords * 2) + " bytes)"});
  fields.push_back({base + 6, 2, "reserved", hexText(header.reserved6, 4)});
  fields.push_back({base + 8, 4, "reserved", hexText(header.reserved8, 8)});
  fields.push_back({base + 12, 4, "reserved", hexText(header.reserved12, 8)});
  std::string flags = "flags " + hexText(header.flags(), 2);
  if ((header.flags() & kL1FlagNoBody) != 0) flags += ", no body";
  fields.push_back({base + 16, 4, "code word",
                    hexText(header.codeWord, 8) + ' ' + commandText(header.commandCode()) + " (" + flags + ')'});
  fields.push_back({base + 20, 4, "reserved", hexText(header.reserved20, 8)});
  addBody(body, header.commandCode(), base + kL1MessageHeaderSize, message);
  return commandText(header.commandCode());
}

}  // namespace

bool looksLikeL1Message(std::span<const std::uint8_t> bytes) {
  if (ByteReader(bytes).u32LE() != kL1Sync) return false;
  // A configuration whose first bytes happen to match the sync word is left
  // to the configuration's decoder unless its header fits its length.
  const std::optional<L1MessageHeader> header = readL1MessageHeader(bytes);
  return bytes.size() != kPhyFaFilterConfigSize ||
         (header && kL1MessageHeaderSize + header->bodyLength() == bytes.size());
}

DecodedMessage decodeL1MessageFormat(std::span<const std::uint8_t> bytes) {
  DecodedMessage message;
  ByteReader reader(bytes);
  const std::optional<L1MessageHeader> header = readL1MessageHeader(reader);
  if (!header) {
    message.fault = ReadFault::Truncated;
    message.error = "truncated: " + std::to_string(bytes.size()) + " bytes, a layer-1 message header has 24";
    return message;
  }
  const std::size_t expected = kL1MessageHeaderSize + header->bodyLength();
  if (bytes.size() != expected) {
    message.fault = sizeFault(expected, bytes.size());
    message.error = std::string(bytes.size() < expected ? "truncated" : "inconsistent") + ": the header announces " +
                    std::to_string(expected) + " bytes, " + std::to_string(bytes.size()) + " are present";
    return message;
  }
  message.title = "layer-1 " + addMessage(*header, reader.rest(), 0, message) + " message";
  return message;
}

bool looksLikeL1CommandFrame(std::span<const std::uint8_t> bytes) {
  const std::optional<L1CommandFrame> frame = readL1CommandFrame(bytes);
  return frame && frame->header.moduleId == kL1FrameModule &&
         frame->header.messageGroup == static_cast<std::uint32_t>(MessageGroup::Layer1Command);
}

DecodedMessage decodeL1CommandFrameFormat(std::span<const std::uint8_t> bytes) {
  DecodedMessage message;
  const L1FrameCheck check = ValidateL1CommandFrame(bytes);
  const std::optional<L1CommandFrame> frame = readL1CommandFrame(bytes);
  ByteReader embedded(check.message);
  const std::optional<L1MessageHeader> messageHeader = readL1MessageHeader(embedded);
  if (!check || !frame || !messageHeader) {
    message.fault = faultOf(check.error);
    message.error = std::string("not a well-formed layer-1 command frame: ") + describeL1FrameError(check.error);
    return message;
  }
  const DiagMessageHeader& header = frame->header;
  auto& fields = message.fields;
  fields.push_back({0, 2, "total length", std::to_string(header.totalLength)});
  fields.push_back({2, 1, "start mark", hexText(header.startMark, 2)});
  fields.push_back({3, 1, "reserved", hexText(header.reserved, 2)});
  fields.push_back({4, 2, "module", moduleName(header.moduleId) + " (" + std::to_string(header.moduleId.task) + ", " +
                                        std::to_string(header.moduleId.subModule) + ")"});
  fields.push_back({6, 4, "message group", std::to_string(header.messageGroup) + ' ' + groupName(header.messageGroup)});
  fields.push_back({10, 4, "primitive",
                    hexText(header.primitiveId, 8) + ' ' + commandText(header.primitiveId & kL1CommandCodeMask)});
  fields.push_back({14, 4, "reserved", hexText(header.reservedWord, 8)});
  fields.push_back({kL1FrameMessageOffset, 2, "message offset", std::to_string(frame->messageOffset)});
  fields.push_back({kL1FrameMessageLength, 2, "message length", std::to_string(frame->messageLength)});
  fields.push_back({kL1FrameSpare, 2, "reserved", hexText(frame->spare, 4)});
  message.title =
      "layer-1 " + addMessage(*messageHeader, embedded.rest(), kL1FrameHeaderSize, message) + " command frame";

  const std::size_t end = kL1FrameHeaderSize + check.message.size();
  if (end < bytes.size()) {
    fields.push_back({end, bytes.size() - end, "trailing bytes", "raw"});
    message.notes.push_back(std::to_string(bytes.size() - end) + " bytes follow the embedded message");
  }
  if (header.totalLength != bytes.size())
    message.notes.push_back("the total length says " + std::to_string(header.totalLength) + " bytes, " +
                            std::to_string(bytes.size()) + " are present");
  return message;
}

}  // namespace orbel
