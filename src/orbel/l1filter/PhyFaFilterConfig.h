// The layer-1 filter configuration: the fixed 1128-byte record that tells
// layer 1 which interface primitives, task messages and state changes to
// trace. It is the body of layer-1 command 0x820001, the payload of the
// layer-1 filter file and the value of the last-configuration store. All
// fields are little-endian.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <variant>

#include "orbel/wire/ByteReader.h"

namespace orbel {

inline constexpr std::size_t kPhyFaFilterConfigSize = 1128;
inline constexpr std::size_t kFilterSwitches = 4;
inline constexpr std::size_t kPrimitiveSlots = 16;
inline constexpr std::uint32_t kEmptyPrimitiveSlot = 0xFFFFFFFF;
inline constexpr std::size_t kTaskSlots = 30;
inline constexpr std::size_t kTaskSlotWords = 8;  // 256 message bits per task
inline constexpr std::size_t kTaskSlotBits = kTaskSlotWords * 32;

// Byte offsets of the fields.
namespace phyfa {
inline constexpr std::size_t kSwitches = 0;
inline constexpr std::size_t kTdPrimitiveIds = 4;
inline constexpr std::size_t kGsmPrimitiveIds = 68;
inline constexpr std::size_t kTdStateFrom = 132;
inline constexpr std::size_t kTdStateTo = 133;
inline constexpr std::size_t kTdReserved = 134;
inline constexpr std::size_t kTdOptionsA = 136;
inline constexpr std::size_t kTdOptionsB = 138;
inline constexpr std::size_t kGsmStateFrom = 140;
inline constexpr std::size_t kGsmStateTo = 141;
inline constexpr std::size_t kGsmReserved = 142;
inline constexpr std::size_t kGsmOptionsA = 144;
inline constexpr std::size_t kGsmOptionsB = 146;
inline constexpr std::size_t kReserved = 148;
inline constexpr std::size_t kTdTaskMask = 156;
inline constexpr std::size_t kGsmTaskMask = 160;
inline constexpr std::size_t kCommonTaskMask = 164;
inline constexpr std::size_t kTaskBitmaps = 168;

static_assert(kGsmPrimitiveIds == kTdPrimitiveIds + 4 * kPrimitiveSlots);
static_assert(kTdStateFrom == kGsmPrimitiveIds + 4 * kPrimitiveSlots);
static_assert(kTdTaskMask == kReserved + 8);
static_assert(kTaskBitmaps + kTaskSlots * kTaskSlotWords * 4 == kPhyFaFilterConfigSize);
}  // namespace phyfa

// Every field, reserved ones included, so that reading and writing back
// keeps all 1128 bytes.
struct PhyFaFilterConfig {
  std::array<std::uint8_t, kFilterSwitches> switches{};
  std::array<std::uint32_t, kPrimitiveSlots> tdPrimitiveIds{};
  std::array<std::uint32_t, kPrimitiveSlots> gsmPrimitiveIds{};
  std::uint8_t tdStateFrom = 0;
  std::uint8_t tdStateTo = 0;
  std::uint16_t tdReserved = 0;
  std::uint16_t tdOptionsA = 0;  // bits 0 to 9
  std::uint16_t tdOptionsB = 0;  // bits 0 to 7
  std::uint8_t gsmStateFrom = 0;
  std::uint8_t gsmStateTo = 0;
  std::uint16_t gsmReserved = 0;
  std::uint16_t gsmOptionsA = 0;
  std::uint16_t gsmOptionsB = 0;
  std::array<std::uint32_t, 2> reserved{};
  std::uint32_t tdTaskMask = 0;      // bit t for task t of 0 to 14
  std::uint32_t gsmTaskMask = 0;     // bit t - 32 for task t of 33 to 44
  std::uint32_t commonTaskMask = 0;  // bit t - 128 for task t of 129 to 131
  std::array<std::array<std::uint32_t, kTaskSlotWords>, kTaskSlots> taskBitmaps{};

  friend bool operator==(const PhyFaFilterConfig&, const PhyFaFilterConfig&) = default;
};

using PhyFaFilterBytes = std::array<std::uint8_t, kPhyFaFilterConfigSize>;

PhyFaFilterBytes toBytes(const PhyFaFilterConfig& config);
void writePhyFaFilterConfig(std::span<std::uint8_t, kPhyFaFilterConfigSize> out, const PhyFaFilterConfig& config);
// The configuration in exactly 1128 bytes; fewer are Truncated, more Malformed.
std::variant<PhyFaFilterConfig, ReadFault> parsePhyFaFilterConfig(std::span<const std::uint8_t> bytes);
// Nothing unless exactly 1128 bytes are given.
std::optional<PhyFaFilterConfig> readPhyFaFilterConfig(std::span<const std::uint8_t> bytes);

// Task slots: slots 0 to 13 belong to tasks 0 to 13, slots 14 to 25 to tasks
// 33 to 44, slots 26 to 28 to tasks 129 to 131, and slot 29 to task 14.
constexpr std::optional<std::size_t> taskSlot(std::uint32_t task) {
  if (task <= 13) return task;
  if (task == 14) return 29;
  if (task >= 33 && task <= 44) return task - 19;
  if (task >= 129 && task <= 131) return task - 103;
  return std::nullopt;
}

constexpr std::uint32_t taskOfSlot(std::size_t slot) {
  if (slot <= 13) return static_cast<std::uint32_t>(slot);
  if (slot <= 25) return static_cast<std::uint32_t>(slot + 19);
  if (slot <= 28) return static_cast<std::uint32_t>(slot + 103);
  return 14;
}

enum class TaskGroup { Td, Gsm, Common };

struct TaskMaskBit {
  TaskGroup group;
  std::uint32_t bit;
};

// Which mask, and which bit of it, marks a task that has a slot.
constexpr TaskMaskBit taskMaskBit(std::uint32_t task) {
  if (task <= 14) return {TaskGroup::Td, task};
  if (task <= 44) return {TaskGroup::Gsm, task - 32};
  return {TaskGroup::Common, task - 128};
}

}  // namespace orbel
