#include "orbel/l1filter/L1MessageHeader.h"

#include <cassert>

#include "orbel/builders/ByteOrder.h"

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

std::optional<L1MessageHeader> readL1MessageHeader(std::span<const std::uint8_t> in) {
  if (in.size() < kL1MessageHeaderSize) return std::nullopt;
  L1MessageHeader header;
  header.sync = readU32LE(in, 0);
  header.bodyWords = readU16LE(in, 4);
  header.reserved6 = readU16LE(in, 6);
  header.reserved8 = readU32LE(in, 8);
  header.reserved12 = readU32LE(in, 12);
  header.codeWord = readU32LE(in, 16);
  header.reserved20 = readU32LE(in, 20);
  return header;
}

}  // namespace orbel
