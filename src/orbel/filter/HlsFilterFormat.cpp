#include "orbel/filter/HlsFilterFormat.h"

#include <algorithm>

#include "orbel/wire/ByteOrder.h"

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

std::string bytesText(std::size_t n) { return std::to_string(n) + (n == 1 ? " byte" : " bytes"); }

ReadRefusal refuse(ReadFault fault, std::string reason) { return {fault, std::move(reason)}; }

// The "HLSF" header, when the file starts with one: it must count exactly the
// bytes after it. Leaves `file` at the first frame; `present` says whether
// there was a header.
std::optional<ReadRefusal> readFileHeader(ByteReader& file, bool& present) {
  ByteReader header = file;
  const std::optional<std::span<const std::uint8_t>> magic = header.bytes(std::size(kHlsFileMagic));
  const std::optional<std::uint32_t> stated = header.u32LE();
  present = magic && stated && std::equal(magic->begin(), magic->end(), std::begin(kHlsFileMagic));
  if (!present) return std::nullopt;
  if (*stated != header.remaining())
    return refuse(sizeFault(*stated, header.remaining()), "the file header announces " + bytesText(*stated) +
                                                              " after it, " + bytesText(header.remaining()) +
                                                              " follow");
  file = header;
  return std::nullopt;
}

// Every frame from `file`'s position to its end, their data joined into the
// contents' message.
std::optional<ReadRefusal> readFrames(ByteReader& file, HlsFileContents& contents) {
  const std::size_t size = file.remaining();
  contents.message.reserve(size);
  // The first frame's header says how many frames follow and of which kind.
  ByteReader first = file;
  const std::optional<std::span<const std::uint8_t>> firstMark = first.bytes(2);
  const bool firstLength = first.skip(2);
  const std::optional<std::uint8_t> count = first.u8();
  const std::optional<std::uint8_t> firstNumber = first.u8();
  const std::optional<std::uint8_t> kind = first.u8();
  if (size < kHlsFrameHeaderSize + kFrameOverhead || !firstMark || !firstLength || !count || !firstNumber || !kind)
    return refuse(ReadFault::Truncated, bytesText(size) + " of frames, a filter file needs at least " +
                                            std::to_string(kHlsFrameHeaderSize + kFrameOverhead));
  if (!std::equal(firstMark->begin(), firstMark->end(), std::begin(kHlsFrameMark)))
    return refuse(ReadFault::Malformed, "the first frame does not start with F3 64");
  if (*count < 1) return refuse(ReadFault::Malformed, "the first frame announces no frames");
  if (*firstNumber != 1)
    return refuse(ReadFault::Malformed, "the first frame is numbered " + std::to_string(*firstNumber));

  for (std::size_t number = 1; number <= *count; ++number) {
    const std::size_t at = file.offset();
    const std::string frame = "frame " + std::to_string(number) + " at offset " + std::to_string(at);
    // A frame needs at least one byte of data after its header.
    const bool dataFollows = file.remaining() > kHlsFrameHeaderSize;
    const std::optional<std::span<const std::uint8_t>> mark = file.bytes(2);
    const std::optional<std::uint16_t> frameLength = file.u16BE();
    const std::optional<std::uint8_t> frameCount = file.u8();
    const std::optional<std::uint8_t> frameNumber = file.u8();
    const std::optional<std::uint8_t> frameKind = file.u8();
    if (!dataFollows || !mark || !frameLength || !frameCount || !frameNumber || !frameKind)
      return refuse(ReadFault::Truncated, frame + ": the file ends within its header or before its data");
    if (!std::equal(mark->begin(), mark->end(), std::begin(kHlsFrameMark)))
      return refuse(ReadFault::Malformed, frame + ": does not start with F3 64");
    if (*frameLength < 5)
      return refuse(ReadFault::Malformed, frame + ": frame length " + std::to_string(*frameLength) + " is below 5");
    const std::size_t chunk = *frameLength - 5u;
    const std::size_t left = file.remaining();
    const std::optional<std::span<const std::uint8_t>> data = file.bytes(chunk);
    if (!data)
      return refuse(ReadFault::Truncated, frame + ": " + bytesText(chunk) + " of data announced, " + bytesText(left) +
                                              " left");
    if (*frameCount != *count)
      return refuse(ReadFault::Malformed, frame + ": announces " + std::to_string(*frameCount) +
                                              " frames, the first frame " + std::to_string(*count));
    if (*frameNumber != number)
      return refuse(ReadFault::Malformed, frame + ": numbered " + std::to_string(*frameNumber));
    if (*frameKind != *kind)
      return refuse(ReadFault::Malformed, frame + ": kind " + std::to_string(*frameKind) +
                                              ", the first frame has kind " + std::to_string(*kind));
    contents.frames.push_back({at, *count, static_cast<std::uint8_t>(number), *kind, chunk});
    contents.message.insert(contents.message.end(), data->begin(), data->end());
  }
  if (!file.atEnd()) return refuse(ReadFault::Malformed, bytesText(file.remaining()) + " after the last frame");
  return std::nullopt;
}

// Checks the embedded message, stored with every multi-byte field big-endian,
// and turns its header and trailer words little-endian in place.
std::optional<ReadRefusal> readEmbeddedMessage(std::vector<std::uint8_t>& message) {
  const std::size_t length = message.size();
  ByteReader in(message);
  const std::optional<std::uint16_t> statedLength = in.u16BE();
  const std::optional<std::span<const std::uint8_t>> routing = in.bytes(4);
  const std::optional<std::uint32_t> group = in.u32BE();
  const std::optional<std::uint32_t> primitive = in.u32BE();
  const std::optional<std::uint32_t> reserved = in.u32BE();
  const std::optional<std::uint16_t> payloadLength = in.u16BE();
  if (length < kFrameOverhead || !statedLength || !routing || !group || !primitive || !reserved || !payloadLength)
    return refuse(ReadFault::Truncated, "the frames carry " + bytesText(length) + ", a message has at least " +
                                            std::to_string(kFrameOverhead));
  const bool payloadFits = in.skip(*payloadLength);
  const std::optional<std::uint16_t> peerLength = in.u16BE();
  const std::optional<std::uint16_t> spareBits = in.u16BE();
  if (*statedLength != length || !payloadFits || !peerLength || !spareBits || !in.atEnd())
    return refuse(ReadFault::Malformed, "the message length " + std::to_string(*statedLength) + " and payload length " +
                                            std::to_string(*payloadLength) + " do not match the " + bytesText(length) +
                                            " the frames carry");
  const std::uint8_t expectedRouting[] = {kStartMark, 0, kHlsFilterModule.task, kHlsFilterModule.subModule};
  const bool routedToFilter = std::equal(routing->begin(), routing->end(), std::begin(expectedRouting));

  const std::span<std::uint8_t> out(message);
  writeU16LE(out, 0, *statedLength);
  writeU32LE(out, 6, *group);
  writeU32LE(out, 10, *primitive);
  writeU32LE(out, 14, *reserved);
  writeU16LE(out, kHeaderSize, *payloadLength);
  writeU16LE(out, length - 4, *peerLength);
  writeU16LE(out, length - 2, *spareBits);
  if (!routedToFilter) return refuse(ReadFault::Malformed, "the message is not routed FF 00 09 00");
  if (*group != kGroup || *primitive != kPrimitive)
    return refuse(ReadFault::Malformed, "group " + std::to_string(*group) + ", primitive " +
                                            std::to_string(*primitive) + ": not the filter message (13002, 12031)");
  if (*reserved != 0 || *peerLength != 0 || *spareBits != 0)
    return refuse(ReadFault::Malformed, "the reserved word or the trailer words are not zero");
  return std::nullopt;
}

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
  HlsFileContents contents;
  std::optional<ReadRefusal> refusal;
  if (file.size() > kMaxHlsFileSize) {
    refusal = refuse(ReadFault::Malformed, "a file of " + bytesText(file.size()) + ", at most " +
                                               std::to_string(kMaxHlsFileSize) + " can be read");
  } else {
    ByteReader reader(file);
    refusal = readFileHeader(reader, contents.fileHeader);
    if (!refusal) refusal = readFrames(reader, contents);
    if (!refusal) refusal = readEmbeddedMessage(contents.message);
  }
  if (!refusal) return contents;
  HlsFileContents refused;
  refused.fault = refusal->fault;
  refused.reason = std::move(refusal->reason);
  return refused;
}

}  // namespace orbel
