// The SIM definition file reader under arbitrary text. Whatever it accepts
// must be lists the dialog can walk safely: each record's fields are the
// consecutive entries with its key from its first field on, at most 14 of
// them in row order, and every task key a record names is in the task list.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string_view>

#include "FuzzCheck.h"
#include "host/SimDefinitionFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  auto read = readSimDefinitions(text);
  if (auto* error = std::get_if<std::string>(&read)) {
    fuzzCheck(!error->empty(), "a refusal says why");
    return 0;
  }
  const SimDefinitions& defs = std::get<SimDefinitions>(read);
  std::set<std::uint32_t> tasks;
  for (const SimTaskEntry& task : defs.tasks) tasks.insert(task.key);
  std::set<std::uint32_t> groups;
  for (const SimGroupEntry& group : defs.groups) groups.insert(group.id);

  std::size_t expectedFirst = 0;
  for (const SimRecordEntry& record : defs.records) {
    fuzzCheck(groups.contains(record.groupId), "a record belongs to a listed group");
    fuzzCheck(tasks.contains(record.startTaskKey), "the start task is listed");
    fuzzCheck(record.moduleFromFirstField != 0 || tasks.contains(record.moduleTaskKey), "the module task is listed");
    fuzzCheck(record.firstField == expectedFirst, "records' fields follow one another");
    std::size_t count = 0;
    while (record.firstField + count < defs.fields.size() && defs.fields[record.firstField + count].recordKey == record.key) {
      fuzzCheck(defs.fields[record.firstField + count].row == count, "fields are in row order");
      ++count;
    }
    fuzzCheck(count <= kSimMaxFields, "at most 14 fields");
    fuzzCheck(record.moduleFromFirstField == 0 || count > 0, "a module from the first field has a first field");
    expectedFirst = record.firstField + count;
  }
  fuzzCheck(expectedFirst == defs.fields.size(), "every field belongs to a record");
  return 0;
}
