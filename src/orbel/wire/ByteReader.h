// A cursor over received bytes whose every read names its width and byte order and fails, without moving, when
// the bytes it asks for are not there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace orbel {

// Why a parser refuses its input: the bytes ran out (Truncated), or a value read contradicts the rest (Malformed:
// a wrong mark, a length that disagrees with the bytes present, an unknown type).
enum class ReadFault { Truncated, Malformed };

// What a parser returns instead of its result: the kind of fault and, in words, what did not fit.
struct ReadRefusal {
  ReadFault fault;
  std::string reason;
};

// The fault of input whose stated size is `stated` when `present` bytes are there: too few is a truncation,
// too many a contradiction.
constexpr ReadFault sizeFault(std::size_t stated, std::size_t present) {
  return present < stated ? ReadFault::Truncated : ReadFault::Malformed;
}

// `count` items of `width` bytes each, or nothing when the product does not fit a size_t.
constexpr std::optional<std::size_t> checkedProduct(std::size_t count, std::size_t width) {
  if (width != 0 && count > SIZE_MAX / width) return std::nullopt;
  return count * width;
}

class ByteReader {
 public:
  constexpr explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  constexpr std::size_t offset() const { return offset_; }
  constexpr std::size_t remaining() const { return bytes_.size() - offset_; }
  constexpr bool atEnd() const { return offset_ == bytes_.size(); }
  // The bytes not read yet.
  constexpr std::span<const std::uint8_t> rest() const { return bytes_.subspan(offset_); }

  constexpr std::optional<std::uint8_t> u8() {
    if (remaining() < 1) return std::nullopt;
    return bytes_[offset_++];
  }

  constexpr std::optional<std::uint16_t> u16LE() {
    const std::optional<std::uint32_t> value = uLE(2);
    if (!value) return std::nullopt;
    return static_cast<std::uint16_t>(*value);
  }

  constexpr std::optional<std::uint32_t> u32LE() { return uLE(4); }

  constexpr std::optional<std::uint16_t> u16BE() {
    const std::optional<std::uint32_t> value = uBE(2);
    if (!value) return std::nullopt;
    return static_cast<std::uint16_t>(*value);
  }

  constexpr std::optional<std::uint32_t> u32BE() { return uBE(4); }

  // `width` bytes (1 to 4), most significant first; nothing for another width.
  constexpr std::optional<std::uint32_t> uBE(std::size_t width) {
    if (width < 1 || width > 4 || remaining() < width) return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) value = value << 8 | bytes_[offset_ + i];
    offset_ += width;
    return value;
  }

  // `width` bytes (1 to 4), least significant first; nothing for another width.
  constexpr std::optional<std::uint32_t> uLE(std::size_t width) {
    if (width < 1 || width > 4 || remaining() < width) return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) value = value << 8 | bytes_[offset_ + i];
    offset_ += width;
    return value;
  }

  // The next `n` bytes, as a view into the input.
  constexpr std::optional<std::span<const std::uint8_t>> bytes(std::size_t n) {
    if (remaining() < n) return std::nullopt;
    const std::span<const std::uint8_t> taken = bytes_.subspan(offset_, n);
    offset_ += n;
    return taken;
  }

  // The next `count` items of `width` bytes; nothing when they are not all there or their size overflows.
  constexpr std::optional<std::span<const std::uint8_t>> items(std::size_t count, std::size_t width) {
    const std::optional<std::size_t> size = checkedProduct(count, width);
    if (!size) return std::nullopt;
    return bytes(*size);
  }

  constexpr bool skip(std::size_t n) {
    if (remaining() < n) return false;
    offset_ += n;
    return true;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t offset_ = 0;
};

}  // namespace orbel
