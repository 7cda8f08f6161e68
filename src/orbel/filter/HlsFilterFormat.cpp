#include "orbel/filter/HlsFilterFormat.h"

#include <algorithm>

#include "orbel/builders/ByteOrder.h"

namespace orbel {
namespace {

constexpr std::uint32_t kGroup = static_cast<std::uint32_t>(MessageGroup::ProtocolStack);
constexpr std::uint32_t kPrimitive = static_cast<std::uint32_t>(PrimitiveId::HlsFilter);

// The embedded message as the file stores it: the diagnostic frame with
// every multi-byte field big-endian.
void writeEmbeddedMessage(std::span<std::uint8_t> out, std::span<const std::uint8_t> payload) {
  const std::size_t total = kFrameOverhead + payload.size();
  writeU16BE(out, 0, static_cast<std::uint16_t>(total));
  writeU8(out, 2, kStartMark);
  writeU8(out, 3, 0);
  writeU8(out, 4, kHlsFilterModule.task);
  writeU8(out, 5, kHlsFilterModule.subModule);
  writeUBE(out, 6, kGroup, 4);
  writeUBE(out, 10, kPrimitive, 4);
  writeUBE(out, 14, 0, 4);
  writeU16BE(out, kHeaderSize, static_cast<std::uint16_t>(payload.size()));
  std::copy(payload.begin(), payload.end(), out.begin() + kPayloadOffset);
  writeU16BE(out, total - 4, 0);
  writeU16BE(out, total - 2, 0);
}

HlsFileContents refuse(HlsFault fault, std::string reason) {
  HlsFileContents contents;
  contents.fault = fault;
  contents.reason = std::move(reason);
  return contents;
}

std::string bytesText(std::size_t n) { return std::to_string(n) + (n == 1 ? " byte" : " bytes"); }

}  // namespace

std::optional<std::vector<std::uint8_t>> encodeHlsFilterFile(std::span<const std::uint8_t> payload) {
  if (payload.empty() || payload.size() > kMaxHlsPayload) return std::nullopt;
  const std::size_t messageLength = kFrameOverhead + payload.size();
  const std::size_t frames = (messageLength + kHlsChunkSize - 1) / kHlsChunkSize;
  std::vector<std::uint8_t> message(messageLength);
  writeEmbeddedMessage(message, payload);

  std::vector<std::uint8_t> file(kHlsFileHeaderSize + frames * kHlsFrameHeaderSize + messageLength);
  const std::span<std::uint8_t> out(file);
  std::copy(std::begin(kHlsFileMagic), std::end(kHlsFileMagic), file.begin());
  writeU32LE(out, 4, static_cast<std::uint32_t>(file.size() - kHlsFileHeaderSize));
  std::size_t at = kHlsFileHeaderSize;
  for (std::size_t number = 1, sent = 0; number <= frames; ++number) {
    const std::size_t chunk = std::min(kHlsChunkSize, messageLength - sent);
    writeU8(out, at, kHlsFrameMark[0]);
    writeU8(out, at + 1, kHlsFrameMark[1]);
    writeU16BE(out, at + 2, static_cast<std::uint16_t>(chunk + 5));
    writeU8(out, at + 4, static_cast<std::uint8_t>(frames));
    writeU8(out, at + 5, static_cast<std::uint8_t>(number));
    writeU8(out, at + 6, kHlsFrameKind);
    std::copy_n(message.begin() + static_cast<std::ptrdiff_t>(sent), chunk,
                file.begin() + static_cast<std::ptrdiff_t>(at + kHlsFrameHeaderSize));
    at += kHlsFrameHeaderSize + chunk;
    sent += chunk;
  }
  return file;
}

HlsFileContents parseHlsFilterFile(std::span<const std::uint8_t> file) {
  if (file.size() > kMaxHlsFileSize)
    return refuse(HlsFault::Malformed, "a file of " + bytesText(file.size()) + ", at most " +
                                           std::to_string(kMaxHlsFileSize) + " can be read");
  HlsFileContents contents;
  std::span<const std::uint8_t> frames = file;
  std::size_t base = 0;  // where the frames start in the file
  if (file.size() >= kHlsFileHeaderSize &&
      std::equal(std::begin(kHlsFileMagic), std::end(kHlsFileMagic), file.begin())) {
    const std::uint64_t stated = readU32LE(file, 4);
    if (stated + kHlsFileHeaderSize != file.size())
      return refuse(stated + kHlsFileHeaderSize > file.size() ? HlsFault::Truncated : HlsFault::Malformed,
                    "the file header announces " + bytesText(stated) + " after it, " +
                        bytesText(file.size() - kHlsFileHeaderSize) + " follow");
    contents.fileHeader = true;
    base = kHlsFileHeaderSize;
    frames = file.subspan(base);
  }

  const std::size_t size = frames.size();
  contents.message.reserve(size);
  if (size < kHlsFrameHeaderSize + kFrameOverhead)
    return refuse(HlsFault::Truncated, bytesText(size) + " of frames, a filter file needs at least " +
                                           std::to_string(kHlsFrameHeaderSize + kFrameOverhead));
  if (frames[0] != kHlsFrameMark[0] || frames[1] != kHlsFrameMark[1])
    return refuse(HlsFault::Malformed, "the first frame does not start with F3 64");
  const std::uint8_t count = frames[4];
  const std::uint8_t kind = frames[6];
  if (count < 1) return refuse(HlsFault::Malformed, "the first frame announces no frames");
  if (frames[5] != 1) return refuse(HlsFault::Malformed, "the first frame is numbered " + std::to_string(frames[5]));

  std::size_t offset = 0;
  for (std::size_t number = 1; number <= count; ++number) {
    const std::string frame = "frame " + std::to_string(number) + " at offset " + std::to_string(base + offset);
    if (offset + kHlsFrameHeaderSize >= size)
      return refuse(HlsFault::Truncated, frame + ": the file ends within its header or before its data");
    const std::size_t frameLength = readU16BE(frames, offset + 2);
    if (frames[offset] != kHlsFrameMark[0] || frames[offset + 1] != kHlsFrameMark[1])
      return refuse(HlsFault::Malformed, frame + ": does not start with F3 64");
    if (frameLength < 5)
      return refuse(HlsFault::Malformed, frame + ": frame length " + std::to_string(frameLength) + " is below 5");
    const std::size_t chunk = frameLength - 5;
    if (offset + kHlsFrameHeaderSize + chunk > size)
      return refuse(HlsFault::Truncated, frame + ": " + bytesText(chunk) + " of data announced, " +
                                             bytesText(size - offset - kHlsFrameHeaderSize) + " left");
    if (frames[offset + 4] != count)
      return refuse(HlsFault::Malformed, frame + ": announces " + std::to_string(frames[offset + 4]) +
                                             " frames, the first frame " + std::to_string(count));
    if (frames[offset + 5] != number)
      return refuse(HlsFault::Malformed, frame + ": numbered " + std::to_string(frames[offset + 5]));
    if (frames[offset + 6] != kind)
      return refuse(HlsFault::Malformed, frame + ": kind " + std::to_string(frames[offset + 6]) +
                                             ", the first frame has kind " + std::to_string(kind));
    contents.frames.push_back({base + offset, count, static_cast<std::uint8_t>(number), kind, chunk});
    const auto data = frames.subspan(offset + kHlsFrameHeaderSize, chunk);
    contents.message.insert(contents.message.end(), data.begin(), data.end());
    offset += kHlsFrameHeaderSize + chunk;
  }
  if (offset != size) return refuse(HlsFault::Malformed, bytesText(size - offset) + " after the last frame");

  std::vector<std::uint8_t>& message = contents.message;
  const std::size_t length = message.size();
  if (length < kFrameOverhead)
    return refuse(HlsFault::Truncated, "the frames carry " + bytesText(length) + ", a message has at least " +
                                           std::to_string(kFrameOverhead));
  const std::size_t statedLength = readU16BE(message, 0);
  const std::size_t payloadLength = readU16BE(message, kHeaderSize);
  if (statedLength != length || payloadLength + kFrameOverhead != length)
    return refuse(HlsFault::Malformed, "the message length " + std::to_string(statedLength) + " and payload length " +
                                           std::to_string(payloadLength) + " do not match the " + bytesText(length) +
                                           " the frames carry");

  const std::span<std::uint8_t> out(message);
  const std::uint32_t group = readUBE(message, 6, 4);
  const std::uint32_t primitive = readUBE(message, 10, 4);
  const std::uint32_t reserved = readUBE(message, 14, 4);
  const std::uint16_t peerLength = readU16BE(message, length - 4);
  const std::uint16_t spareBits = readU16BE(message, length - 2);
  writeU16LE(out, 0, static_cast<std::uint16_t>(statedLength));
  writeU32LE(out, 6, group);
  writeU32LE(out, 10, primitive);
  writeU32LE(out, 14, reserved);
  writeU16LE(out, kHeaderSize, static_cast<std::uint16_t>(payloadLength));
  writeU16LE(out, length - 4, peerLength);
  writeU16LE(out, length - 2, spareBits);
  if (message[2] != kStartMark || message[3] != 0 || message[4] != kHlsFilterModule.task ||
      message[5] != kHlsFilterModule.subModule)
    return refuse(HlsFault::Malformed, "the message is not routed FF 00 09 00");
  if (group != kGroup || primitive != kPrimitive)
    return refuse(HlsFault::Malformed, "group " + std::to_string(group) + ", primitive " + std::to_string(primitive) +
                                           ": not the filter message (13002, 12031)");
  if (reserved != 0 || peerLength != 0 || spareBits != 0)
    return refuse(HlsFault::Malformed, "the reserved word or the trailer words are not zero");
  return contents;
}

}  // namespace orbel
