// A readable JSON text of a layer-1 filter file, fit for review: primitives,
// states and task messages by name, option bits and masks in hex. Importing
// the text gives back the file byte for byte.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "orbel/l1filter/L1FilterFile.h"

namespace orbel {

// A text that is not a layer-1 filter's text, or a file that is not a
// layer-1 filter file; the message says what and where.
struct L1FilterTextError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The text of a filter file (with or without its 8-byte prefix).
std::string exportL1FilterText(std::span<const std::uint8_t> file);
// The file a text describes.
std::vector<std::uint8_t> importL1FilterText(const std::string& text);

// The contents of a filter file, or L1FilterTextError naming the reason.
L1FilterFileContents readL1FilterFileOrThrow(std::span<const std::uint8_t> file);

}  // namespace orbel
