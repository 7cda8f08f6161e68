#include "orbel/wire/ItemEncoder.h"

#include <cstring>

#include "orbel/wire/ByteOrder.h"
#include "orbel/wire/DiagMessage.h"

namespace orbel {
namespace {

constexpr std::size_t kHeaderItems = 4;

bool isNumber(const PARAMETER_ITEM_STRUCT& item) { return item.kind == 0 || item.kind == 2; }

// Stores the low `width` bytes (1 to 4) of `value` most significant first at
// `out` with one 4-byte store. The bytes past `width` are scratch: the next
// item or the 4-byte trailer, written after it, always covers them.
void storeNumber(std::uint8_t* out, std::uint32_t value, std::size_t width) {
  const std::uint32_t stored = asBigEndian(value << (8 * (4 - width)));
  std::memcpy(out, &stored, 4);
}

ItemEncoding failure(ItemEncodeError error, std::size_t item) { return {CommandBuffer(), error, item}; }

}  // namespace

ItemEncoding encodeItemList(std::span<const PARAMETER_ITEM_STRUCT> items) {
  if (items.size() < kHeaderItems) return failure(ItemEncodeError::TooFewItems, items.size());
  std::size_t payloadLength = 0;
  for (std::size_t i = kHeaderItems; i < items.size(); ++i) {
    const PARAMETER_ITEM_STRUCT& item = items[i];
    if (item.kind > 3) return failure(ItemEncodeError::InvalidKind, i);
    if (isNumber(item) && (item.width < 1 || item.width > 4)) return failure(ItemEncodeError::InvalidNumberWidth, i);
    if (!isNumber(item) && item.width > kItemDataSize) return failure(ItemEncodeError::DataWidthTooLarge, i);
    payloadLength += item.width;
    if (kFrameOverhead + payloadLength > 0xFFFF) return failure(ItemEncodeError::PayloadTooLarge, i);
  }

  const auto total = static_cast<std::uint32_t>(kFrameOverhead + payloadLength);
  // Every byte is written below: the header, each item's full width, the trailer.
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

  std::uint8_t* at = out.data() + kPayloadOffset;
  for (std::size_t i = kHeaderItems; i < items.size(); ++i) {
    const PARAMETER_ITEM_STRUCT& item = items[i];
    if (isNumber(item))
      storeNumber(at, item.value, item.width);
    else
      std::memcpy(at, item.data, item.width);
    at += item.width;
  }
  writeU32LE(out, static_cast<std::size_t>(at - out.data()), 0);  // peer-data length and spare bits
  return {std::move(buffer), ItemEncodeError::None, 0};
}

}  // namespace orbel
