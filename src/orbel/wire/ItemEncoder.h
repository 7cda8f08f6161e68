// The generic message description: an ordered list of items that encodes
// into a complete diagnostic message, laid out as
//   bytes 0-1    total length (16-bit little-endian)
//   bytes 2-3    item 0's value (16-bit little-endian: start mark, reserved byte)
//   bytes 4-5    item 1's value (16-bit little-endian: task, sub-module)
//   bytes 6-9    item 2's value, the group (32-bit little-endian)
//   bytes 10-13  item 3's value, the primitive (32-bit little-endian)
//   bytes 14-17  zero
//   bytes 18-19  payload length (16-bit little-endian)
//   from byte 20 items 4 onward, back to back, then a zero 4-byte trailer
//                (peer-data length and spare bits).
// Of the header items only the values are read.
#pragma once

#include <cstdint>
#include <span>

#include "orbel/wire/CommandBuffer.h"

// Kind 0 or 2: a number written big-endian in `width` bytes (1 to 4).
// Kind 1 or 3: the first `width` bytes of `data`.
struct PARAMETER_ITEM_STRUCT {
  std::uint32_t kind = 0;
  std::uint32_t value = 0;
  std::uint8_t data[100] = {};
  std::uint16_t width = 2;
};

namespace orbel {

inline constexpr std::size_t kItemDataSize = sizeof(PARAMETER_ITEM_STRUCT::data);

enum class ItemEncodeError { None, TooFewItems, InvalidKind, InvalidNumberWidth, DataWidthTooLarge, PayloadTooLarge };

struct ItemEncoding {
  CommandBuffer message;  // empty on failure
  ItemEncodeError error = ItemEncodeError::None;
  std::size_t failedItem = 0;
};

// Encodes `items`. Fails, with no buffer, when fewer than four items are
// given or, for a payload item (the header items' kind and width are not
// looked at), a kind is above 3, a number's width is not 1 to 4 or a byte
// string's width exceeds its 100 data bytes; or when the message would not
// fit the 16-bit length word.
ItemEncoding encodeItemList(std::span<const PARAMETER_ITEM_STRUCT> items);

}  // namespace orbel
