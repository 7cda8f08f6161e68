#include "orbel/l1filter/PhyFaFilterConfig.h"

#include "orbel/builders/ByteOrder.h"

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

std::optional<PhyFaFilterConfig> readPhyFaFilterConfig(std::span<const std::uint8_t> in) {
  using namespace phyfa;
  if (in.size() != kPhyFaFilterConfigSize) return std::nullopt;
  PhyFaFilterConfig config;
  for (std::size_t k = 0; k < kFilterSwitches; ++k) config.switches[k] = in[kSwitches + k];
  for (std::size_t slot = 0; slot < kPrimitiveSlots; ++slot) {
    config.tdPrimitiveIds[slot] = readU32LE(in, kTdPrimitiveIds + 4 * slot);
    config.gsmPrimitiveIds[slot] = readU32LE(in, kGsmPrimitiveIds + 4 * slot);
  }
  config.tdStateFrom = in[kTdStateFrom];
  config.tdStateTo = in[kTdStateTo];
  config.tdReserved = readU16LE(in, kTdReserved);
  config.tdOptionsA = readU16LE(in, kTdOptionsA);
  config.tdOptionsB = readU16LE(in, kTdOptionsB);
  config.gsmStateFrom = in[kGsmStateFrom];
  config.gsmStateTo = in[kGsmStateTo];
  config.gsmReserved = readU16LE(in, kGsmReserved);
  config.gsmOptionsA = readU16LE(in, kGsmOptionsA);
  config.gsmOptionsB = readU16LE(in, kGsmOptionsB);
  config.reserved = {readU32LE(in, kReserved), readU32LE(in, kReserved + 4)};
  config.tdTaskMask = readU32LE(in, kTdTaskMask);
  config.gsmTaskMask = readU32LE(in, kGsmTaskMask);
  config.commonTaskMask = readU32LE(in, kCommonTaskMask);
  for (std::size_t slot = 0; slot < kTaskSlots; ++slot)
    for (std::size_t word = 0; word < kTaskSlotWords; ++word)
      config.taskBitmaps[slot][word] = readU32LE(in, kTaskBitmaps + 4 * (kTaskSlotWords * slot + word));
  return config;
}

}  // namespace orbel
