// Decodes any message or file format the library writes or reads: each
// format says whether it recognises a byte string; the first that does
// decodes it. A diagnostic message is the fallback.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "decode/MessageDecoder.h"

namespace orbel {

struct FormatDecoder {
  std::string_view name;  // what `orbel decode --as` takes
  bool (*recognises)(std::span<const std::uint8_t> bytes);
  DecodedMessage (*decode)(std::span<const std::uint8_t> bytes);
};

std::span<const FormatDecoder> formatDecoders();

// The largest file the hosts read to decode: far above any message or file
// the library builds.
inline constexpr std::size_t kDecodeFileLimit = 1 << 20;

// Decodes with the named format, or with the first that recognises `bytes`.
// Nothing when `format` names no format.
std::optional<DecodedMessage> decodeAny(std::span<const std::uint8_t> bytes, std::string_view format = {});

}  // namespace orbel
