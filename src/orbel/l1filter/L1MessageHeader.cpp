#include "orbel/l1filter/L1MessageHeader.h"

#include <cassert>

#include "orbel/wire/ByteOrder.h"

namespace orbel {

L1MessageHeader l1CommandHeader(L1CommandCode code, std::size_t bodyLength) {
  assert(bodyLength % 2 == 0 && bodyLength / 2 <= 0xFFFF);
  L1MessageHeader header;
  header.bodyWords = static_cast<std::uint16_t>(bodyLength / 2);
  header.codeWord = std::uint32_t{kL1FlagCommand} << 24 | static_cast<std::uint32_t>(code);
  return header;
}

void writeL1MessageHeader(std::span<std::uint8_t> out, const L1MessageHeader& header) {
  writeU32LE(out, 0, header.sync);
  writeU16LE(out, 4, header.bodyWords);
  writeU16LE(out, 6, header.reserved6);
  writeU32LE(out, 8, header.reserved8);
  writeU32LE(out, 12, header.reserved12);
  writeU32LE(out, 16, header.codeWord);
  writeU32LE(out, 20, header.reserved20);
}

std::optional<L1MessageHeader> readL1MessageHeader(ByteReader& in) {
  if (in.remaining() < kL1MessageHeaderSize) return std::nullopt;
  L1MessageHeader header;
  header.sync = *in.u32LE();
  header.bodyWords = *in.u16LE();
  header.reserved6 = *in.u16LE();
  header.reserved8 = *in.u32LE();
  header.reserved12 = *in.u32LE();
  header.codeWord = *in.u32LE();
  header.reserved20 = *in.u32LE();
  return header;
}

std::optional<L1MessageHeader> readL1MessageHeader(std::span<const std::uint8_t> in) {
  ByteReader reader(in);
  return readL1MessageHeader(reader);
}

}  // namespace orbel
