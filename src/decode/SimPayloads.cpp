// Payloads of the SIM commands that the host defines. A row left empty adds
// nothing and comma lists and character fields vary in length, so the
// payload is matched against the command's fields: the first layout (every
// field present where possible, longest lists first) whose items pass the
// command's checks and fill the payload exactly is shown, with a note when
// it leaves fields empty and another layout would fit as well.
#include <algorithm>
#include <optional>

#include "decode/PayloadDecoding.h"
#include "host/SimFilterInfoMan.h"
#include "orbel/diag/sim/SimCommandItems.h"
#include "orbel/wire/ByteReader.h"

namespace orbel {
namespace {

// Fields placed and items looked at before the payload is shown raw.
constexpr std::size_t kSearchBudget = 100000;

const SimDefinitions& definitions() { return CSimFilterInfoMan::CreateInstance(true)->GetSimDefinitions(); }

// The command a message stands for: the first with its primitive that is
// routed to its module, else the first with its primitive.
const SimRecordEntry* recordFor(const SimDefinitions& defs, std::uint32_t primitiveId, ModuleId module) {
  const SimRecordEntry* fallback = nullptr;
  for (const SimRecordEntry& record : defs.records) {
    if (record.primitiveId != primitiveId) continue;
    if (record.moduleFromFirstField != 0) return &record;
    for (const SimTaskEntry& task : defs.tasks)
      if (task.key == record.moduleTaskKey && task.task == module.task && task.subModule == module.subModule)
        return &record;
    if (fallback == nullptr) fallback = &record;
  }
  return fallback;
}

std::optional<std::string> listText(const SimDefinitions& defs, std::uint32_t checkKey, std::uint32_t value) {
  for (const SimValueEntry& choice : defs.values)
    if (choice.checkKey == checkKey && choice.value == value) return choice.text;
  return std::nullopt;
}

// `count` items of `width` bytes at `offset`, when the payload holds them all.
std::optional<std::span<const std::uint8_t>> itemsAt(std::span<const std::uint8_t> payload, std::size_t offset,
                                                     std::size_t count, std::size_t width) {
  ByteReader reader(payload);
  if (!reader.skip(offset)) return std::nullopt;
  return reader.items(count, width);
}

struct Placement {
  const SimFieldEntry* field;
  std::size_t offset;
  std::size_t count;  // items
};

class LayoutSearch {
 public:
  LayoutSearch(const SimDefinitions& defs, std::span<const SimFieldEntry> fields, std::span<const std::uint8_t> payload)
      : defs_(defs), fields_(fields), payload_(payload) {}

  // Finds the first layout, then looks on for a second one.
  bool run(std::optional<std::uint32_t> lastValue) {
    place(0, 0, lastValue);
    return found_ > 0;
  }
  bool exhausted() const { return budget_ == 0; }
  bool ambiguous() const { return found_ > 1; }
  const std::vector<Placement>& placements() const { return first_; }

 private:
  static constexpr int kLayoutsWanted = 2;

  // True once enough layouts were found.
  bool place(std::size_t index, std::size_t offset, std::optional<std::uint32_t> last) {
    if (budget_ == 0) return false;
    --budget_;
    if (index == fields_.size()) {
      if (offset != payload_.size()) return false;
      if (found_++ == 0) first_ = placements_;
      return found_ >= kLayoutsWanted;
    }
    const SimFieldEntry& field = fields_[index];
    const std::size_t room = payload_.size() - offset;
    const std::size_t width = field.width;
    const bool fromList = field.listFlag == 1;
    if (fromList && field.kind != kSimFieldNumber && field.kind != kSimFieldText) return place(index + 1, offset, last);

    if (field.kind == kSimFieldNumber && width >= 1 && width <= 4 && width <= room) {
      const PARAMETER_ITEM_STRUCT item = numberItem(field, offset);
      if (accepts(field, item) && (!fromList || listText(defs_, field.checkKey, item.value)) &&
          tryPlace(index, offset, 1, width, item.value))
        return true;
    } else if (field.kind == kSimFieldText && width <= kItemDataSize && width <= room) {
      const PARAMETER_ITEM_STRUCT item = textItem(field, offset);
      if (accepts(field, item) && (!fromList || listHoldsText(field, item)) && tryPlace(index, offset, 1, width, last))
        return true;
    } else if (field.kind == kSimFieldNumbers && width >= 1 && width <= 4) {
      std::size_t valid = 0;
      while (budget_ > 0 && (valid + 1) * width <= room && accepts(field, numberItem(field, offset + valid * width))) {
        --budget_;  // every item looked at counts, so a long payload cannot multiply the work
        ++valid;
      }
      for (std::size_t count = valid; count >= 1; --count)
        if (tryPlace(index, offset, count, count * width, numberItem(field, offset + (count - 1) * width).value))
          return true;
    } else if (field.kind == kSimFieldCharacters && last && *last > 0 && width >= 1 && width <= kItemDataSize &&
               std::size_t{*last} * width <= room && charactersFit(field, offset, *last)) {
      if (tryPlace(index, offset, *last, *last * width, 0)) return true;
    }
    return place(index + 1, offset, last);  // the row was left empty
  }

  bool tryPlace(std::size_t index, std::size_t offset, std::size_t count, std::size_t bytes,
                std::optional<std::uint32_t> last) {
    placements_.push_back({&fields_[index], offset, count});
    if (place(index + 1, offset + bytes, last)) return true;
    placements_.pop_back();
    return false;
  }

  PARAMETER_ITEM_STRUCT numberItem(const SimFieldEntry& field, std::size_t offset) const {
    PARAMETER_ITEM_STRUCT item;
    item.kind = field.kind;
    item.width = field.width;
    if (const auto bytes = itemsAt(payload_, offset, 1, field.width))
      item.value = ByteReader(*bytes).uBE(field.width).value_or(0);
    return item;
  }

  PARAMETER_ITEM_STRUCT textItem(const SimFieldEntry& field, std::size_t offset) const {
    PARAMETER_ITEM_STRUCT item;
    item.kind = field.kind;
    item.width = field.width;
    if (const auto bytes = itemsAt(payload_, offset, 1, field.width))
      std::copy(bytes->begin(), bytes->end(), item.data);
    return item;
  }

  bool accepts(const SimFieldEntry& field, const PARAMETER_ITEM_STRUCT& item) const {
    return checkSimItem(defs_, field.checkKey, item) == SimCheckOutcome::Passed;
  }

  bool listHoldsText(const SimFieldEntry& field, const PARAMETER_ITEM_STRUCT& item) const {
    for (const SimValueEntry& choice : defs_.values) {
      if (choice.checkKey != field.checkKey) continue;
      PARAMETER_ITEM_STRUCT chosen;
      std::copy_n(choice.text.begin(), std::min(choice.text.size(), kItemDataSize), chosen.data);
      if (std::equal(item.data, item.data + field.width, chosen.data)) return true;
    }
    return false;
  }

  // Each character item is one character followed by zero bytes.
  bool charactersFit(const SimFieldEntry& field, std::size_t offset, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      if (budget_ == 0) return false;
      --budget_;
      const std::size_t at = offset + i * field.width;
      const auto character = itemsAt(payload_, at, 1, field.width);
      if (!character || character->empty() || character->front() == 0 ||
          std::any_of(character->begin() + 1, character->end(), [](std::uint8_t byte) { return byte != 0; }))
        return false;
      if (!accepts(field, textItem(field, at))) return false;
    }
    return true;
  }

  const SimDefinitions& defs_;
  std::span<const SimFieldEntry> fields_;
  std::span<const std::uint8_t> payload_;
  std::vector<Placement> placements_;
  std::vector<Placement> first_;
  int found_ = 0;
  std::size_t budget_ = kSearchBudget;
};

std::string shownText(std::span<const std::uint8_t> bytes) {
  while (!bytes.empty() && bytes.back() == 0) bytes = bytes.first(bytes.size() - 1);
  std::string text = "\"";
  for (std::uint8_t byte : bytes) {
    if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\')
      text += static_cast<char>(byte);
    else
      text += "\\x" + hexText(byte, 2).substr(2);
  }
  return text + '"';
}

void addPlacement(const PayloadContext& context, const SimDefinitions& defs, const Placement& placed) {
  const SimFieldEntry& field = *placed.field;
  const std::size_t width = field.width;
  const std::span<const std::uint8_t> bytes =
      itemsAt(context.payload, placed.offset, placed.count, width).value_or(std::span<const std::uint8_t>());
  ByteReader reader(bytes);
  std::string value;
  switch (field.kind) {
    case kSimFieldNumber: {
      const std::uint32_t number = reader.uBE(width).value_or(0);
      value = numberText(number, static_cast<int>(2 * width));
      if (std::optional<std::string> text = listText(defs, field.checkKey, number)) value += " \"" + *text + '"';
      break;
    }
    case kSimFieldText: value = shownText(bytes); break;
    case kSimFieldNumbers:
      value = std::to_string(placed.count) + (placed.count == 1 ? " value:" : " values:");
      for (std::size_t i = 0; const std::optional<std::uint32_t> number = reader.uBE(width); ++i)
        value += (i == 0 ? " " : ", ") + hexText(*number, static_cast<int>(2 * width));
      break;
    default: {
      std::vector<std::uint8_t> characters;
      for (std::size_t i = 0; i < placed.count && i * width < bytes.size(); ++i) characters.push_back(bytes[i * width]);
      value = shownText(characters) + " (" + std::to_string(placed.count) + " characters)";
      break;
    }
  }
  addPayloadField(context, placed.offset, bytes.size(), field.name, value);
}

void decodeSimPayload(const PayloadContext& context) {
  const SimDefinitions& defs = definitions();
  const SimRecordEntry* record = recordFor(defs, context.primitiveId, context.module);
  if (record == nullptr) return;
  std::span<const SimFieldEntry> fields = simRecordFields(defs, *record);
  std::optional<std::uint32_t> last;
  if (record->moduleFromFirstField != 0 && !fields.empty()) {
    // The first field's item became the ModuleId and left the payload; it
    // still counts as the item before the second field.
    const std::uint32_t module = static_cast<std::uint32_t>(context.module.subModule) << 8 | context.module.task;
    std::optional<std::string> choice = listText(defs, fields[0].checkKey, module);
    context.notes.push_back("SIM command " + record->name + ": the module was chosen in \"" + fields[0].name + "\"" +
                            (choice ? ": " + *choice : ""));
    last = module;
    fields = fields.subspan(1);
  }
  LayoutSearch search(defs, fields, context.payload);
  if (!search.run(last)) {
    context.notes.push_back("the payload does not match the fields of SIM command " + record->name +
                            (search.exhausted() ? " (too many possible layouts to try)" : ""));
    return;
  }
  std::string empty;
  std::size_t next = 0;
  for (const SimFieldEntry& field : fields) {
    const auto& placed = search.placements();
    if (next < placed.size() && placed[next].field == &field)
      addPlacement(context, defs, placed[next++]);
    else
      empty += (empty.empty() ? "" : ", ") + ('"' + field.name + '"');
  }
  if (!empty.empty())
    context.notes.push_back("SIM command " + record->name + ": left empty: " + empty +
                            (search.ambiguous() ? " (other layouts fit this payload too)" : ""));
}

}  // namespace

PayloadDecoder simPayloadDecoder(std::uint32_t primitiveId) {
  for (const SimRecordEntry& record : definitions().records)
    if (record.primitiveId == primitiveId) return decodeSimPayload;
  return nullptr;
}

}  // namespace orbel
