// Payloads of the enquiry, setting and cell-control commands.
#include <optional>

#include "orbel/builders/ByteOrder.h"
#include "orbel/catalogue/ModuleCatalogue.h"
#include "orbel/decode/PayloadDecoding.h"

namespace orbel {
namespace {

void decodeEnquiry(const PayloadContext& context, ModuleCatalogue catalogue, const char* command) {
  if (!expectPayloadLength(context, 4, command)) return;
  const std::uint16_t entry = readU16BE(context.payload, 0);
  std::optional<std::string_view> name = findEntryName(catalogue, context.module, entry);
  std::string value = hexText(entry, 4);
  value += name ? " \"" + std::string(*name) + '"' : std::string(" (not in the catalogue of this module)");
  addPayloadField(context, 0, 2, "entry", value);
  const std::uint16_t instance = readU16BE(context.payload, 2);
  addPayloadField(context, 2, 2, "instance", instance == 0xFFFF ? "0xFFFF (all instances)" : numberText(instance, 4));
}

void decodeTimerEnquiry(const PayloadContext& context) {
  decodeEnquiry(context, timerEnquiryCatalogue(), "timer enquiry");
}

void decodeCounterEnquiry(const PayloadContext& context) {
  decodeEnquiry(context, counterEnquiryCatalogue(), "counter enquiry");
}

}  // namespace

PayloadDecoder commandPayloadDecoder(std::uint32_t primitiveId) {
  switch (static_cast<PrimitiveId>(primitiveId)) {
    case PrimitiveId::TimerEnquiry: return decodeTimerEnquiry;
    case PrimitiveId::CounterEnquiry: return decodeCounterEnquiry;
    default: return nullptr;
  }
}

}  // namespace orbel
