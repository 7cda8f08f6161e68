#include "orbel/primitive/DisplayFilterValues.h"

#include "orbel/wire/ByteReader.h"

namespace orbel {
namespace {

constexpr std::size_t kPayloadLengthOffset = 18;
constexpr std::size_t kWordSize = 4;

}  // namespace

std::optional<DisplayFilterValues> readDisplayFilterValues(std::span<const std::uint8_t> message) {
  ByteReader header(message);
  if (!header.skip(kPayloadLengthOffset)) return std::nullopt;
  const auto payloadLength = header.u16LE();
  if (!payloadLength || *payloadLength <= kWordSize) return std::nullopt;
  const auto payloadBytes = header.bytes(*payloadLength);
  if (!payloadBytes) return std::nullopt;

  ByteReader payload(*payloadBytes);
  DisplayFilterValues values;
  values.filterType = *payload.u8();
  payload.skip(1);  // reserved
  const std::uint16_t lengthA = *payload.u16BE();
  const auto words = payload.bytes(lengthA / kWordSize * kWordSize);
  if (!words) return std::nullopt;
  values.valuesA.assign(words->begin(), words->end());
  return values;
}

std::uint32_t filterKindOf(std::uint8_t filterType) {
  return filterType >= 3 && filterType <= 5 ? filterType - 2u : 0u;
}

}  // namespace orbel
