// The primitive content file (".pcf"): a parameter's encoded bytes and the
// name of its type behind a fixed magic, little-endian lengths.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "orbel/wire/ByteReader.h"

namespace orbel {

// "原语字节流记录" in the GBK code page, without a terminator.
inline constexpr std::array<std::uint8_t, 14> kPcfMagic = {0xD4, 0xAD, 0xD3, 0xEF, 0xD7, 0xD6, 0xBD,
                                                           0xDA, 0xC1, 0xF7, 0xBC, 0xC7, 0xC2, 0xBC};
inline constexpr char kPcfExtension[] = "pcf";
inline constexpr char kPcfFileFilter[] = "primtive content file (*.pcf)|*.pcf||";
// The stored type name is held in 128 bytes: its length word N counts the
// terminating zero, so N may be 128 at most.
inline constexpr std::uint32_t kPcfLargestNameField = 128;
// The largest parameter a file may carry, as the codec's largest block.
inline constexpr std::uint32_t kPcfLargestParameter = 1 << 20;
inline constexpr std::size_t kPcfFileLimit = kPcfMagic.size() + 8 + kPcfLargestNameField + kPcfLargestParameter;

struct PcfContent {
  std::string typeName;
  std::vector<std::uint8_t> parameter;
};

// The whole file for a type name (written with its terminating zero) and
// the encoded parameter.
std::string serializePcf(std::string_view typeName, std::span<const std::uint8_t> parameter);

// What a file holds. Refused: a wrong magic (Malformed, reason "magic"), a
// name field of more than 128 bytes or without its terminating zero, a
// parameter above the limit, bytes missing or left over.
std::variant<PcfContent, ReadRefusal> readPcf(std::span<const std::uint8_t> bytes);

// True when the first 14 bytes are not the magic (or not all there), which
// the dialog reports apart.
bool isWrongMagic(const ReadRefusal& refusal);

}  // namespace orbel
