#include "orbel/filter/HlsDialogMessages.h"

#include <optional>

#include "orbel/filter/HlsFilterFormat.h"
#include "orbel/filter/SapFilterMessage.h"
#include "orbel/wire/ByteOrder.h"
#include "orbel/wire/ByteReader.h"
#include "orbel/wire/DiagMessage.h"

namespace orbel {
namespace {

constexpr char kNotEnough[] = "ByteDecode:: data not enough";
constexpr char kTypeError[] = "config type error";
constexpr char kAttributeError[] = "filter_attribute error";
constexpr char kLengthError[] = "data length error";

}  // namespace

CommandBuffer buildDisplayFilterMessage(int type, std::span<const std::uint32_t> valuesA,
                                        std::span<const std::uint32_t> valuesB) {
  const bool withSenders = type == 1 || type == 2;
  const bool withLengthA = withSenders || !valuesA.empty();
  if (valuesA.size() > 0xFFFF / 4 || valuesB.size() > 0xFFFF / 2) return {};
  const std::size_t size = 2 + (withLengthA ? 2 + 4 * valuesA.size() : 0) + (withSenders ? 2 + 2 * valuesB.size() : 0);
  if (size + kFrameOverhead > 0xFFFF) return {};
  std::vector<std::uint8_t> payload(size);
  std::size_t at = 0;
  writeU8(payload, at++, static_cast<std::uint8_t>(type));
  writeU8(payload, at++, 0);
  if (withLengthA) {
    writeU16BE(payload, at, static_cast<std::uint16_t>(4 * valuesA.size()));
    at += 2;
    for (std::uint32_t value : valuesA) {
      writeUBE(payload, at, value, 4);
      at += 4;
    }
  }
  if (withSenders) {
    writeU16BE(payload, at, static_cast<std::uint16_t>(2 * valuesB.size()));
    at += 2;
    for (std::uint32_t value : valuesB) {
      writeU16BE(payload, at, static_cast<std::uint16_t>(value & 0xFFFF));
      at += 2;
    }
  }
  return frameMessage(kHlsFilterModule, MessageGroup::ProtocolStack, PrimitiveId::HlsFilter, payload);
}

std::variant<AppliedSapFilter, std::string> readAppliedSapFilter(std::span<const std::uint8_t> message) {
  // The payload length is trusted only as far as the message reaches.
  ByteReader frame(message);
  std::optional<std::uint16_t> payloadLength;
  if (frame.skip(kHeaderSize)) payloadLength = frame.u16LE();
  if (!payloadLength || frame.remaining() < *payloadLength) return std::string(kNotEnough);
  ByteReader in(message.subspan(kPayloadOffset, *payloadLength));

  const std::optional<std::uint8_t> type = in.u8();
  if (!type) return std::string(kNotEnough);
  if (*type != kSapFilterFullType && *type != kSapFilterCompactType) return std::string(kTypeError);
  const std::optional<std::uint8_t> reserved = in.u8();
  if (!reserved) return std::string(kNotEnough);
  if (*reserved != 0) return std::string(kTypeError);
  const std::optional<std::uint16_t> length = in.u16BE();
  if (!length) return std::string(kNotEnough);
  if (*length % 4 != 0) return std::string(kTypeError);

  AppliedSapFilter filter;
  const std::size_t count = *length / 4u;
  if (in.remaining() < *length) return std::string(kNotEnough);
  filter.ids.reserve(count);
  for (std::size_t index = 0; index < count; ++index) filter.ids.push_back(*in.u32BE());
  if (count > 0 && *type == kSapFilterFullType) {
    for (std::size_t index = 0; index < count; ++index) {
      const std::optional<std::uint8_t> attribute = in.u8();
      if (!attribute) return std::string(kNotEnough);
      if (*attribute != kAttributeOff && *attribute != kAttributeOn) return std::string(kAttributeError);
      filter.attributeOn = filter.attributeOn || *attribute == kAttributeOn;
    }
  }
  if (!in.atEnd()) return std::string(kLengthError);
  return filter;
}

}  // namespace orbel
