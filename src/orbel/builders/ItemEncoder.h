// The generic message description: an ordered list of items that encodes
// into a complete diagnostic message. Items 0 to 3 give the header (routing
// bytes, module, group, primitive); items 4 onward are the payload fields.
#pragma once

#include <cstdint>
#include <span>

#include "orbel/builders/CommandBuffer.h"

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
// given, a kind is above 3, a number's width is not 1 to 4, a byte string's
// width exceeds its 100 data bytes, or the message would not fit the 16-bit
// length word.
ItemEncoding encodeItemList(std::span<const PARAMETER_ITEM_STRUCT> items);

}  // namespace orbel
