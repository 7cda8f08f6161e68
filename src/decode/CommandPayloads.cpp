// Payloads of the enquiry, setting and cell-control commands.
#include <optional>

#include "decode/PayloadDecoding.h"
#include "host/TdBand.h"
#include "orbel/catalogue/LockCellModes.h"
#include "orbel/catalogue/ModuleCatalogue.h"
#include "orbel/wire/ByteReader.h"

namespace orbel {
namespace {

// The entry identifier and instance that open every catalogue command; the
// caller checked the payload length.
void decodeEntryAndInstance(const PayloadContext& context, ByteReader& payload, ModuleCatalogue catalogue) {
  const std::uint16_t entry = *payload.u16BE();
  std::optional<std::string_view> name = findEntryName(catalogue, context.module, entry);
  std::string value = hexText(entry, 4);
  value += name ? " \"" + std::string(*name) + '"' : std::string(" (not in the catalogue of this module)");
  addPayloadField(context, 0, 2, "entry", value);
  const std::uint16_t instance = *payload.u16BE();
  addPayloadField(context, 2, 2, "instance", instance == 0xFFFF ? "0xFFFF (all instances)" : numberText(instance, 4));
}

void decodeEnquiry(const PayloadContext& context, ModuleCatalogue catalogue, const char* command) {
  if (!expectPayloadLength(context, 4, command)) return;
  ByteReader payload(context.payload);
  decodeEntryAndInstance(context, payload, catalogue);
}

void decodeSetting(const PayloadContext& context, ModuleCatalogue catalogue, const char* command) {
  if (!expectPayloadLength(context, 8, command)) return;
  ByteReader payload(context.payload);
  decodeEntryAndInstance(context, payload, catalogue);
  addPayloadField(context, 4, 4, "new value", numberText(*payload.u32BE(), 8));
}

void decodeTimerEnquiry(const PayloadContext& context) {
  decodeEnquiry(context, timerEnquiryCatalogue(), "timer enquiry");
}

void decodeCounterEnquiry(const PayloadContext& context) {
  decodeEnquiry(context, counterEnquiryCatalogue(), "counter enquiry");
}

void decodeConstantEnquiry(const PayloadContext& context) {
  decodeEnquiry(context, constantEnquiryCatalogue(), "constant enquiry");
}

void decodeVariableEnquiry(const PayloadContext& context) {
  decodeEnquiry(context, variableEnquiryCatalogue(), "variable enquiry");
}

void decodeTimerSet(const PayloadContext& context) { decodeSetting(context, timerSettingCatalogue(), "timer set"); }

void decodeCounterSet(const PayloadContext& context) {
  decodeSetting(context, counterSettingCatalogue(), "counter set");
}

void decodeStaticEnquiry(const PayloadContext& context) {
  if (!expectPayloadLength(context, 4, "static information enquiry")) return;
  ByteReader payload(context.payload);
  addPayloadField(context, 0, 1, "scope", std::to_string(*payload.u8()));
  const std::uint8_t target = *payload.u8();
  addPayloadField(context, 1, 1, "target",
                  hexText(target, 2) + (target == 0x11 ? " (RLC)" : target == 0x21 ? " (task 4, sub-module 1)" : ""));
  addPayloadField(context, 2, 2, "reserved", hexText(*payload.u16BE(), 4));
}

void decodeStateMachineEnquiry(const PayloadContext& context) {
  if (!expectPayloadLength(context, 1, "state-machine enquiry")) return;
  addPayloadField(context, 0, 1, "action", hexText(*ByteReader(context.payload).u8(), 2));
}

void decodeDisableRequest(const PayloadContext& context) {
  if (!expectPayloadLength(context, 1, "disable request")) return;
  addPayloadField(context, 0, 1, "disable kind", std::to_string(*ByteReader(context.payload).u8()));
}

// "10055 (2011.0 MHz, in a TD-SCDMA band)": a UARFCN is five times the MHz.
std::string uarfcnText(std::uint16_t uarfcn) {
  return std::to_string(uarfcn) + " (" + std::to_string(uarfcn / 5) + '.' + std::to_string(uarfcn % 5 * 2) + " MHz, " +
         (TdBand::CheckUarfcn(uarfcn) ? "in a TD-SCDMA band)" : "outside the TD-SCDMA bands)");
}

// Modes 1 and 2 lock a TD-SCDMA cell, 5 and 6 a GSM cell; the others carry
// the mode alone.
void decodeLockCell(const PayloadContext& context) {
  ByteReader payload(context.payload);
  const std::uint8_t mode = payload.u8().value_or(0);
  const LockSide side = lockSideOf(mode);
  const bool td = side == LockSide::TdScdma;
  const bool gsm = side == LockSide::Gsm;
  const std::string command = "lock cell of mode " + std::to_string(mode);
  if (!expectPayloadLength(context, td || gsm ? 4 : 1, command.c_str())) return;
  addPayloadField(context, 0, 1, "mode",
                  std::to_string(mode) + " (" + lockSideName(side) + ")");
  if (!td && !gsm) return;
  const std::uint8_t cell = *payload.u8();
  addPayloadField(context, 1, 1, td ? "cell parameter id" : "BSIC",
                  cell == 0xFF ? "0xFF (any cell)" : std::to_string(cell));
  const std::uint16_t frequency = *payload.u16BE();
  addPayloadField(context, 2, 2, "frequency", td ? uarfcnText(frequency) : std::to_string(frequency));
}

void decodePhysicalParameterRequest(const PayloadContext& context) {
  if (!expectPayloadLength(context, 2, "physical-layer parameter request")) return;
  ByteReader payload(context.payload);
  addPayloadField(context, 0, 1, "item", std::to_string(*payload.u8()));
  addPayloadField(context, 1, 1, "number", std::to_string(*payload.u8()));
}

void decodeMeasurementInterval(const PayloadContext& context) {
  if (!expectPayloadLength(context, 1, "measurement report interval")) return;
  addPayloadField(context, 0, 1, "interval", numberText(*ByteReader(context.payload).u8(), 2));
}

}  // namespace

constexpr MessageKind kCommandKinds[] = {
    {PrimitiveId::TimerEnquiry, "timer enquiry", decodeTimerEnquiry},
    {PrimitiveId::TimerSet, "timer set", decodeTimerSet},
    {PrimitiveId::CounterEnquiry, "counter enquiry", decodeCounterEnquiry},
    {PrimitiveId::CounterSet, "counter set", decodeCounterSet},
    {PrimitiveId::ConstantEnquiry, "constant enquiry", decodeConstantEnquiry},
    {PrimitiveId::VariableEnquiry, "variable enquiry", decodeVariableEnquiry},
    {PrimitiveId::StaticEnquiry, "static information enquiry", decodeStaticEnquiry},
    {PrimitiveId::StateMachineEnquiry, "state-machine enquiry", decodeStateMachineEnquiry},
    {PrimitiveId::DisableRequest, "disable request", decodeDisableRequest},
    {PrimitiveId::LockCell, "lock cell", decodeLockCell},
    {PrimitiveId::PhysicalParameterRequest, "physical-layer parameter request", decodePhysicalParameterRequest},
    {PrimitiveId::MeasurementInterval, "measurement report interval", decodeMeasurementInterval},
};

std::span<const MessageKind> commandMessageKinds() { return kCommandKinds; }

}  // namespace orbel
