#include "orbel/wire/DiagMessage.h"

#include <algorithm>

#include "orbel/wire/ByteOrder.h"

namespace orbel {

void writeHeader(std::span<std::uint8_t> out, const DiagMessageHeader& header) {
  writeU16LE(out, 0, header.totalLength);
  writeU8(out, 2, header.startMark);
  writeU8(out, 3, header.reserved);
  writeU8(out, 4, header.moduleId.task);
  writeU8(out, 5, header.moduleId.subModule);
  writeU32LE(out, 6, header.messageGroup);
  writeU32LE(out, 10, header.primitiveId);
  writeU32LE(out, 14, header.reservedWord);
}

std::optional<DiagMessageHeader> readHeader(ByteReader& in) {
  if (in.remaining() < kHeaderSize) return std::nullopt;
  DiagMessageHeader header;
  header.totalLength = *in.u16LE();
  header.startMark = *in.u8();
  header.reserved = *in.u8();
  header.moduleId.task = *in.u8();
  header.moduleId.subModule = *in.u8();
  header.messageGroup = *in.u32LE();
  header.primitiveId = *in.u32LE();
  header.reservedWord = *in.u32LE();
  return header;
}

std::optional<DiagMessageHeader> readHeader(std::span<const std::uint8_t> in) {
  ByteReader reader(in);
  return readHeader(reader);
}

CommandBuffer frameMessage(ModuleId module, MessageGroup group, PrimitiveId primitive,
                           std::span<const std::uint8_t> payload, bool zeroed) {
  // Direct builders' payloads are a few bytes; the 16-bit length words hold them.
  assert(payload.size() <= 0xFFFF - kFrameOverhead);
  const auto total = static_cast<std::uint16_t>(kFrameOverhead + payload.size());
  CommandBuffer buffer = CommandBuffer::allocate(total, zeroed);
  if (!buffer) return buffer;
  std::span<std::uint8_t> out = buffer.bytes();
  writeHeader(out, {total, kStartMark, 0, module, static_cast<std::uint32_t>(group),
                    static_cast<std::uint32_t>(primitive), 0});
  writeU16LE(out, kHeaderSize, static_cast<std::uint16_t>(payload.size()));
  std::copy(payload.begin(), payload.end(), out.begin() + kPayloadOffset);
  writeU16LE(out, kPayloadOffset + payload.size(), 0);
  writeU16LE(out, kPayloadOffset + payload.size() + 2, 0);
  return buffer;
}

}  // namespace orbel
