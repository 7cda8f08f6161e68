#include "orbel/diag/sim/SimCommandItems.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>

#include "host/HexNumber.h"
#include "host/StringTable.h"
#include "orbel/diag/NumberText.h"
#include "orbel/wire/DiagMessage.h"

namespace orbel {
namespace {

constexpr unsigned kNotHexMessage = 157;
constexpr unsigned kOutOfRangeMessage = 160;
constexpr unsigned kUnsupportedKindMessage = 12363;
// The most payload bytes (and so items of one character) a message holds.
constexpr std::size_t kMaxPayload = 0xFFFF - kFrameOverhead;

// A refusal carries the text the dialog shows; building stops at the first.
struct Refusal {
  std::string text;
};

Refusal numbered(unsigned id) { return {getResourceStringComm(id)}; }

std::string quoted(const std::string& name) { return '"' + name + '"'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

std::string lowered(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
  return lower;
}

// A number as typed: "0x" and hexadecimal digits, or decimal digits read up
// to the first other character. A "0x" further on makes a single value 0,
// while a piece of a comma list keeps its leading decimal value. A number
// beyond 32 bits reads as the largest one, as hexadecimal numbers do, so a
// check refuses it instead of passing a wrapped value.
std::uint32_t numberValue(std::string_view typed, bool listPiece) {
  const std::string text = lowered(trimmed(typed));
  if (text.starts_with("0x")) {
    const std::string digits = text.substr(2);
    if (!ishex(digits.c_str())) throw numbered(kNotHexMessage);
    return hextoint(digits.c_str());
  }
  if (!listPiece && text.find("0x") != std::string::npos) return 0;
  return leadingDecimalValue(text, DecimalOverflow::Saturate);
}

PARAMETER_ITEM_STRUCT numberItem(const SimFieldEntry& field, std::uint32_t value) {
  PARAMETER_ITEM_STRUCT item;
  item.kind = field.kind;
  item.width = field.width;
  item.value = value;
  return item;
}

PARAMETER_ITEM_STRUCT textItem(const SimFieldEntry& field, std::string_view text) {
  if (text.size() > kItemDataSize)
    throw Refusal{"The text of " + quoted(field.name) + " has " + std::to_string(text.size()) +
                  " characters; a field holds at most " + std::to_string(kItemDataSize) + "."};
  PARAMETER_ITEM_STRUCT item;
  item.kind = field.kind;
  item.width = field.width;
  std::copy(text.begin(), text.end(), item.data);
  return item;
}

class ItemListBuilder {
 public:
  explicit ItemListBuilder(const SimDefinitions& definitions) : definitions_(definitions) {}

  void addRow(const SimFieldEntry& field, const SimRowValue& row) {
    if (row.text.empty()) return;
    if (row.fromList) {
      if (field.kind == kSimFieldNumber)
        add(field, numberItem(field, row.listValue));
      else if (field.kind == kSimFieldText)
        add(field, textItem(field, row.text));
      else
        throw numbered(kUnsupportedKindMessage);
      return;
    }
    switch (field.kind) {
      case kSimFieldNumber: add(field, numberItem(field, numberValue(row.text, false))); break;
      case kSimFieldText: add(field, textItem(field, row.text)); break;
      case kSimFieldNumbers: addPieces(field, row.text); break;
      case kSimFieldCharacters: addCharacters(field, row.text); break;
      default: break;  // a kind this form does not send
    }
  }

  std::vector<PARAMETER_ITEM_STRUCT>& items() { return items_; }

 private:
  void add(const SimFieldEntry& field, const PARAMETER_ITEM_STRUCT& item) {
    switch (checkSimItem(definitions_, field.checkKey, item)) {
      case SimCheckOutcome::Passed: break;
      case SimCheckOutcome::OutOfRange: throw numbered(kOutOfRangeMessage);
      case SimCheckOutcome::UnknownKind: throw numbered(kUnsupportedKindMessage);
    }
    items_.push_back(item);
  }

  void addPieces(const SimFieldEntry& field, std::string_view text) {
    std::size_t start = 0;
    while (true) {
      const std::size_t comma = text.find(',', start);
      add(field, numberItem(field, numberValue(text.substr(start, comma - start), true)));
      if (comma == std::string_view::npos) break;
      start = comma + 1;
    }
  }

  // The count comes from the item added last; the text is padded with
  // blanks to it and sent one character per item.
  void addCharacters(const SimFieldEntry& field, const std::string& text) {
    if (items_.empty())
      throw Refusal{quoted(field.name) + " takes its number of characters from the field before it, which is empty."};
    const std::uint32_t count = items_.back().value;
    if (count > kMaxPayload || std::size_t{count} * field.width > kMaxPayload)
      throw Refusal{quoted(field.name) + " would be sent as " + std::to_string(count) +
                    " characters, more than one message holds."};
    for (std::uint32_t i = 0; i < count; ++i) {
      PARAMETER_ITEM_STRUCT item;
      item.kind = field.kind;
      item.width = field.width;
      item.data[0] = static_cast<std::uint8_t>(i < text.size() ? text[i] : ' ');
      add(field, item);
    }
  }

  const SimDefinitions& definitions_;
  std::vector<PARAMETER_ITEM_STRUCT> items_;
};

// The routing value of a task: sub-module byte x 256 + task byte.
std::uint32_t taskValue(const SimDefinitions& definitions, std::uint32_t key, const SimRecordEntry& record) {
  for (const SimTaskEntry& task : definitions.tasks)
    if (task.key == key) return static_cast<std::uint32_t>(task.subModule) << 8 | task.task;
  throw Refusal{"The definition of " + quoted(record.name) + " names task " + std::to_string(key) +
                ", which the task list does not hold."};
}

// A refusal of a row's value says which row it came from, unless its text
// already names the field.
std::string namingTheRow(const std::string& text, std::size_t row, const SimFieldEntry& field) {
  if (text.find(quoted(field.name)) != std::string::npos) return text;
  return text + "\n\n(row " + std::to_string(row + 1) + ", " + quoted(field.name) + ")";
}

PARAMETER_ITEM_STRUCT headerItem(std::uint32_t value) {
  PARAMETER_ITEM_STRUCT item;
  item.value = value;
  return item;
}

}  // namespace

std::span<const SimFieldEntry> simRecordFields(const SimDefinitions& definitions, const SimRecordEntry& record) {
  const std::size_t first = std::min<std::size_t>(record.firstField, definitions.fields.size());
  std::size_t end = first;
  while (end < definitions.fields.size() && end - first < kSimMaxFields &&
         definitions.fields[end].recordKey == record.key)
    ++end;
  return std::span(definitions.fields).subspan(first, end - first);
}

SimCheckOutcome checkSimItem(const SimDefinitions& definitions, std::uint32_t checkKey,
                             const PARAMETER_ITEM_STRUCT& item) {
  for (const SimCheckEntry& check : definitions.checks) {
    if (check.checkKey != checkKey) continue;
    std::uint32_t measured = 0;
    if (check.kind == kSimCheckRange)
      measured = item.value;
    else if (check.kind == kSimCheckLength)
      measured = static_cast<std::uint32_t>(std::find(item.data, item.data + kItemDataSize, 0) - item.data);
    else
      return SimCheckOutcome::UnknownKind;
    if (measured < check.minimum || measured > check.maximum) return SimCheckOutcome::OutOfRange;
  }
  return SimCheckOutcome::Passed;
}

SimItemList buildSimItems(const SimDefinitions& definitions, std::size_t recordIndex,
                          std::span<const SimRowValue> rows) {
  SimItemList result;
  if (recordIndex >= definitions.records.size()) return result;
  const SimRecordEntry& record = definitions.records[recordIndex];
  const std::span<const SimFieldEntry> fields = simRecordFields(definitions, record);
  try {
    ItemListBuilder builder(definitions);
    std::size_t firstRowItems = 0;
    for (std::size_t row = 0; row < fields.size() && row < rows.size(); ++row) {
      try {
        builder.addRow(fields[row], rows[row]);
      } catch (const Refusal& refusal) {
        throw Refusal{namingTheRow(refusal.text, row, fields[row])};
      }
      if (row == 0) firstRowItems = builder.items().size();
    }
    std::vector<PARAMETER_ITEM_STRUCT>& payload = builder.items();

    const std::uint32_t start = taskValue(definitions, record.startTaskKey, record);
    std::uint32_t module = 0;
    if (record.moduleFromFirstField != 0) {
      // The first row must have given the first item: it is the ModuleId.
      if (firstRowItems == 0)
        throw Refusal{quoted(fields.empty() ? record.name : fields[0].name) +
                      " chooses the module that receives this command; give it a value."};
      module = payload.front().value;
      payload.erase(payload.begin());
    } else {
      module = taskValue(definitions, record.moduleTaskKey, record);
    }
    result.items = {headerItem(start), headerItem(module), headerItem(record.messageGroup),
                    headerItem(record.primitiveId)};
    result.items.insert(result.items.end(), payload.begin(), payload.end());
  } catch (const Refusal& refusal) {
    result.items.clear();
    result.refusal = refusal.text;
  }
  return result;
}

}  // namespace orbel
