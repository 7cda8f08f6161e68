// The layout of the SAP filter message: a type byte, a zero byte, the
// big-endian byte length of the identifier list, the identifiers (32-bit
// big-endian, ascending) and, in the full form (type 0x33), one attribute
// byte per identifier. The compact form (type 3) has no attribute bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "orbel/wire/ByteReader.h"

namespace orbel {

inline constexpr std::uint8_t kSapFilterFullType = 0x33;
inline constexpr std::uint8_t kSapFilterCompactType = 3;
inline constexpr std::size_t kSapFilterHeaderSize = 4;
// The list length field is 16 bits wide and counts bytes, four per identifier.
inline constexpr std::size_t kMaxSapFilterEntries = 0xFFFF / 4;
inline constexpr std::uint8_t kAttributeOn = 2;
inline constexpr std::uint8_t kAttributeOff = 1;

struct SapEntry {
  std::uint32_t id;
  bool attributeOn;
};

constexpr std::size_t sapFilterMessageSize(std::size_t entries) { return kSapFilterHeaderSize + 5 * entries; }
constexpr std::size_t compactSapListSize(std::size_t ids) { return kSapFilterHeaderSize + 4 * ids; }

// Writes the full form; `out` holds exactly sapFilterMessageSize(entries) bytes
// and the entries are ascending, at most kMaxSapFilterEntries of them.
void writeSapFilterMessage(std::span<std::uint8_t> out, std::span<const SapEntry> entries);
// Writes the compact form; `out` holds exactly compactSapListSize(ids) bytes.
void writeCompactSapList(std::span<std::uint8_t> out, std::span<const std::uint32_t> ids);

struct SapFilterContents {
  std::uint8_t type = 0;
  std::vector<std::uint32_t> ids;
  std::vector<std::uint8_t> attributes;  // empty in the compact form
};

// Reads either form from exactly the bytes given; the refusal says what does
// not fit (unknown type, a list length that is no multiple of four or does
// not match the bytes present).
std::variant<SapFilterContents, ReadRefusal> readSapFilterMessage(std::span<const std::uint8_t> bytes);

}  // namespace orbel
