// The SIM definition file and the manager that holds it: the built-in
// commands cover every form the dialog handles (and two it refuses), a
// faulty file is refused with the place of its fault, and a refused file
// leaves the manager as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "host/HexNumber.h"
#include "host/SimDefinitionFile.h"
#include "host/SimFilterInfoMan.h"
#include "support/SimDefinitionsOverride.h"

namespace {

using orbel::test::simDefinitionText;

SimDefinitions builtIn() { return std::get<SimDefinitions>(readSimDefinitions(builtInSimDefinitionText())); }

const SimRecordEntry& recordNamed(const SimDefinitions& defs, const std::string& name) {
  return *std::find_if(defs.records.begin(), defs.records.end(), [&](const auto& r) { return r.name == name; });
}

TEST(SimDefinitionFile, TheBuiltInCommandsCoverEveryFormTheDialogHandlesAndTwoItRefuses) {
  auto read = readSimDefinitions(builtInSimDefinitionText());
  ASSERT_TRUE(std::holds_alternative<SimDefinitions>(read)) << std::get<std::string>(read);
  const SimDefinitions defs = std::get<SimDefinitions>(read);

  std::set<std::string> names;
  for (const SimRecordEntry& record : defs.records) names.insert(record.name);
  for (const char* expected : {"SELECT", "READ BINARY", "UPDATE BINARY", "READ RECORD", "UPDATE RECORD", "VERIFY PIN",
                               "UNBLOCK PIN", "STATUS", "TERMINAL PROFILE", "ENVELOPE", "FETCH", "TERMINAL RESPONSE"})
    EXPECT_TRUE(names.contains(expected)) << expected;

  std::set<std::uint32_t> kinds, listKinds, checkKinds;
  bool fixed = false;
  for (const SimFieldEntry& field : defs.fields) {
    kinds.insert(field.kind);
    if (field.listFlag == 1) listKinds.insert(field.kind);
    fixed = fixed || (field.fixedFlag == 1 && !field.defaultText.empty());
  }
  for (const SimCheckEntry& check : defs.checks) checkKinds.insert(check.kind);
  EXPECT_EQ(kinds, (std::set<std::uint32_t>{0, 1, 2, 3}));
  EXPECT_EQ(listKinds, (std::set<std::uint32_t>{0, 1, 2}));  // 2: refused with 12363
  EXPECT_EQ(checkKinds, (std::set<std::uint32_t>{0, 1, 2}));  // 2: refused with 12363
  EXPECT_TRUE(fixed);
  EXPECT_NE(recordNamed(defs, "SEND APDU").moduleFromFirstField, 0u);

  // Primitive identifiers are unique, so the decoder finds each command.
  std::set<std::uint32_t> primitives;
  for (const SimRecordEntry& record : defs.records) EXPECT_TRUE(primitives.insert(record.primitiveId).second);
}

TEST(SimDefinitionFile, RecordsPointAtTheirConsecutiveFieldsRowByRow) {
  const SimDefinitions defs = builtIn();
  const SimRecordEntry& update = recordNamed(defs, "UPDATE BINARY");
  ASSERT_LT(update.firstField + 3u, defs.fields.size());
  const SimFieldEntry* field = &defs.fields[update.firstField];
  EXPECT_EQ(field[0].name, "File ID");
  EXPECT_EQ(field[3].name, "Data");
  for (std::uint32_t row = 0; row < 4; ++row) {
    EXPECT_EQ(field[row].recordKey, update.key);
    EXPECT_EQ(field[row].row, row);
  }
  EXPECT_NE(field[4].recordKey, update.key);  // the next record's first field
  EXPECT_EQ(field[0].comment, "The transparent elementary file to write.");
  EXPECT_EQ(field[1].comment, "First byte to write, counted from 0.\n0 to 32767, decimal or 0x hex.");
}

TEST(SimDefinitionFile, DefaultsAndWrittenFormsOfNumbersKindsAndFlags) {
  const std::string text = simDefinitionText(
      R"({"name": "A", "primitive": "0x3000", "startTask": 0, "moduleTask": 1, "fields": [
           {"name": "n", "kind": 7, "width": "0x10", "list": 1, "fixed": false}]},
         {"name": "B", "primitive": 1, "messageGroup": 13003, "startTask": 0, "moduleFromFirstField": true,
          "fields": [{"name": "m", "kind": "characters", "width": 1, "check": 9}]})",
      R"([{"key": 9, "kind": "length", "min": 0, "max": "0xFFFFFFFF"}])");
  auto read = readSimDefinitions(text);
  ASSERT_TRUE(std::holds_alternative<SimDefinitions>(read)) << std::get<std::string>(read);
  const SimDefinitions& defs = std::get<SimDefinitions>(read);
  ASSERT_EQ(defs.records.size(), 2u);
  EXPECT_EQ(defs.records[0].key, 1u);  // by position
  EXPECT_EQ(defs.records[1].key, 2u);
  EXPECT_EQ(defs.records[0].primitiveId, 0x3000u);
  EXPECT_EQ(defs.records[0].messageGroup, 13002u);
  EXPECT_EQ(defs.records[1].messageGroup, 13003u);
  EXPECT_EQ(defs.records[1].firstField, 1u);
  EXPECT_EQ(defs.fields[0].kind, 7u);  // kept; the dialog sends nothing for it
  EXPECT_EQ(defs.fields[0].width, 16u);
  EXPECT_EQ(defs.fields[0].listFlag, 1u);
  EXPECT_EQ(defs.fields[1].kind, kSimFieldCharacters);
  EXPECT_EQ(defs.checks[0].maximum, 0xFFFFFFFFu);
  EXPECT_EQ(defs.tasks[0].task, 0xFF);
}

TEST(SimDefinitionFile, RefusesAFaultyFileNamingThePlace) {
  const auto record = [](std::string_view fields, std::string_view extra = "") {
    return std::string(R"({"name": "A", "primitive": 1, "startTask": 0, "moduleTask": 1)") + std::string(extra) +
           R"(, "fields": [)" + std::string(fields) + "]}";
  };
  const std::string field = R"({"name": "f", "kind": 0, "width": 1})";
  std::string fifteen;
  for (int i = 0; i < 15; ++i) fifteen += (i ? "," : "") + field;
  struct Case {
    std::string text;
    std::string error;
  };
  const Case cases[] = {
      {"{", "definitions: not JSON"},
      {R"({"format": "other", "version": 1, "tasks": [], "groups": []})", "\"format\" must be"},
      {R"({"format": "orbel-sim-definitions", "version": 2, "tasks": [], "groups": []})", "only \"version\" 1"},
      {R"({"format": "orbel-sim-definitions", "version": 1, "tasks": [], "groups": [], "extra": 1})",
       "definitions: unexpected \"extra\""},
      {R"({"format": "orbel-sim-definitions", "version": 1, "groups": []})", "\"tasks\" is missing"},
      {simDefinitionText(record(R"({"name": "f", "kind": 0, "width": 65536})")),
       "groups[0].records[0].fields[0]: \"width\" must be a number from 0 to 65535"},
      {simDefinitionText(record(R"({"name": "f", "kind": 0, "width": -1})")), "\"width\" must be a number"},
      {simDefinitionText(record(R"({"name": "f", "kind": "bytes", "width": 1})")), "\"kind\" must be \"number\""},
      {simDefinitionText(record(R"({"name": "f", "kind": 0, "width": 1, "wdith": 2})")), "unexpected \"wdith\""},
      {simDefinitionText(record(R"({"kind": 0, "width": 1})")), "fields[0]: \"name\" is missing"},
      {simDefinitionText(record(field) + "," + record(field, R"(, "key": 1)")), "record key 1 is used twice"},
      {simDefinitionText(R"({"name": "A", "primitive": 1, "startTask": 5, "moduleTask": 1, "fields": []})"),
       "\"startTask\" names task key 5"},
      {simDefinitionText(R"({"name": "A", "primitive": 1, "startTask": 0, "fields": []})"), "\"moduleTask\" is missing"},
      {simDefinitionText(R"({"name": "A", "primitive": 1, "startTask": 0, "moduleFromFirstField": 1, "fields": []})"),
       "\"moduleFromFirstField\" needs a first field"},
      {simDefinitionText(record(fifteen)), "at most 14 fields, this one 15"},
      {simDefinitionText(record(field), R"([{"key": 1, "kind": "range", "min": 0}])"), "checks[0]: \"max\" is missing"},
      {simDefinitionText(record(field), "[]", R"([{"check": 1, "values": [{"text": 5, "value": 1}]}])"),
       "lists[0].values[0]: \"text\" must be a text"},
      {std::string(kSimDefinitionFileLimit + 1, ' '), "more than the 1048576"},
  };
  for (const Case& c : cases) {
    auto read = readSimDefinitions(c.text);
    ASSERT_TRUE(std::holds_alternative<std::string>(read)) << c.text;
    EXPECT_NE(std::get<std::string>(read).find(c.error), std::string::npos)
        << std::get<std::string>(read) << "\n  expected: " << c.error;
  }
}

TEST(SimFilterInfoMan, ARefusedFileLeavesTheDefinitionsItHeld) {
  CSimFilterInfoMan* manager = CSimFilterInfoMan::CreateInstance(true);
  ASSERT_EQ(manager, CSimFilterInfoMan::CreateInstance(false));  // one shared manager
  {
    orbel::test::SimDefinitionsOverride custom(
        simDefinitionText(R"({"name": "ONLY", "primitive": 1, "startTask": 0, "moduleTask": 1, "fields": []})"));
    ASSERT_EQ(custom.error(), "");
    EXPECT_EQ(manager->GetSimRecordList().size(), 1u);
    EXPECT_EQ(manager->DefinitionSource(), "test definitions");

    const std::filesystem::path broken = std::filesystem::temp_directory_path() / "orbel-sim-broken.json";
    std::ofstream(broken) << R"({"format": "orbel-sim-definitions"})";
    const std::string error = manager->LoadDefinitionFile(broken.string());
    std::filesystem::remove(broken);
    EXPECT_EQ(error, broken.string() + ": definitions: \"version\" is missing");
    EXPECT_EQ(manager->LoadDefinitionFile("/no/such/file.json"), "/no/such/file.json: cannot be read");
    ASSERT_EQ(manager->GetSimRecordList().size(), 1u);
    EXPECT_EQ(manager->GetSimRecordList()[0].name, "ONLY");
  }
  EXPECT_EQ(manager->DefinitionSource(), CSimFilterInfoMan::kBuiltInSource);
  EXPECT_EQ(manager->GetSimRecordList().size(), builtIn().records.size());
}

TEST(HexNumber, IsHexAcceptsDigitsOnlyAndHexToIntSaturatesAbove32Bits) {
  for (const char* hex : {"0", "1f", "DEADbeef", "000000000001"}) EXPECT_TRUE(ishex(hex)) << hex;
  for (const char* other : {"", "g", "1 ", " 1", "0x1", "-1", "1f+"}) EXPECT_FALSE(ishex(other)) << other;
  EXPECT_EQ(hextoint("1f"), 31u);
  EXPECT_EQ(hextoint("DEADbeef"), 0xDEADBEEFu);
  EXPECT_EQ(hextoint("000000000001"), 1u);  // leading zeros do not overflow
  EXPECT_EQ(hextoint("100000000"), 0xFFFFFFFFu);
  EXPECT_EQ(hextoint("12zz"), 0x12u);
}

}  // namespace
