#include "host/SimDefinitionFile.h"

#include <initializer_list>
#include <limits>
#include <nlohmann/json.hpp>
#include <set>

#include "host/JsonDataFile.h"

namespace {

using nlohmann::json;

constexpr char kFormatName[] = "orbel-sim-definitions";
constexpr std::uint32_t kFormatVersion = 1;
constexpr std::uint32_t kProtocolStackGroup = 13002;

using orbel::datafile::array;
using orbel::datafile::expectOnly;
using orbel::datafile::fail;
using orbel::datafile::FileError;
using orbel::datafile::find;
using orbel::datafile::require;
using orbel::datafile::text;
using orbel::datafile::unsignedNumberOf;

std::uint32_t number(const json& object, const char* key, const std::string& where, std::uint64_t maximum,
                     std::optional<std::uint32_t> fallback = std::nullopt) {
  const json* value = find(object, key);
  if (value == nullptr) {
    if (fallback) return *fallback;
    fail(where, std::string("\"") + key + "\" is missing");
  }
  std::optional<std::uint64_t> parsed = unsignedNumberOf(*value);
  if (!parsed || *parsed > maximum)
    fail(where, std::string("\"") + key + "\" must be a number from 0 to " + std::to_string(maximum));
  return static_cast<std::uint32_t>(*parsed);
}

constexpr std::uint64_t kU32 = std::numeric_limits<std::uint32_t>::max();

// A flag: true or false, or a number (the dialog treats only 1 as set).
std::uint32_t flag(const json& object, const char* key, const std::string& where) {
  const json* value = find(object, key);
  if (value == nullptr) return 0;
  if (value->is_boolean()) return value->get<bool>() ? 1 : 0;
  return number(object, key, where, kU32);
}

// A text, or an array of lines joined with line breaks.
std::string lines(const json& object, const char* key, const std::string& where) {
  const json* value = find(object, key);
  if (value == nullptr || value->is_string()) return text(object, key, where, false);
  if (!value->is_array()) fail(where, std::string("\"") + key + "\" must be a text or an array of lines");
  std::string joined;
  for (const json& line : *value) {
    if (!line.is_string()) fail(where, std::string("\"") + key + "\" holds texts only");
    joined += (joined.empty() ? "" : "\n") + line.get<std::string>();
  }
  return joined;
}

struct KindName {
  const char* name;
  std::uint32_t kind;
};

// A kind by name or by number; numbers the dialog does not handle are kept.
std::uint32_t kind(const json& object, const std::string& where, std::initializer_list<KindName> names) {
  const json& value = require(object, "kind", where);
  if (value.is_string())
    for (const KindName& known : names)
      if (value.get_ref<const std::string&>() == known.name) return known.kind;
  if (std::optional<std::uint64_t> parsed = unsignedNumberOf(value); parsed && *parsed <= kU32)
    return static_cast<std::uint32_t>(*parsed);
  std::string choices;
  for (const KindName& known : names) choices += std::string(choices.empty() ? "" : ", ") + '"' + known.name + '"';
  fail(where, "\"kind\" must be " + choices + " or a number");
}

// An array that may be left out (as an empty one).
const json& optionalArray(const json& object, const char* key, const std::string& where) {
  static const json kEmpty = json::array();
  return find(object, key) == nullptr ? kEmpty : array(object, key, where);
}

void readTasks(const json& root, SimDefinitions& out) {
  std::set<std::uint32_t> keys;
  const json& tasks = array(root, "tasks", "definitions");
  for (std::size_t i = 0; i < tasks.size(); ++i) {
    const std::string where = "tasks[" + std::to_string(i) + "]";
    expectOnly(tasks[i], {"key", "name", "task", "subModule"}, where);
    SimTaskEntry task;
    task.key = number(tasks[i], "key", where, kU32);
    task.name = text(tasks[i], "name", where, false);
    task.task = static_cast<std::uint8_t>(number(tasks[i], "task", where, 0xFF));
    task.subModule = static_cast<std::uint8_t>(number(tasks[i], "subModule", where, 0xFF));
    if (!keys.insert(task.key).second) fail(where, "task key " + std::to_string(task.key) + " is used twice");
    out.tasks.push_back(std::move(task));
  }
}

void readChecks(const json& root, SimDefinitions& out) {
  const json& checks = optionalArray(root, "checks", "definitions");
  for (std::size_t i = 0; i < checks.size(); ++i) {
    const std::string where = "checks[" + std::to_string(i) + "]";
    const json& check = checks[i];
    expectOnly(check, {"key", "kind", "min", "max"}, where);
    out.checks.push_back({number(check, "key", where, kU32),
                          kind(check, where, {{"range", kSimCheckRange}, {"length", kSimCheckLength}}),
                          number(check, "min", where, kU32), number(check, "max", where, kU32)});
  }
}

void readLists(const json& root, SimDefinitions& out) {
  const json& lists = optionalArray(root, "lists", "definitions");
  for (std::size_t i = 0; i < lists.size(); ++i) {
    const std::string where = "lists[" + std::to_string(i) + "]";
    expectOnly(lists[i], {"check", "values"}, where);
    const std::uint32_t checkKey = number(lists[i], "check", where, kU32);
    const json& values = array(lists[i], "values", where);
    for (std::size_t v = 0; v < values.size(); ++v) {
      const std::string at = where + ".values[" + std::to_string(v) + "]";
      expectOnly(values[v], {"text", "value"}, at);
      out.values.push_back({checkKey, text(values[v], "text", at, true), number(values[v], "value", at, kU32)});
    }
  }
}

void readFields(const json& record, const std::string& where, SimRecordEntry& entry, SimDefinitions& out) {
  const json& fields = array(record, "fields", where);
  if (fields.size() > kSimMaxFields)
    fail(where, "a command has at most " + std::to_string(kSimMaxFields) + " fields, this one " +
                    std::to_string(fields.size()));
  if (entry.moduleFromFirstField != 0 && fields.empty())
    fail(where, "\"moduleFromFirstField\" needs a first field");
  if (out.fields.size() + fields.size() > 0xFFFF) fail(where, "more than 65535 fields in all");
  entry.firstField = static_cast<std::uint16_t>(out.fields.size());
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::string at = where + ".fields[" + std::to_string(i) + "]";
    const json& field = fields[i];
    expectOnly(field, {"name", "kind", "width", "check", "list", "fixed", "default", "comment"}, at);
    SimFieldEntry made;
    made.recordKey = entry.key;
    made.checkKey = number(field, "check", at, kU32, 0);
    made.row = static_cast<std::uint32_t>(i);
    made.width = static_cast<std::uint16_t>(number(field, "width", at, 0xFFFF));
    made.kind = kind(field, at,
                     {{"number", kSimFieldNumber}, {"text", kSimFieldText}, {"numbers", kSimFieldNumbers},
                      {"characters", kSimFieldCharacters}});
    made.listFlag = flag(field, "list", at);
    made.fixedFlag = flag(field, "fixed", at);
    made.name = text(field, "name", at, true);
    made.defaultText = text(field, "default", at, false);
    made.comment = lines(field, "comment", at);
    out.fields.push_back(std::move(made));
  }
}

void readGroups(const json& root, SimDefinitions& out) {
  std::set<std::uint32_t> groupIds;
  std::set<std::uint32_t> recordKeys;
  std::set<std::uint32_t> taskKeys;
  for (const SimTaskEntry& task : out.tasks) taskKeys.insert(task.key);
  const auto knownTask = [&](std::uint32_t key, const char* name, const std::string& where) {
    if (!taskKeys.contains(key)) fail(where, std::string("\"") + name + "\" names task key " + std::to_string(key) +
                                                 ", which \"tasks\" does not hold");
  };

  const json& groups = array(root, "groups", "definitions");
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const std::string where = "groups[" + std::to_string(g) + "]";
    expectOnly(groups[g], {"id", "name", "records"}, where);
    SimGroupEntry group{number(groups[g], "id", where, kU32), text(groups[g], "name", where, true)};
    if (!groupIds.insert(group.id).second) fail(where, "group id " + std::to_string(group.id) + " is used twice");

    const json& records = array(groups[g], "records", where);
    for (std::size_t r = 0; r < records.size(); ++r) {
      const std::string at = where + ".records[" + std::to_string(r) + "]";
      const json& record = records[r];
      expectOnly(record, {"key", "name", "primitive", "messageGroup", "startTask", "moduleTask",
                          "moduleFromFirstField", "fields"},
                 at);
      SimRecordEntry entry;
      entry.key = number(record, "key", at, kU32, static_cast<std::uint32_t>(out.records.size() + 1));
      if (!recordKeys.insert(entry.key).second)
        fail(at, "record key " + std::to_string(entry.key) + " is used twice");
      entry.primitiveId = number(record, "primitive", at, kU32);
      entry.name = text(record, "name", at, true);
      entry.groupId = group.id;
      entry.startTaskKey = number(record, "startTask", at, kU32);
      knownTask(entry.startTaskKey, "startTask", at);
      entry.moduleFromFirstField = flag(record, "moduleFromFirstField", at);
      if (entry.moduleFromFirstField == 0 || find(record, "moduleTask") != nullptr) {
        entry.moduleTaskKey = number(record, "moduleTask", at, kU32);
        knownTask(entry.moduleTaskKey, "moduleTask", at);
      }
      entry.messageGroup = number(record, "messageGroup", at, kU32, kProtocolStackGroup);
      readFields(record, at, entry, out);
      out.records.push_back(std::move(entry));
    }
    out.groups.push_back(std::move(group));
  }
}

SimDefinitions read(std::string_view content) {
  if (content.size() > kSimDefinitionFileLimit)
    fail("definitions", "the file has " + std::to_string(content.size()) + " bytes, more than the " +
                            std::to_string(kSimDefinitionFileLimit) + " a definition file may have");
  json root;
  try {
    root = json::parse(content);
  } catch (const json::parse_error& error) {
    fail("definitions", std::string("not JSON: ") + error.what());
  }
  expectOnly(root, {"format", "version", "tasks", "checks", "lists", "groups"}, "definitions");
  if (text(root, "format", "definitions", true) != kFormatName)
    fail("definitions", std::string("\"format\" must be \"") + kFormatName + '"');
  if (number(root, "version", "definitions", kU32) != kFormatVersion)
    fail("definitions", "only \"version\" " + std::to_string(kFormatVersion) + " is known");
  SimDefinitions definitions;
  readTasks(root, definitions);
  readChecks(root, definitions);
  readLists(root, definitions);
  readGroups(root, definitions);
  return definitions;
}

}  // namespace

std::variant<SimDefinitions, std::string> readSimDefinitions(std::string_view text) {
  try {
    return read(text);
  } catch (const FileError& error) {
    return error.text;
  } catch (const json::exception& error) {
    return std::string("definitions: ") + error.what();
  }
}
