#include "orbel/l1filter/FilterConfigCodec.h"

#include <bit>
#include <cassert>

namespace orbel {
namespace {

constexpr std::size_t kNoRow = 0xFFFF;

// Row of the task message at each bit of each task slot; the first row wins.
constexpr auto kMessageRows = [] {
  std::array<std::uint16_t, kTaskSlots * kTaskSlotBits> rows{};
  rows.fill(kNoRow);
  for (std::size_t row = kL1TaskMessageCount; row-- > 0;) {
    const std::uint32_t value = L1TaskMessageTable[row].value;
    const std::optional<std::size_t> slot = taskSlot(taskOfMessage(value));
    if (slot && indexOfMessage(value) < kTaskSlotBits)
      rows[*slot * kTaskSlotBits + indexOfMessage(value)] = static_cast<std::uint16_t>(row);
  }
  return rows;
}();

constexpr bool everyTaskHasASlot() {
  for (const L1Task& task : L1TaskTable)
    if (!taskSlot(task.number)) return false;
  return true;
}
static_assert(everyTaskHasASlot());

std::uint8_t stateCode(std::span<const L1State> table, std::size_t row) {
  assert(row < table.size());
  return static_cast<std::uint8_t>(table[row < table.size() ? row : 0].code);
}

// Appends the identifiers of the ticked rows first..last-1, up to 16 slots.
void appendTicked(const PhyFaSelection& selection, std::size_t first, std::size_t last,
                  std::array<std::uint32_t, kPrimitiveSlots>& slots, std::size_t& used) {
  for (std::size_t row = first; row < last && used < kPrimitiveSlots; ++row)
    if (selection.primitives.test(row)) slots[used++] = L1PrimitiveTable[row].identifier;
}

void tickListed(const std::array<std::uint32_t, kPrimitiveSlots>& slots, PrimitiveList list,
                PhyFaSelection& selection) {
  for (std::uint32_t identifier : slots) {
    if (identifier == kEmptyPrimitiveSlot) break;
    if (std::optional<std::size_t> row = primitiveRowFor(list, identifier)) selection.primitives.set(*row);
  }
}

}  // namespace

std::optional<std::size_t> primitiveRowFor(PrimitiveList list, std::uint32_t identifier) {
  const bool td = list == PrimitiveList::Td;
  const std::size_t first = td ? kTdPrimitiveFirstRow : kGsmPrimitiveFirstRow;
  const std::size_t last = first + (td ? kTdPrimitiveRows : kGsmPrimitiveRows);
  for (std::size_t row = first; row < last; ++row)
    if (L1PrimitiveTable[row].identifier == identifier) return row;
  return std::nullopt;
}

std::optional<std::size_t> taskMessageRowAt(std::size_t slot, std::size_t bit) {
  if (slot >= kTaskSlots || bit >= kTaskSlotBits) return std::nullopt;
  const std::size_t row = kMessageRows[slot * kTaskSlotBits + bit];
  if (row == kNoRow) return std::nullopt;
  return row;
}

PhyFaFilterConfig encodeFilterSelection(const PhyFaSelection& selection) {
  PhyFaFilterConfig config;
  config.tdPrimitiveIds.fill(kEmptyPrimitiveSlot);
  config.gsmPrimitiveIds.fill(kEmptyPrimitiveSlot);
  for (std::size_t k = 0; k < kFilterSwitches; ++k) config.switches[k] = selection.switches[k] ? 1 : 0;

  std::size_t used = 0;
  appendTicked(selection, kTdFirstVisitedRow, kTdPrimitiveFirstRow + kTdPrimitiveRows, config.tdPrimitiveIds, used);
  appendTicked(selection, kTdPrimitiveFirstRow, kTdFirstVisitedRow, config.tdPrimitiveIds, used);
  used = 0;
  appendTicked(selection, kGsmPrimitiveFirstRow, kGsmPrimitiveFirstRow + kGsmPrimitiveRows, config.gsmPrimitiveIds,
               used);

  config.tdStateFrom = stateCode(TdL1StateTable, selection.tdStateFrom);
  config.tdStateTo = stateCode(TdL1StateTable, selection.tdStateTo);
  config.gsmStateFrom = stateCode(GsmL1StateTable, selection.gsmStateFrom);
  config.gsmStateTo = stateCode(GsmL1StateTable, selection.gsmStateTo);
  config.tdOptionsA = selection.tdOptionsA & kOptionsAMask;
  config.tdOptionsB = selection.tdOptionsB & kOptionsBMask;
  config.gsmOptionsA = selection.gsmOptionsA & kOptionsAMask;
  config.gsmOptionsB = selection.gsmOptionsB & kOptionsBMask;

  for (std::size_t row = 0; row < kL1TaskMessageCount; ++row) {
    if (!selection.taskMessages.test(row)) continue;
    const std::uint32_t value = L1TaskMessageTable[row].value;
    const std::uint32_t task = taskOfMessage(value);
    const std::uint32_t index = indexOfMessage(value);
    const std::optional<std::size_t> slot = taskSlot(task);
    if (index >= kTaskSlotBits || !slot) continue;
    config.taskBitmaps[*slot][index / 32] |= std::uint32_t{1} << (index % 32);
    const TaskMaskBit mask = taskMaskBit(task);
    std::uint32_t& word = mask.group == TaskGroup::Td    ? config.tdTaskMask
                          : mask.group == TaskGroup::Gsm ? config.gsmTaskMask
                                                         : config.commonTaskMask;
    word |= std::uint32_t{1} << mask.bit;
  }
  return config;
}

PhyFaSelection decodeFilterConfig(const PhyFaFilterConfig& config) {
  PhyFaSelection selection;
  tickListed(config.tdPrimitiveIds, PrimitiveList::Td, selection);
  tickListed(config.gsmPrimitiveIds, PrimitiveList::Gsm, selection);

  selection.tdStateFrom = findStateRow(TdL1StateTable, config.tdStateFrom).value_or(0);
  selection.tdStateTo = findStateRow(TdL1StateTable, tdStateToCode(config)).value_or(0);
  selection.gsmStateFrom = findStateRow(GsmL1StateTable, config.gsmStateFrom).value_or(0);
  selection.gsmStateTo = findStateRow(GsmL1StateTable, gsmStateToCode(config)).value_or(0);

  // A switch is on when its byte is 1; the dialog's boxes know no other state.
  for (std::size_t k = 0; k < kFilterSwitches; ++k) selection.switches[k] = config.switches[k] == 1;
  selection.tdOptionsA = config.tdOptionsA & kOptionsAMask;
  selection.tdOptionsB = config.tdOptionsB & kOptionsBMask;
  selection.gsmOptionsA = config.gsmOptionsA & kOptionsAMask;
  selection.gsmOptionsB = config.gsmOptionsB & kOptionsBMask;

  // The task masks are not read: the bitmaps alone say what is ticked.
  for (std::size_t slot = 0; slot < kTaskSlots; ++slot) {
    for (std::size_t word = 0; word < kTaskSlotWords; ++word) {
      for (std::uint32_t bits = config.taskBitmaps[slot][word]; bits != 0; bits &= bits - 1) {
        const std::size_t row = kMessageRows[slot * kTaskSlotBits + 32 * word + std::countr_zero(bits)];
        if (row != kNoRow) selection.taskMessages.set(row);
      }
    }
  }
  return selection;
}

}  // namespace orbel
