#include "orbel/filter/SapFilterMessage.h"

#include <cassert>

#include "orbel/builders/ByteOrder.h"

namespace orbel {
namespace {

void writeHeader(std::span<std::uint8_t> out, std::uint8_t type, std::size_t count) {
  assert(count <= kMaxSapFilterEntries);
  writeU8(out, 0, type);
  writeU8(out, 1, 0);
  writeU16BE(out, 2, static_cast<std::uint16_t>(4 * count));
}

}  // namespace

void writeSapFilterMessage(std::span<std::uint8_t> out, std::span<const SapEntry> entries) {
  assert(out.size() == sapFilterMessageSize(entries.size()));
  writeHeader(out, kSapFilterFullType, entries.size());
  const std::size_t attributes = kSapFilterHeaderSize + 4 * entries.size();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    writeUBE(out, kSapFilterHeaderSize + 4 * i, entries[i].id, 4);
    writeU8(out, attributes + i, entries[i].attributeOn ? kAttributeOn : kAttributeOff);
  }
}

void writeCompactSapList(std::span<std::uint8_t> out, std::span<const std::uint32_t> ids) {
  assert(out.size() == compactSapListSize(ids.size()));
  writeHeader(out, kSapFilterCompactType, ids.size());
  for (std::size_t i = 0; i < ids.size(); ++i) writeUBE(out, kSapFilterHeaderSize + 4 * i, ids[i], 4);
}

std::variant<SapFilterContents, std::string> readSapFilterMessage(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kSapFilterHeaderSize)
    return "truncated: " + std::to_string(bytes.size()) + " bytes, a SAP filter message has at least 4";
  SapFilterContents contents;
  contents.type = bytes[0];
  if (contents.type != kSapFilterFullType && contents.type != kSapFilterCompactType)
    return "message type " + std::to_string(contents.type) + " is neither 0x33 nor 3";
  const std::size_t listLength = readU16BE(bytes, 2);
  if (listLength % 4 != 0) return "the identifier list length " + std::to_string(listLength) + " is no multiple of 4";
  const std::size_t count = listLength / 4;
  const std::size_t expected =
      contents.type == kSapFilterFullType ? sapFilterMessageSize(count) : compactSapListSize(count);
  if (bytes.size() != expected)
    return std::string(bytes.size() < expected ? "truncated" : "inconsistent") + ": " + std::to_string(count) +
           " identifiers take " + std::to_string(expected) + " bytes, " + std::to_string(bytes.size()) + " are present";
  contents.ids.reserve(count);
  for (std::size_t i = 0; i < count; ++i) contents.ids.push_back(readUBE(bytes, kSapFilterHeaderSize + 4 * i, 4));
  if (contents.type == kSapFilterFullType) {
    const auto attributes = bytes.subspan(kSapFilterHeaderSize + 4 * count);
    contents.attributes.assign(attributes.begin(), attributes.end());
  }
  return contents;
}

}  // namespace orbel
