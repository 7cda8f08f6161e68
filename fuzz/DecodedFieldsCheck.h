// Stops the run unless a decoded message's fields lie back to back, each at
// least one byte wide, and together cover all the bytes of the input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "FuzzCheck.h"
#include "decode/FormatDecoder.h"
#include "decode/MessageDecoder.h"

inline void checkFieldsCoverInput(const orbel::DecodedMessage& message, std::size_t size) {
  std::size_t next = 0;
  for (const orbel::DecodedField& field : message.fields) {
    fuzzCheck(field.offset == next && field.width > 0, "fields follow each other without gap or overlap");
    next += field.width;
  }
  fuzzCheck(next == size, "the fields cover the whole input");
}

// For a file its loader accepted: the decoder of `format` takes it too, field by field.
inline void checkDecodesWholly(std::span<const std::uint8_t> file, std::string_view format) {
  const auto decoded = orbel::decodeAny(file, format);
  fuzzCheck(decoded && decoded->error.empty(), "the decoder takes what the loader takes");
  checkFieldsCoverInput(*decoded, file.size());
}
