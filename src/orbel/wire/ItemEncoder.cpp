#include "orbel/wire/ItemEncoder.h"

#include <cstring>

#include "orbel/wire/ByteOrder.h"
#include "orbel/wire/DiagMessage.h"

namespace orbel {
namespace {

constexpr std::size_t kHeaderItems = 4;

bool isNumber(const PARAMETER_ITEM_STRUCT& item) { return (item.kind & ~2u) == 0; }

// Stores the low `width` bytes (1 to 4) of `value` most significant first at
// `out` with one 4-byte store; the bytes past `width` are scratch.
void storeNumber(std::uint8_t* out, std::uint32_t value, std::size_t width) {
  const std::uint32_t stored = asBigEndian(value << (8 * (4 - width)));
  std::memcpy(out, &stored, 4);
}

// Copies a byte string of at most kItemDataSize bytes with fixed-size moves
// (overlapping at the tail) instead of a string instruction, whose start-up
// cost outweighs the copy at these sizes. Never reads past `size` bytes.
void copyItemData(std::uint8_t* out, const std::uint8_t* data, std::size_t size) {
  if (size >= 16) {
    for (std::size_t at = 0; at + 16 <= size; at += 16) std::memcpy(out + at, data + at, 16);
    std::memcpy(out + size - 16, data + size - 16, 16);
  } else if (size >= 8) {
    std::memcpy(out, data, 8);
    std::memcpy(out + size - 8, data + size - 8, 8);
  } else if (size >= 4) {
    std::memcpy(out, data, 4);
    std::memcpy(out + size - 4, data + size - 4, 4);
  } else {
    for (std::size_t at = 0; at < size; ++at) out[at] = data[at];
  }
}

// Kept out of the hot loop: a refusal is rare.
[[gnu::cold]] ItemEncoding failure(ItemEncodeError error, std::size_t item) { return {CommandBuffer(), error, item}; }

}  // namespace

ItemEncoding encodeItemList(std::span<const PARAMETER_ITEM_STRUCT> items) {
  if (items.size() < kHeaderItems) return failure(ItemEncodeError::TooFewItems, items.size());

  // The first pass checks the payload items and sums their widths, reading
  // only kind and width; the second writes them straight into the message,
  // allocated at its exact size.
  constexpr std::size_t kMaxPayload = 0xFFFF - kFrameOverhead;
  std::size_t payloadLength = 0;
#pragma GCC unroll 4
  for (std::size_t i = kHeaderItems; i < items.size(); ++i) {
    const PARAMETER_ITEM_STRUCT& item = items[i];
    const std::size_t width = item.width;
    if (isNumber(item)) {
      if (width - 1 > 3) return failure(ItemEncodeError::InvalidNumberWidth, i);
    } else if (item.kind > 3) {
      return failure(ItemEncodeError::InvalidKind, i);
    } else if (width > kItemDataSize) {
      return failure(ItemEncodeError::DataWidthTooLarge, i);
    }
    payloadLength += width;
    if (payloadLength > kMaxPayload) return failure(ItemEncodeError::PayloadTooLarge, i);
  }

  const auto total = static_cast<std::uint32_t>(kFrameOverhead + payloadLength);
  // Every byte is written below: the header, the payload, the trailer.
  CommandBuffer buffer = CommandBuffer::allocate(total);
  if (!buffer) return {};
  std::span<std::uint8_t> out = buffer.bytes();
  writeU16LE(out, 0, static_cast<std::uint16_t>(total));
  writeU16LE(out, 2, static_cast<std::uint16_t>(items[0].value));
  writeU16LE(out, 4, static_cast<std::uint16_t>(items[1].value));
  writeU32LE(out, 6, items[2].value);
  writeU32LE(out, 10, items[3].value);
  writeU32LE(out, 14, 0);
  writeU16LE(out, kHeaderSize, static_cast<std::uint16_t>(payloadLength));
  // A number is stored with one 4-byte store whose bytes past its width are
  // overwritten by the next item or, after the last, by the trailer.
  std::uint8_t* at = out.data() + kPayloadOffset;
#pragma GCC unroll 4
  for (const PARAMETER_ITEM_STRUCT& item : items.subspan(kHeaderItems)) {
    if (isNumber(item))
      storeNumber(at, item.value, item.width);
    else
      copyItemData(at, item.data, item.width);
    at += item.width;
  }
  writeU32LE(out, kPayloadOffset + payloadLength, 0);  // peer-data length and spare bits
  return {std::move(buffer), ItemEncodeError::None, 0};
}

}  // namespace orbel
