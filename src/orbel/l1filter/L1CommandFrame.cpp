#include "orbel/l1filter/L1CommandFrame.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>

#include "orbel/wire/ByteOrder.h"

namespace orbel {
namespace {

static_assert(loopTestMessageLength(1124) == 1152 && loopTestMessageLength(1125) == 2304);
static_assert(loopTestMessageLength(kLoopTestMaxFileSize) + kL1FrameHeaderSize <= 0xFFFF);

// A zeroed frame with its header and the message header filled; the body is
// found again through the frame check, as every reader finds it.
CommandBuffer allocateFrame(L1CommandCode code, std::size_t bodyLength) {
  const std::size_t messageLength = kL1MessageHeaderSize + bodyLength;
  const std::size_t total = kL1FrameHeaderSize + messageLength;
  assert(total <= 0xFFFF);
  CommandBuffer frame = CommandBuffer::allocate(static_cast<std::uint32_t>(total), true);
  if (!frame) return frame;
  std::span<std::uint8_t> out = frame.bytes();
  L1CommandFrame header;
  header.header = {static_cast<std::uint16_t>(total), kStartMark, 0, kL1FrameModule,
                   static_cast<std::uint32_t>(MessageGroup::Layer1Command),
                   kL1FramePrimitiveBase + static_cast<std::uint32_t>(code), 0};
  header.messageLength = static_cast<std::uint16_t>(messageLength);
  writeL1CommandFrame(out, header);
  writeL1MessageHeader(out.subspan(kL1FrameHeaderSize), l1CommandHeader(code, bodyLength));
  return frame;
}

std::span<std::uint8_t> bodyOf(CommandBuffer& frame) {
  const L1FrameCheck check = ValidateL1CommandFrame(frame.bytes());
  assert(check);
  const std::size_t bodyAt = kL1FrameHeaderSize + kL1MessageHeaderSize;
  return frame.bytes().subspan(bodyAt, check.message.size() - kL1MessageHeaderSize);
}

}  // namespace

void writeL1CommandFrame(std::span<std::uint8_t> out, const L1CommandFrame& frame) {
  writeHeader(out, frame.header);
  writeU16LE(out, kL1FrameMessageOffset, frame.messageOffset);
  writeU16LE(out, kL1FrameMessageLength, frame.messageLength);
  writeU16LE(out, kL1FrameSpare, frame.spare);
}

std::optional<L1CommandFrame> readL1CommandFrame(ByteReader& in) {
  if (in.remaining() < kL1FrameHeaderSize) return std::nullopt;
  L1CommandFrame frame;
  frame.header = *readHeader(in);
  frame.messageOffset = *in.u16LE();
  frame.messageLength = *in.u16LE();
  frame.spare = *in.u16LE();
  return frame;
}

std::optional<L1CommandFrame> readL1CommandFrame(std::span<const std::uint8_t> in) {
  ByteReader reader(in);
  return readL1CommandFrame(reader);
}

ReadFault faultOf(L1FrameError error) {
  return error == L1FrameError::Truncated ? ReadFault::Truncated : ReadFault::Malformed;
}

const char* describeL1FrameError(L1FrameError error) {
  switch (error) {
    case L1FrameError::None: return "well formed";
    case L1FrameError::Truncated: return "truncated";
    case L1FrameError::NotLayer1: return "the primitive's top byte is not 0xBB";
    case L1FrameError::MessageOffset: return "the message offset word is not 0";
    case L1FrameError::MessageTooShort: return "the message length is below the 24 bytes of its header";
    case L1FrameError::SpareNotZero: return "the word at offset 22 is not 0";
    case L1FrameError::BodyLengthMismatch: return "the message length disagrees with the body length of its header";
    case L1FrameError::CodeMismatch: return "the primitive disagrees with the message's command code";
  }
  return "unknown";
}

L1FrameCheck ValidateL1CommandFrame(std::span<const std::uint8_t> frame) {
  ByteReader reader(frame);
  const std::optional<L1CommandFrame> header = readL1CommandFrame(reader);
  if (!header) return {L1FrameError::Truncated, {}};
  const std::uint32_t primitive = header->header.primitiveId;
  if (primitive >> 24 != kL1FramePrimitiveBase >> 24) return {L1FrameError::NotLayer1, {}};
  if (header->messageOffset != 0) return {L1FrameError::MessageOffset, {}};
  const std::size_t messageLength = header->messageLength;
  if (messageLength < kL1MessageHeaderSize) return {L1FrameError::MessageTooShort, {}};
  if (header->spare != 0) return {L1FrameError::SpareNotZero, {}};
  const std::optional<std::span<const std::uint8_t>> message = reader.bytes(messageLength);
  if (!message) return {L1FrameError::Truncated, {}};
  const std::optional<L1MessageHeader> embedded = readL1MessageHeader(*message);
  if (!embedded || messageLength != kL1MessageHeaderSize + embedded->bodyLength())
    return {L1FrameError::BodyLengthMismatch, {}};
  if (primitive != kL1FramePrimitiveBase + embedded->commandCode()) return {L1FrameError::CodeMismatch, {}};
  return {L1FrameError::None, *message};
}

CommandBuffer buildPortSettingFrame(bool ticked) {
  CommandBuffer frame = allocateFrame(L1CommandCode::PortSetting, kPortSettingBodySize);
  if (frame) writeU32LE(bodyOf(frame), 0, ticked ? 0 : 1);
  return frame;
}

CommandBuffer buildLoopTestFrame(bool ticked, std::span<const std::uint8_t> file) {
  assert(!file.empty() && file.size() <= kLoopTestMaxFileSize);
  const L1CommandCode code = ticked ? L1CommandCode::LoopTestChecked : L1CommandCode::LoopTestUnchecked;
  CommandBuffer frame = allocateFrame(code, loopTestMessageLength(file.size()) - kL1MessageHeaderSize);
  if (!frame) return frame;
  std::span<std::uint8_t> body = bodyOf(frame);
  writeU32LE(body, 0, static_cast<std::uint32_t>(file.size()));
  std::copy(file.begin(), file.end(), body.begin() + 4);
  return frame;
}

void keepFrame(unsigned char*& holder, CommandBuffer frame) {
  std::free(holder);
  unsigned int length = 0;
  holder = frame.handOver(&length);
}

}  // namespace orbel
