// The conversion of the SIM command form's rows into parameter items, over
// the built-in definitions. The first input byte picks the command; the
// rest, split at line breaks, are the rows: a list row takes the choice
// numbered by its first byte (0: none), an edit row the whole line. Either
// the rows are refused with a message, or the items start with the four
// header items, pass the command's checks and encode into a message whose
// lengths agree, unless the encoder refuses them.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "host/SimDefinitionFile.h"
#include "host/SimFilterInfoMan.h"
#include "orbel/diag/sim/SimCommandItems.h"
#include "orbel/wire/ByteOrder.h"

namespace {

const SimDefinitions& definitions() {
  static const SimDefinitions defs = std::get<SimDefinitions>(readSimDefinitions(builtInSimDefinitionText()));
  return defs;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const SimDefinitions& defs = definitions();
  if (size == 0 || defs.records.empty()) return 0;
  const std::size_t recordIndex = data[0] % defs.records.size();
  const SimRecordEntry& record = defs.records[recordIndex];
  const std::span<const SimFieldEntry> fields = orbel::simRecordFields(defs, record);

  std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::vector<orbel::SimRowValue> rows;
  for (const SimFieldEntry& field : fields) {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    orbel::SimRowValue row;
    if (field.listFlag == 1) {
      row.fromList = true;
      std::vector<const SimValueEntry*> choices;
      for (const SimValueEntry& choice : defs.values)
        if (choice.checkKey == field.checkKey) choices.push_back(&choice);
      const std::size_t picked = line.empty() ? 0 : static_cast<std::uint8_t>(line[0]) % (choices.size() + 1);
      if (picked > 0) {
        row.text = choices[picked - 1]->text;
        row.listValue = choices[picked - 1]->value;
      }
    } else {
      row.text = std::string(line);
    }
    rows.push_back(std::move(row));
  }

  const orbel::SimItemList list = orbel::buildSimItems(defs, recordIndex, rows);
  if (!list.refusal.empty()) {
    fuzzCheck(list.items.empty(), "a refusal leaves no items");
    return 0;
  }
  fuzzCheck(list.items.size() >= 4, "the four header items lead");
  fuzzCheck(list.items[2].value == record.messageGroup && list.items[3].value == record.primitiveId,
            "group and primitive come from the command");
  std::size_t payload = 0;
  for (std::size_t i = 4; i < list.items.size(); ++i) payload += list.items[i].width;

  const orbel::ItemEncoding encoding = orbel::encodeItemList(list.items);
  if (!encoding.message) return 0;
  const std::span<const std::uint8_t> bytes = encoding.message.bytes();
  fuzzCheck(bytes.size() == 24 + payload, "the message holds the items' widths");
  fuzzCheck(orbel::readU16LE(bytes, 0) == bytes.size(), "the length word agrees");
  fuzzCheck(orbel::readU16LE(bytes, 18) == payload, "the payload length agrees");
  return 0;
}
