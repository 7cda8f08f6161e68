// Payloads of the layer-1 info report configuration commands.
#include "decode/PayloadDecoding.h"
#include "orbel/wire/ByteReader.h"
#include "orbel/wire/HexText.h"

namespace orbel {
namespace {

void decodeReportNumber(const PayloadContext& context) {
  if (!expectPayloadLength(context, 2, "layer-1 report number command")) return;
  addPayloadField(context, 0, 2, "number", numberText(*ByteReader(context.payload).u16BE(), 4));
}

// Bit i of the mask stands for report kind i + 1.
void decodeReportMask(const PayloadContext& context) {
  if (!expectPayloadLength(context, 2, "layer-1 report mask command")) return;
  ByteReader payload(context.payload);
  addPayloadField(context, 0, 1, "reserved", hexText(*payload.u8(), 2));
  const std::uint8_t mask = *payload.u8();
  std::string reports;
  for (int bit = 0; bit < 8; ++bit)
    if (mask & 1u << bit) reports += (reports.empty() ? "" : ", ") + std::to_string(bit + 1);
  addPayloadField(context, 1, 1, "report mask", hexText(mask, 2) + (reports.empty() ? " (none)" : " (reports " + reports + ')'));
}

// Two bytes, the list length n, a 16-bit value and n list bytes; a length
// that does not match the payload leaves the payload raw.
void decodeReportBytes(const PayloadContext& context) {
  constexpr std::size_t kHeader = 6;
  ByteReader payload(context.payload);
  const std::optional<std::uint8_t> first = payload.u8();
  const std::optional<std::uint8_t> second = payload.u8();
  const std::optional<std::uint16_t> count = payload.u16BE();
  const std::optional<std::uint16_t> value = payload.u16BE();
  if (!first || !second || !count || !value) {
    context.notes.push_back("payload of " + std::to_string(context.payload.size()) +
                            " bytes, a layer-1 report byte-list command has at least 6");
    return;
  }
  if (payload.remaining() != *count) {
    context.notes.push_back("the byte list says " + std::to_string(*count) + " bytes, " +
                            std::to_string(payload.remaining()) + " follow");
    return;
  }
  addPayloadField(context, 0, 1, "first byte", numberText(*first, 2));
  addPayloadField(context, 1, 1, "second byte", numberText(*second, 2));
  addPayloadField(context, 2, 2, "list length", std::to_string(*count));
  addPayloadField(context, 4, 2, "value", numberText(*value, 4));
  if (*count > 0) addPayloadField(context, kHeader, *count, "byte list", toHex(payload.rest()));
}

}  // namespace

constexpr MessageKind kLayer1ReportKinds[] = {
    {PrimitiveId::Layer1ReportConfig, "layer-1 info report configuration", decodeReportNumber},
    {PrimitiveId::Layer1ReportParameter, "layer-1 info report parameter", decodeReportMask},
    {PrimitiveId::Layer1ReportBytes, "layer-1 info report byte list", decodeReportBytes},
};

std::span<const MessageKind> layer1ReportMessageKinds() { return kLayer1ReportKinds; }

}  // namespace orbel
