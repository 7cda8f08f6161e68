// The SIM definition file and the manager that holds it: the built-in
// commands cover every form the dialog handles (and two it refuses), a
// faulty file is refused with the place of its fault, and a refused file
// leaves the manager as it was.
#include <gtest/gtest.h>

#include <set>

#include "host/HexNumber.h"
#include "host/SimDefinitionFile.h"
#include "support/SimDefinitionsOverride.h"

namespace {

using orbel::test::simDefinitionText;

TEST(SimDefinitionFile, TheBuiltInCommandsCoverEveryFormTheDialogHandlesAndTwoItRefuses) {
  auto read = readSimDefinitions(builtInSimDefinitionText());
  ASSERT_TRUE(std::holds_alternative<SimDefinitions>(read)) << std::get<std::string>(read);
  const SimDefinitions defs = std::get<SimDefinitions>(read);
  std::set<std::string> names;
  std::set<std::uint32_t> primitives;
  bool moduleFromFirstField = false;
  for (const SimRecordEntry& record : defs.records) {
    names.insert(record.name);
    EXPECT_TRUE(primitives.insert(record.primitiveId).second) << "the decoder finds a command by its primitive";
    moduleFromFirstField = moduleFromFirstField || record.moduleFromFirstField != 0;
  }
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
  EXPECT_EQ(listKinds, (std::set<std::uint32_t>{0, 1, 2}));   // 2 is refused with 12363
  EXPECT_EQ(checkKinds, (std::set<std::uint32_t>{0, 1, 2}));  // 2 is refused with 12363
  EXPECT_TRUE(fixed);
  EXPECT_TRUE(moduleFromFirstField);
}

TEST(SimDefinitionFile, WrittenFormsAndDefaults) {
  auto read = readSimDefinitions(simDefinitionText(
      R"({"name": "A", "primitive": "0x3000", "startTask": 0, "moduleTask": 1, "fields": [
           {"name": "n", "kind": 7, "width": "0x10", "list": 1, "comment": ["one", "two"]}]},
         {"name": "B", "primitive": 1, "startTask": 0, "moduleFromFirstField": true,
          "fields": [{"name": "m", "kind": "characters", "width": 1}]})"));
  ASSERT_TRUE(std::holds_alternative<SimDefinitions>(read)) << std::get<std::string>(read);
  const SimDefinitions& defs = std::get<SimDefinitions>(read);
  ASSERT_EQ(defs.records.size(), 2u);
  EXPECT_EQ(defs.records[1].key, 2u);  // by position
  EXPECT_EQ(defs.records[1].firstField, 1u);
  EXPECT_EQ(defs.records[0].primitiveId, 0x3000u);
  EXPECT_EQ(defs.records[0].messageGroup, 13002u);
  EXPECT_EQ(defs.fields[0].kind, 7u);  // kept: the dialog sends nothing for it
  EXPECT_EQ(defs.fields[0].width, 16u);
  EXPECT_EQ(defs.fields[0].comment, "one\ntwo");
  EXPECT_EQ(defs.fields[1].recordKey, 2u);
}

TEST(SimDefinitionFile, RefusesAFaultyFileNamingThePlace) {
  const auto record = [](std::string_view fields, std::string_view extra = "") {
    return std::string(R"({"name": "A", "primitive": 1, "startTask": 0, "moduleTask": 1)") + std::string(extra) +
           R"(, "fields": [)" + std::string(fields) + "]}";
  };
  const std::string field = R"({"name": "f", "kind": 0, "width": 1})";
  std::string fifteen = field;
  for (int i = 1; i < 15; ++i) fifteen += "," + field;
  const std::pair<std::string, std::string> cases[] = {
      {"{", "definitions: not JSON"},
      {R"({"format": "orbel-sim-definitions", "version": 2, "tasks": [], "groups": []})", "only \"version\" 1"},
      {simDefinitionText(record(R"({"name": "f", "kind": 0, "width": 65536})")),
       "groups[0].records[0].fields[0]: \"width\" must be a number from 0 to 65535"},
      {simDefinitionText(record(R"({"name": "f", "kind": "bytes", "width": 1})")), "\"kind\" must be \"number\""},
      {simDefinitionText(record(R"({"name": "f", "kind": 0, "width": 1, "wdith": 2})")), "unexpected \"wdith\""},
      {simDefinitionText(record(field) + "," + record(field, R"(, "key": 1)")), "record key 1 is used twice"},
      {simDefinitionText(R"({"name": "A", "primitive": 1, "startTask": 5, "moduleTask": 1, "fields": []})"),
       "\"startTask\" names task key 5"},
      {simDefinitionText(R"({"name": "A", "primitive": 1, "startTask": 0, "moduleFromFirstField": 1, "fields": []})"),
       "\"moduleFromFirstField\" needs a first field"},
      {simDefinitionText(record(fifteen)), "at most 14 fields, this one 15"},
      {std::string(kSimDefinitionFileLimit + 1, ' '), "more than the 1048576"},
  };
  for (const auto& [text, error] : cases) {
    auto read = readSimDefinitions(text);
    ASSERT_TRUE(std::holds_alternative<std::string>(read)) << text;
    EXPECT_NE(std::get<std::string>(read).find(error), std::string::npos) << std::get<std::string>(read);
  }
}

TEST(SimFilterInfoMan, ARefusedFileLeavesTheDefinitionsItHeld) {
  CSimFilterInfoMan* manager = CSimFilterInfoMan::CreateInstance(true);
  const std::size_t builtIn = manager->GetSimRecordList().size();
  {
    orbel::test::SimDefinitionsOverride custom(
        simDefinitionText(R"({"name": "ONLY", "primitive": 1, "startTask": 0, "moduleTask": 1, "fields": []})"));
    EXPECT_EQ(manager->LoadDefinitionText("{}", "broken.json"), "broken.json: definitions: \"format\" is missing");
    EXPECT_EQ(manager->LoadDefinitionFile("/no/such/file.json"), "/no/such/file.json: cannot be read");
    ASSERT_EQ(manager->GetSimRecordList().size(), 1u);
    EXPECT_EQ(manager->DefinitionSource(), "test definitions");
  }
  EXPECT_EQ(manager->GetSimRecordList().size(), builtIn);
  EXPECT_EQ(manager, CSimFilterInfoMan::CreateInstance(false));  // one shared manager
}

TEST(HexNumber, IsHexAcceptsDigitsOnlyAndHexToIntSaturatesAbove32Bits) {
  for (const char* hex : {"0", "DEADbeef", "000000000001"}) EXPECT_TRUE(ishex(hex)) << hex;
  for (const char* other : {"", "g", "1 ", "0x1", "-1"}) EXPECT_FALSE(ishex(other)) << other;
  EXPECT_EQ(hextoint("DEADbeef"), 0xDEADBEEFu);
  EXPECT_EQ(hextoint("000000000001"), 1u);  // leading zeros do not overflow
  EXPECT_EQ(hextoint("100000000"), 0xFFFFFFFFu);
  EXPECT_EQ(hextoint("12zz"), 0x12u);
}

}  // namespace
