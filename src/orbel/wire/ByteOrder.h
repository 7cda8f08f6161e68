// Fixed-width reads and writes at a given offset that name their byte order.
// Writers assert that the bytes fit (running out of room while encoding is a
// programming error). The readers only assert too: they serve buffers this
// library built itself; bytes received from outside go through ByteReader.
#pragma once

#include <bit>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace orbel {

// The value with its bytes in little-endian (or big-endian) order in memory,
// so that a writer stores it with one copy instead of byte by byte.
inline std::uint32_t asLittleEndian(std::uint32_t value) {
  if constexpr (std::endian::native == std::endian::little) return value;
  return __builtin_bswap32(value);
}
inline std::uint32_t asBigEndian(std::uint32_t value) {
  if constexpr (std::endian::native == std::endian::big) return value;
  return __builtin_bswap32(value);
}

inline void writeU8(std::span<std::uint8_t> out, std::size_t at, std::uint8_t value) {
  assert(at < out.size());
  out[at] = value;
}

inline void writeU16LE(std::span<std::uint8_t> out, std::size_t at, std::uint16_t value) {
  assert(at + 2 <= out.size());
  out[at] = static_cast<std::uint8_t>(value);
  out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void writeU32LE(std::span<std::uint8_t> out, std::size_t at, std::uint32_t value) {
  assert(at + 4 <= out.size());
  const std::uint32_t stored = asLittleEndian(value);
  std::memcpy(out.data() + at, &stored, 4);
}

// Writes the low `width` bytes (1 to 4) of `value`, most significant first.
inline void writeUBE(std::span<std::uint8_t> out, std::size_t at, std::uint32_t value, std::size_t width) {
  assert(width >= 1 && width <= 4 && at + width <= out.size());
  // The low `width` bytes moved to the top, so the first `width` bytes in big-endian order are the ones wanted.
  const std::uint32_t stored = asBigEndian(value << (8 * (4 - width)));
  std::memcpy(out.data() + at, &stored, width);
}

inline void writeU16BE(std::span<std::uint8_t> out, std::size_t at, std::uint16_t value) { writeUBE(out, at, value, 2); }

inline std::uint16_t readU16LE(std::span<const std::uint8_t> in, std::size_t at) {
  assert(at + 2 <= in.size());
  return static_cast<std::uint16_t>(in[at] | in[at + 1] << 8);
}

inline std::uint32_t readU32LE(std::span<const std::uint8_t> in, std::size_t at) {
  assert(at + 4 <= in.size());
  return static_cast<std::uint32_t>(in[at]) | static_cast<std::uint32_t>(in[at + 1]) << 8 |
         static_cast<std::uint32_t>(in[at + 2]) << 16 | static_cast<std::uint32_t>(in[at + 3]) << 24;
}

// Reads `width` bytes (1 to 4), most significant first.
inline std::uint32_t readUBE(std::span<const std::uint8_t> in, std::size_t at, std::size_t width) {
  assert(width >= 1 && width <= 4 && at + width <= in.size());
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < width; ++i) value = value << 8 | in[at + i];
  return value;
}

inline std::uint16_t readU16BE(std::span<const std::uint8_t> in, std::size_t at) {
  return static_cast<std::uint16_t>(readUBE(in, at, 2));
}

}  // namespace orbel
