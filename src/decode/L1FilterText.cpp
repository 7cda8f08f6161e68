#include "decode/L1FilterText.h"

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <variant>

#include "orbel/catalogue/L1PrimitiveTable.h"
#include "orbel/catalogue/L1StateTables.h"
#include "orbel/catalogue/L1TaskTables.h"
#include "orbel/l1filter/FilterConfigCodec.h"
#include "orbel/wire/ByteOrder.h"

namespace orbel {
namespace {

using Json = nlohmann::ordered_json;

constexpr char kKind[] = "layer-1 filter";

std::string hex(std::uint32_t value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%0*X", digits, value);
  return text;
}

[[noreturn]] void fail(const std::string& what) { throw L1FilterTextError(what); }

std::uint32_t hexValue(const Json& value, const std::string& where, std::uint32_t max) {
  if (!value.is_string()) fail(where + ": a hex text such as \"0x00FF\" is expected");
  const std::string text = value.get<std::string>();
  if (text.size() < 3 || text.size() > 10 || text.compare(0, 2, "0x") != 0 ||
      text.find_first_not_of("0123456789abcdefABCDEF", 2) != std::string::npos)
    fail(where + ": \"" + text + "\" is not a hex text");
  const unsigned long parsed = std::stoul(text.substr(2), nullptr, 16);
  if (parsed > max) fail(where + ": " + text + " is too large");
  return static_cast<std::uint32_t>(parsed);
}

std::uint32_t numberValue(const Json& value, const std::string& where, std::uint32_t max) {
  if (!value.is_number_unsigned() || value.get<std::uint64_t>() > max)
    fail(where + ": a number from 0 to " + std::to_string(max) + " is expected");
  return static_cast<std::uint32_t>(value.get<std::uint64_t>());
}

const Json& member(const Json& object, const char* key, const std::string& where) {
  if (!object.is_object() || !object.contains(key)) fail(where + ": \"" + key + "\" is missing");
  return object.at(key);
}

// Primitives: a name when the name leads back to the same identifier in the
// same list, the identifier otherwise; null for an empty slot.
std::size_t listEnd(PrimitiveList list) {
  return list == PrimitiveList::Td ? kTdPrimitiveFirstRow + kTdPrimitiveRows
                                   : kGsmPrimitiveFirstRow + kGsmPrimitiveRows;
}
std::size_t listBegin(PrimitiveList list) {
  return list == PrimitiveList::Td ? kTdPrimitiveFirstRow : kGsmPrimitiveFirstRow;
}
std::optional<std::uint32_t> identifierNamed(PrimitiveList list, const std::string& name) {
  for (std::size_t row = listBegin(list); row < listEnd(list); ++row)
    if (L1PrimitiveTable[row].name == name) return L1PrimitiveTable[row].identifier;
  return std::nullopt;
}

Json primitivesText(PrimitiveList list, const std::array<std::uint32_t, kPrimitiveSlots>& slots) {
  std::size_t used = kPrimitiveSlots;
  while (used > 0 && slots[used - 1] == kEmptyPrimitiveSlot) --used;
  Json out = Json::array();
  for (std::size_t slot = 0; slot < used; ++slot) {
    const std::uint32_t id = slots[slot];
    const std::optional<std::size_t> row = primitiveRowFor(list, id);
    if (id == kEmptyPrimitiveSlot)
      out.push_back(nullptr);
    else if (row && identifierNamed(list, std::string(L1PrimitiveTable[*row].name)) == id)
      out.push_back(std::string(L1PrimitiveTable[*row].name));
    else
      out.push_back(id);
  }
  return out;
}

std::array<std::uint32_t, kPrimitiveSlots> primitivesFrom(PrimitiveList list, const Json& text,
                                                          const std::string& where) {
  if (!text.is_array() || text.size() > kPrimitiveSlots) fail(where + ": a list of at most 16 entries is expected");
  std::array<std::uint32_t, kPrimitiveSlots> slots;
  slots.fill(kEmptyPrimitiveSlot);
  for (std::size_t slot = 0; slot < text.size(); ++slot) {
    const Json& entry = text[slot];
    const std::string at = where + "[" + std::to_string(slot) + "]";
    if (entry.is_null()) continue;
    if (entry.is_string()) {
      const std::optional<std::uint32_t> id = identifierNamed(list, entry.get<std::string>());
      if (!id) fail(at + ": no primitive of this list is named \"" + entry.get<std::string>() + "\"");
      slots[slot] = *id;
    } else {
      slots[slot] = numberValue(entry, at, 0xFFFFFFFF);
    }
  }
  return slots;
}

Json stateText(std::span<const L1State> table, std::uint8_t code) {
  if (const std::optional<std::size_t> row = findStateRow(table, code)) return std::string(table[*row].name);
  return code;
}

std::uint8_t stateFrom(std::span<const L1State> table, const Json& text, const std::string& where) {
  if (text.is_string()) {
    for (const L1State& state : table)
      if (state.name == text.get<std::string>()) return static_cast<std::uint8_t>(state.code);
    fail(where + ": no state is named \"" + text.get<std::string>() + "\"");
  }
  return static_cast<std::uint8_t>(numberValue(text, where, 0xFF));
}

std::string taskName(std::size_t slot) {
  const std::uint32_t task = taskOfSlot(slot);
  if (const std::optional<std::size_t> row = findTask(task)) return std::string(L1TaskTable[*row].name);
  return "task " + std::to_string(task);
}

Json taskMessagesText(const PhyFaFilterConfig& config) {
  Json out = Json::object();
  for (std::size_t slot = 0; slot < kTaskSlots; ++slot) {
    Json messages = Json::array();
    for (std::size_t bit = 0; bit < kTaskSlotBits; ++bit) {
      if ((config.taskBitmaps[slot][bit / 32] >> (bit % 32) & 1u) == 0) continue;
      const std::optional<std::size_t> row = taskMessageRowAt(slot, bit);
      const std::optional<std::size_t> named =
          row ? findTaskMessage(L1TaskMessageTable[*row].name) : std::optional<std::size_t>{};
      if (named == row && row)
        messages.push_back(std::string(L1TaskMessageTable[*row].name));
      else
        messages.push_back(bit);
    }
    if (!messages.empty()) out[taskName(slot)] = std::move(messages);
  }
  return out;
}

void taskMessagesFrom(const Json& text, PhyFaFilterConfig& config) {
  if (!text.is_object()) fail("taskMessages: an object of tasks is expected");
  for (const auto& [task, messages] : text.items()) {
    std::optional<std::size_t> slot;
    for (std::size_t s = 0; s < kTaskSlots && !slot; ++s)
      if (taskName(s) == task) slot = s;
    const std::string where = "taskMessages." + task;
    if (!slot) fail(where + ": no task is named so");
    if (!messages.is_array()) fail(where + ": a list of messages is expected");
    for (const Json& message : messages) {
      std::size_t bit = 0;
      if (message.is_string()) {
        const std::optional<std::size_t> row = findTaskMessage(message.get<std::string>());
        const std::uint32_t value = row ? L1TaskMessageTable[*row].value : 0;
        if (!row || taskSlot(taskOfMessage(value)) != slot || indexOfMessage(value) >= kTaskSlotBits)
          fail(where + ": \"" + message.get<std::string>() + "\" is not a message of this task");
        bit = indexOfMessage(value);
      } else {
        bit = numberValue(message, where, kTaskSlotBits - 1);
      }
      config.taskBitmaps[*slot][bit / 32] |= std::uint32_t{1} << (bit % 32);
    }
  }
}

Json sideText(std::span<const L1State> table, std::uint8_t from, std::uint8_t to, std::uint16_t reserved,
              std::uint16_t optionsA, std::uint16_t optionsB) {
  Json side = {{"stateFrom", stateText(table, from)},
               {"stateTo", stateText(table, to)},
               {"optionsA", hex(optionsA, 4)},
               {"optionsB", hex(optionsB, 4)}};
  if (reserved != 0) side["reserved"] = hex(reserved, 4);
  return side;
}

// The reverse of sideText: one side's states and option words from its text.
void readSide(const Json& side, const std::string& name, std::span<const L1State> table, std::uint8_t& from,
              std::uint8_t& to, std::uint16_t& reserved, std::uint16_t& optionsA, std::uint16_t& optionsB) {
  from = stateFrom(table, member(side, "stateFrom", name), name + ".stateFrom");
  to = stateFrom(table, member(side, "stateTo", name), name + ".stateTo");
  reserved = side.contains("reserved")
                 ? static_cast<std::uint16_t>(hexValue(side["reserved"], name + ".reserved", 0xFFFF))
                 : 0;
  optionsA = static_cast<std::uint16_t>(hexValue(member(side, "optionsA", name), name + ".optionsA", 0xFFFF));
  optionsB = static_cast<std::uint16_t>(hexValue(member(side, "optionsB", name), name + ".optionsB", 0xFFFF));
}

}  // namespace

L1FilterFileContents readL1FilterFileOrThrow(std::span<const std::uint8_t> file) {
  const auto parsed = parseL1FilterFile(file);
  if (const auto* fault = std::get_if<L1FilterFileFault>(&parsed))
    fail(std::string("not a layer-1 filter file: ") + faultText(*fault));
  return std::get<L1FilterFileContents>(parsed);
}

std::string exportL1FilterText(std::span<const std::uint8_t> file) {
  const L1FilterFileContents contents = readL1FilterFileOrThrow(file);
  const PhyFaFilterConfig& config = contents.config;
  Json text = {{"kind", kKind}, {"prefixed", contents.prefixed}, {"codeWord", hex(contents.header.codeWord, 8)}};
  text["switches"] = config.switches;
  text["tdPrimitives"] = primitivesText(PrimitiveList::Td, config.tdPrimitiveIds);
  text["gsmPrimitives"] = primitivesText(PrimitiveList::Gsm, config.gsmPrimitiveIds);
  text["td"] = sideText(TdL1StateTable, config.tdStateFrom, config.tdStateTo, config.tdReserved, config.tdOptionsA,
                        config.tdOptionsB);
  text["gsm"] = sideText(GsmL1StateTable, config.gsmStateFrom, config.gsmStateTo, config.gsmReserved,
                         config.gsmOptionsA, config.gsmOptionsB);
  if (config.reserved != std::array<std::uint32_t, 2>{})
    text["reserved"] = {hex(config.reserved[0], 8), hex(config.reserved[1], 8)};
  text["taskMasks"] = {{"td", hex(config.tdTaskMask, 8)},
                       {"gsm", hex(config.gsmTaskMask, 8)},
                       {"common", hex(config.commonTaskMask, 8)}};
  text["taskMessages"] = taskMessagesText(config);
  return text.dump(2) + "\n";
}

std::vector<std::uint8_t> importL1FilterText(const std::string& source) {
  const Json text = Json::parse(source, nullptr, false);
  if (text.is_discarded() || !text.is_object()) fail("not a JSON object");
  if (member(text, "kind", "text") != kKind) fail("kind: \"" + std::string(kKind) + "\" is expected");
  PhyFaFilterConfig config;
  const Json& switches = member(text, "switches", "text");
  if (!switches.is_array() || switches.size() != kFilterSwitches) fail("switches: a list of 4 numbers is expected");
  for (std::size_t k = 0; k < kFilterSwitches; ++k)
    config.switches[k] = static_cast<std::uint8_t>(numberValue(switches[k], "switches", 0xFF));
  config.tdPrimitiveIds = primitivesFrom(PrimitiveList::Td, member(text, "tdPrimitives", "text"), "tdPrimitives");
  config.gsmPrimitiveIds = primitivesFrom(PrimitiveList::Gsm, member(text, "gsmPrimitives", "text"), "gsmPrimitives");
  readSide(member(text, "td", "text"), "td", TdL1StateTable, config.tdStateFrom, config.tdStateTo, config.tdReserved,
           config.tdOptionsA, config.tdOptionsB);
  readSide(member(text, "gsm", "text"), "gsm", GsmL1StateTable, config.gsmStateFrom, config.gsmStateTo,
           config.gsmReserved, config.gsmOptionsA, config.gsmOptionsB);
  if (text.contains("reserved")) {
    const Json& reserved = text["reserved"];
    if (!reserved.is_array() || reserved.size() != 2) fail("reserved: a list of 2 hex texts is expected");
    for (std::size_t k = 0; k < 2; ++k) config.reserved[k] = hexValue(reserved[k], "reserved", 0xFFFFFFFF);
  }
  const Json& masks = member(text, "taskMasks", "text");
  config.tdTaskMask = hexValue(member(masks, "td", "taskMasks"), "taskMasks.td", 0xFFFFFFFF);
  config.gsmTaskMask = hexValue(member(masks, "gsm", "taskMasks"), "taskMasks.gsm", 0xFFFFFFFF);
  config.commonTaskMask = hexValue(member(masks, "common", "taskMasks"), "taskMasks.common", 0xFFFFFFFF);
  taskMessagesFrom(member(text, "taskMessages", "text"), config);

  const Json& prefixed = member(text, "prefixed", "text");
  if (!prefixed.is_boolean()) fail("prefixed: true or false is expected");
  const std::uint32_t codeWord = hexValue(member(text, "codeWord", "text"), "codeWord", 0xFFFFFFFF);
  L1FilterFileBytes file = encodeL1FilterFile(config);
  writeU32LE(std::span(file).subspan(kL1FilterPrefixSize), 16, codeWord);
  std::vector<std::uint8_t> bytes(file.begin() + (prefixed.get<bool>() ? 0 : kL1FilterPrefixSize), file.end());
  readL1FilterFileOrThrow(bytes);  // a code word the reader refuses is refused here too
  return bytes;
}

}  // namespace orbel
