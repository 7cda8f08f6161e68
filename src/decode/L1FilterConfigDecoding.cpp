// The layer-1 filter configuration, named as the filter dialog would show it.
#include <string>

#include "decode/L1Formats.h"
#include "decode/PayloadDecoding.h"
#include "orbel/l1filter/FilterConfigCodec.h"

namespace orbel {
namespace {

struct Fields {
  std::size_t base;
  DecodedMessage& message;

  void add(std::size_t at, std::size_t width, std::string name, std::string value) const {
    message.fields.push_back({base + at, width, std::move(name), std::move(value)});
  }
  void note(std::string text) const { message.notes.push_back(std::move(text)); }
};

std::string bitList(std::uint32_t bits) {
  std::string text;
  for (int bit = 0; bit < 32; ++bit)
    if ((bits >> bit & 1) != 0) text += (text.empty() ? "" : " ") + std::to_string(bit);
  return text.empty() ? "none" : "bits " + text;
}

void addSwitches(const PhyFaFilterConfig& config, const Fields& fields) {
  for (std::size_t k = 0; k < kFilterSwitches; ++k) {
    const std::uint8_t byte = config.switches[k];
    const std::string value = byte == 1 ? "on" : byte == 0 ? "off" : hexText(byte, 2) + " (off: only 1 is on)";
    fields.add(phyfa::kSwitches + k, 1, "switch " + std::to_string(k + 1), value);
  }
}

void addPrimitiveSlots(const std::array<std::uint32_t, kPrimitiveSlots>& slots, PrimitiveList list,
                       std::size_t offset, const Fields& fields) {
  const char* listName = list == PrimitiveList::Td ? "TD" : "GSM";
  bool ended = false;
  for (std::size_t slot = 0; slot < kPrimitiveSlots; ++slot) {
    const std::uint32_t identifier = slots[slot];
    std::string value;
    if (identifier == kEmptyPrimitiveSlot) {
      ended = true;
      value = "empty";
    } else if (ended) {
      value = std::to_string(identifier) + " (after the end of the list: ignored)";
    } else if (std::optional<std::size_t> row = primitiveRowFor(list, identifier)) {
      value = std::to_string(identifier) + ' ' + std::string(L1PrimitiveTable[*row].name) + " (row " +
              std::to_string(*row) + ')';
    } else {
      value = std::to_string(identifier) + " (no " + listName + " primitive: ignored)";
    }
    fields.add(offset + 4 * slot, 4, std::string(listName) + " primitive slot " + std::to_string(slot + 1), value);
  }
}

std::string stateText(std::span<const L1State> table, std::uint32_t code, std::uint8_t stored) {
  if (std::optional<std::size_t> row = findStateRow(table, code))
    return hexText(stored, 2) + ' ' + std::string(table[*row].name);
  if (code != stored) return hexText(stored, 2) + " (read with the reserved bytes as " + hexText(code, 6) + ": INIT)";
  return hexText(stored, 2) + " (no such state: INIT)";
}

void addStates(const PhyFaFilterConfig& config, const Fields& fields) {
  fields.add(phyfa::kTdStateFrom, 1, "TD state from",
             stateText(TdL1StateTable, config.tdStateFrom, config.tdStateFrom));
  fields.add(phyfa::kTdStateTo, 1, "TD state to", stateText(TdL1StateTable, tdStateToCode(config), config.tdStateTo));
  fields.add(phyfa::kTdReserved, 2, "reserved", hexText(config.tdReserved, 4));
  fields.add(phyfa::kTdOptionsA, 2, "TD options A", hexText(config.tdOptionsA, 4) + ' ' + bitList(config.tdOptionsA));
  fields.add(phyfa::kTdOptionsB, 2, "TD options B", hexText(config.tdOptionsB, 4) + ' ' + bitList(config.tdOptionsB));
  fields.add(phyfa::kGsmStateFrom, 1, "GSM state from",
             stateText(GsmL1StateTable, config.gsmStateFrom, config.gsmStateFrom));
  fields.add(phyfa::kGsmStateTo, 1, "GSM state to",
             stateText(GsmL1StateTable, gsmStateToCode(config), config.gsmStateTo));
  fields.add(phyfa::kGsmReserved, 2, "reserved", hexText(config.gsmReserved, 4));
  fields.add(phyfa::kGsmOptionsA, 2, "GSM options A",
             hexText(config.gsmOptionsA, 4) + ' ' + bitList(config.gsmOptionsA));
  fields.add(phyfa::kGsmOptionsB, 2, "GSM options B",
             hexText(config.gsmOptionsB, 4) + ' ' + bitList(config.gsmOptionsB));
  const std::pair<const char*, std::uint16_t> stray[] = {
      {"TD options A", config.tdOptionsA & ~kOptionsAMask}, {"TD options B", config.tdOptionsB & ~kOptionsBMask},
      {"GSM options A", config.gsmOptionsA & ~kOptionsAMask}, {"GSM options B", config.gsmOptionsB & ~kOptionsBMask}};
  for (const auto& [name, bits] : stray)
    if (bits != 0) fields.note(std::string(name) + " has bits that no option box shows: " + hexText(bits, 4));
}

std::string taskName(std::uint32_t task) {
  std::optional<std::size_t> position = findTask(task);
  return position ? std::string(L1TaskTable[*position].name) : "task " + std::to_string(task);
}

// The tasks marked in a mask, and the mask the bitmaps call for.
void addMask(const PhyFaFilterConfig& config, TaskGroup group, std::size_t offset, const char* name,
             std::uint32_t stored, const Fields& fields) {
  std::uint32_t expected = 0;
  std::string tasks;
  for (std::size_t slot = 0; slot < kTaskSlots; ++slot) {
    const std::uint32_t task = taskOfSlot(slot);
    const TaskMaskBit bit = taskMaskBit(task);
    if (bit.group != group) continue;
    bool any = false;
    for (std::uint32_t word : config.taskBitmaps[slot]) any = any || word != 0;
    if (any) expected |= std::uint32_t{1} << bit.bit;
  }
  for (int bit = 0; bit < 32; ++bit) {
    if ((stored >> bit & 1) == 0) continue;
    const std::uint32_t first = group == TaskGroup::Td ? 0 : group == TaskGroup::Gsm ? 32 : 128;
    const std::uint32_t task = first + static_cast<std::uint32_t>(bit);
    tasks += (tasks.empty() ? "" : " ") + taskName(task);
  }
  fields.add(offset, 4, name, hexText(stored, 8) + (tasks.empty() ? "" : ' ' + tasks));
  if (stored != expected)
    fields.note(std::string(name) + " disagrees with the task bitmaps, which call for " + hexText(expected, 8));
}

std::size_t addTaskSlots(const PhyFaFilterConfig& config, const Fields& fields) {
  std::size_t ticked = 0;
  for (std::size_t slot = 0; slot < kTaskSlots; ++slot) {
    std::string names;
    for (std::size_t bit = 0; bit < kTaskSlotBits; ++bit) {
      if ((config.taskBitmaps[slot][bit / 32] >> (bit % 32) & 1) == 0) continue;
      std::optional<std::size_t> row = taskMessageRowAt(slot, bit);
      names += names.empty() ? "" : ", ";
      names += row ? std::string(L1TaskMessageTable[*row].name)
                   : "bit " + std::to_string(bit) + " (no message: ignored)";
      ticked += row ? 1 : 0;
    }
    const std::uint32_t task = taskOfSlot(slot);
    fields.add(phyfa::kTaskBitmaps + 32 * slot, 32, taskName(task) + " messages (slot " + std::to_string(slot) + ')',
               names.empty() ? "none" : names);
  }
  return ticked;
}

}  // namespace

std::string addL1FilterConfigFields(std::span<const std::uint8_t, kPhyFaFilterConfigSize> bytes, std::size_t base,
                                    DecodedMessage& message) {
  const PhyFaFilterConfig config = std::get<PhyFaFilterConfig>(parsePhyFaFilterConfig(bytes));
  const Fields fields{base, message};
  addSwitches(config, fields);
  addPrimitiveSlots(config.tdPrimitiveIds, PrimitiveList::Td, phyfa::kTdPrimitiveIds, fields);
  addPrimitiveSlots(config.gsmPrimitiveIds, PrimitiveList::Gsm, phyfa::kGsmPrimitiveIds, fields);
  addStates(config, fields);
  fields.add(phyfa::kReserved, 8, "reserved", config.reserved[0] == 0 && config.reserved[1] == 0 ? "zero" : "not zero");
  addMask(config, TaskGroup::Td, phyfa::kTdTaskMask, "TD task mask", config.tdTaskMask, fields);
  addMask(config, TaskGroup::Gsm, phyfa::kGsmTaskMask, "GSM task mask", config.gsmTaskMask, fields);
  addMask(config, TaskGroup::Common, phyfa::kCommonTaskMask, "common task mask", config.commonTaskMask, fields);
  const std::size_t messages = addTaskSlots(config, fields);

  const PhyFaSelection selection = decodeFilterConfig(config);
  std::size_t td = 0;
  for (std::size_t row = kTdPrimitiveFirstRow; row < kTdPrimitiveFirstRow + kTdPrimitiveRows; ++row)
    td += selection.primitives.test(row) ? 1 : 0;
  const std::size_t gsm = selection.primitives.count() - td;
  if (toBytes(encodeFilterSelection(selection)) != toBytes(config))
    fields.note("not in normal form: encoding what it ticks gives different bytes");
  return std::to_string(td) + " TD primitives, " + std::to_string(gsm) + " GSM primitives, " +
         std::to_string(messages) + " task messages";
}

bool looksLikeL1FilterConfig(std::span<const std::uint8_t> bytes) {
  // A diagnostic message of this length would start 68 04 FF; a
  // configuration's first bytes are switches (0 or 1).
  return bytes.size() == kPhyFaFilterConfigSize && !(bytes[0] == 0x68 && bytes[1] == 0x04 && bytes[2] == 0xFF);
}

DecodedMessage decodeL1FilterConfigFormat(std::span<const std::uint8_t> bytes) {
  DecodedMessage message;
  if (bytes.size() != kPhyFaFilterConfigSize) {
    message.fault = sizeFault(kPhyFaFilterConfigSize, bytes.size());
    message.error = "a layer-1 filter configuration has 1128 bytes, " + std::to_string(bytes.size()) + " are present";
    return message;
  }
  message.title = "layer-1 filter configuration: " +
                  addL1FilterConfigFields(bytes.first<kPhyFaFilterConfigSize>(), 0, message);
  return message;
}

}  // namespace orbel
