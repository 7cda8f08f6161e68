#include "orbel/l1filter/PhyFaFilterConfig.h"

#include "orbel/wire/ByteOrder.h"
#include "orbel/wire/ByteReader.h"

namespace orbel {
namespace {

static_assert(taskSlot(14) == 29 && taskOfSlot(29) == 14);
static_assert(taskSlot(33) == 14 && taskSlot(44) == 25 && taskSlot(129) == 26 && taskSlot(131) == 28);
static_assert(!taskSlot(15) && !taskSlot(32) && !taskSlot(45) && !taskSlot(128) && !taskSlot(132));

constexpr bool slotsMapBothWays() {
  for (std::size_t slot = 0; slot < kTaskSlots; ++slot)
    if (taskSlot(taskOfSlot(slot)) != slot) return false;
  return true;
}
static_assert(slotsMapBothWays());

}  // namespace

void writePhyFaFilterConfig(std::span<std::uint8_t, kPhyFaFilterConfigSize> out, const PhyFaFilterConfig& config) {
  using namespace phyfa;
  for (std::size_t k = 0; k < kFilterSwitches; ++k) writeU8(out, kSwitches + k, config.switches[k]);
  for (std::size_t slot = 0; slot < kPrimitiveSlots; ++slot) {
    writeU32LE(out, kTdPrimitiveIds + 4 * slot, config.tdPrimitiveIds[slot]);
    writeU32LE(out, kGsmPrimitiveIds + 4 * slot, config.gsmPrimitiveIds[slot]);
  }
  writeU8(out, kTdStateFrom, config.tdStateFrom);
  writeU8(out, kTdStateTo, config.tdStateTo);
  writeU16LE(out, kTdReserved, config.tdReserved);
  writeU16LE(out, kTdOptionsA, config.tdOptionsA);
  writeU16LE(out, kTdOptionsB, config.tdOptionsB);
  writeU8(out, kGsmStateFrom, config.gsmStateFrom);
  writeU8(out, kGsmStateTo, config.gsmStateTo);
  writeU16LE(out, kGsmReserved, config.gsmReserved);
  writeU16LE(out, kGsmOptionsA, config.gsmOptionsA);
  writeU16LE(out, kGsmOptionsB, config.gsmOptionsB);
  writeU32LE(out, kReserved, config.reserved[0]);
  writeU32LE(out, kReserved + 4, config.reserved[1]);
  writeU32LE(out, kTdTaskMask, config.tdTaskMask);
  writeU32LE(out, kGsmTaskMask, config.gsmTaskMask);
  writeU32LE(out, kCommonTaskMask, config.commonTaskMask);
  for (std::size_t slot = 0; slot < kTaskSlots; ++slot)
    for (std::size_t word = 0; word < kTaskSlotWords; ++word)
      writeU32LE(out, kTaskBitmaps + 4 * (kTaskSlotWords * slot + word), config.taskBitmaps[slot][word]);
}

PhyFaFilterBytes toBytes(const PhyFaFilterConfig& config) {
  PhyFaFilterBytes bytes;
  writePhyFaFilterConfig(bytes, config);
  return bytes;
}

std::variant<PhyFaFilterConfig, ReadFault> parsePhyFaFilterConfig(std::span<const std::uint8_t> in) {
  if (in.size() != kPhyFaFilterConfigSize) return sizeFault(kPhyFaFilterConfigSize, in.size());
  // The fields follow each other without gaps, in the order of the offsets.
  ByteReader reader(in);
  PhyFaFilterConfig config;
  for (std::uint8_t& value : config.switches) value = *reader.u8();
  for (std::uint32_t& id : config.tdPrimitiveIds) id = *reader.u32LE();
  for (std::uint32_t& id : config.gsmPrimitiveIds) id = *reader.u32LE();
  config.tdStateFrom = *reader.u8();
  config.tdStateTo = *reader.u8();
  config.tdReserved = *reader.u16LE();
  config.tdOptionsA = *reader.u16LE();
  config.tdOptionsB = *reader.u16LE();
  config.gsmStateFrom = *reader.u8();
  config.gsmStateTo = *reader.u8();
  config.gsmReserved = *reader.u16LE();
  config.gsmOptionsA = *reader.u16LE();
  config.gsmOptionsB = *reader.u16LE();
  for (std::uint32_t& word : config.reserved) word = *reader.u32LE();
  config.tdTaskMask = *reader.u32LE();
  config.gsmTaskMask = *reader.u32LE();
  config.commonTaskMask = *reader.u32LE();
  for (auto& slot : config.taskBitmaps)
    for (std::uint32_t& word : slot) word = *reader.u32LE();
  return config;
}

std::optional<PhyFaFilterConfig> readPhyFaFilterConfig(std::span<const std::uint8_t> in) {
  std::variant<PhyFaFilterConfig, ReadFault> parsed = parsePhyFaFilterConfig(in);
  if (auto* config = std::get_if<PhyFaFilterConfig>(&parsed)) return *config;
  return std::nullopt;
}

}  // namespace orbel
