// How the SIM command form becomes a message description: the filled rows of
// a command turn into parameter items (numbers, texts, comma lists,
// characters), each checked against the command's definitions, behind the
// four header items that route the message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "host/SimDefinitions.h"
#include "orbel/wire/ItemEncoder.h"

namespace orbel {

// The fields of `record`: the consecutive field-list entries with its key
// from its first field on, at most one per row of the form.
std::span<const SimFieldEntry> simRecordFields(const SimDefinitions& definitions, const SimRecordEntry& record);

// What one row holds when the user confirms.
struct SimRowValue {
  bool fromList = false;        // the row shows its drop-down list
  std::string text;             // the list's chosen text, or the edit field's text
  std::uint32_t listValue = 0;  // the chosen list entry's value
};

struct SimItemList {
  std::vector<PARAMETER_ITEM_STRUCT> items;  // start, module, group and primitive items, then the payload
  std::string refusal;                       // the message shown instead; empty when the list was built
};

// The items of the command at `recordIndex` in the record list, from the
// values of its rows (row n is the n-th field; missing rows are empty).
SimItemList buildSimItems(const SimDefinitions& definitions, std::size_t recordIndex,
                          std::span<const SimRowValue> rows);

enum class SimCheckOutcome { Passed, OutOfRange, UnknownKind };

// Every check entry with `checkKey`, in list order, until one fails: a range
// check on the item's value, a length check on the text in its data.
SimCheckOutcome checkSimItem(const SimDefinitions& definitions, std::uint32_t checkKey,
                             const PARAMETER_ITEM_STRUCT& item);

}  // namespace orbel
