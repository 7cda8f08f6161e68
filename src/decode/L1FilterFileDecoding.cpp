// `orbel decode` of a layer-1 filter file: the "TPCF" prefix, then the
// layer-1 filter command it holds, decoded as a layer-1 message.
#include <algorithm>
#include <string>
#include <variant>

#include "decode/L1Formats.h"
#include "orbel/l1filter/L1FilterFile.h"
#include "orbel/wire/ByteOrder.h"

namespace orbel {

bool looksLikeL1FilterFile(std::span<const std::uint8_t> bytes) {
  constexpr std::string_view kMagic = "TPCF";
  return bytes.size() >= kL1FilterPrefixSize && std::equal(kMagic.begin(), kMagic.end(), bytes.begin());
}

DecodedMessage decodeL1FilterFileFormat(std::span<const std::uint8_t> bytes) {
  const auto parsed = parseL1FilterFile(bytes);
  if (const auto* fault = std::get_if<L1FilterFileFault>(&parsed)) {
    DecodedMessage refused;
    refused.fault = bytes.size() < kL1FilterFileSize ? ReadFault::Truncated : ReadFault::Malformed;
    refused.error = std::string("not a layer-1 filter file: ") + faultText(*fault);
    return refused;
  }
  const bool prefixed = std::get<L1FilterFileContents>(parsed).prefixed;
  const std::size_t base = prefixed ? kL1FilterPrefixSize : 0;
  DecodedMessage message = decodeL1MessageFormat(bytes.subspan(base));
  for (DecodedField& field : message.fields) field.offset += base;
  if (prefixed) {
    message.fields.insert(
        message.fields.begin(),
        {{0, 4, "file magic", "\"TPCF\""}, {4, 4, "length after the prefix", std::to_string(readU32LE(bytes, 4))}});
  }
  message.title = "layer-1 filter file: " + message.title;
  return message;
}

}  // namespace orbel
