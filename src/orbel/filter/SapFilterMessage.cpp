#include "orbel/filter/SapFilterMessage.h"

#include <cassert>

#include "orbel/wire/ByteOrder.h"

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

std::variant<SapFilterContents, ReadRefusal> readSapFilterMessage(std::span<const std::uint8_t> bytes) {
  ByteReader reader(bytes);
  const std::optional<std::uint8_t> type = reader.u8();
  const bool reserved = reader.skip(1);
  const std::optional<std::uint16_t> listLength = reader.u16BE();
  if (!type || !reserved || !listLength)
    return ReadRefusal{ReadFault::Truncated,
                       "truncated: " + std::to_string(bytes.size()) + " bytes, a SAP filter message has at least 4"};
  const bool full = *type == kSapFilterFullType;
  if (!full && *type != kSapFilterCompactType)
    return ReadRefusal{ReadFault::Malformed, "message type " + std::to_string(*type) + " is neither 0x33 nor 3"};
  if (*listLength % 4 != 0)
    return ReadRefusal{ReadFault::Malformed,
                       "the identifier list length " + std::to_string(*listLength) + " is no multiple of 4"};
  const std::size_t count = *listLength / 4;
  const std::optional<std::span<const std::uint8_t>> ids = reader.items(count, 4);
  const std::optional<std::span<const std::uint8_t>> attributes =
      full ? reader.bytes(count) : std::span<const std::uint8_t>();
  if (!ids || !attributes || !reader.atEnd()) {
    const std::size_t expected = full ? sapFilterMessageSize(count) : compactSapListSize(count);
    return ReadRefusal{sizeFault(expected, bytes.size()),
                       std::string(bytes.size() < expected ? "truncated" : "inconsistent") + ": " +
                           std::to_string(count) + " identifiers take " + std::to_string(expected) + " bytes, " +
                           std::to_string(bytes.size()) + " are present"};
  }
  SapFilterContents contents;
  contents.type = *type;
  contents.ids.reserve(count);
  ByteReader idReader(*ids);
  while (const std::optional<std::uint32_t> id = idReader.u32BE()) contents.ids.push_back(*id);
  contents.attributes.assign(attributes->begin(), attributes->end());
  return contents;
}

}  // namespace orbel
