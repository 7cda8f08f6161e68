// The SIM command definitions that the filter-information manager holds:
// groups of commands, the commands (records), their fields, the choices of
// list fields, the value checks and the tasks that give routing bytes. Each
// list is ordered; a record's fields are consecutive entries of the field
// list that carry the record's key, starting at its first-field index.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SimGroupEntry {
  std::uint32_t id = 0;
  std::string name;
};

struct SimRecordEntry {
  std::uint32_t key = 0;  // links the record to its fields
  std::uint32_t primitiveId = 0;
  std::string name;
  std::uint32_t groupId = 0;
  std::uint32_t startTaskKey = 0;   // gives header bytes 2 and 3
  std::uint32_t moduleTaskKey = 0;  // gives the ModuleId
  std::uint32_t messageGroup = 0;
  std::uint32_t moduleFromFirstField = 0;  // non-zero: the first field's value is the ModuleId
  std::uint16_t firstField = 0;            // index into the field list
};

// Field kinds: how a field's text becomes items.
inline constexpr std::uint32_t kSimFieldNumber = 0;
inline constexpr std::uint32_t kSimFieldText = 1;
inline constexpr std::uint32_t kSimFieldNumbers = 2;     // comma-separated
inline constexpr std::uint32_t kSimFieldCharacters = 3;  // one item per character

struct SimFieldEntry {
  std::uint32_t recordKey = 0;
  std::uint32_t checkKey = 0;  // selects the checks and the list choices
  std::uint32_t row = 0;       // 0 to 13
  std::uint16_t width = 0;     // bytes of each item in the payload
  std::uint32_t kind = 0;
  std::uint32_t listFlag = 0;   // 1: the value is chosen from a list
  std::uint32_t fixedFlag = 0;  // 1: the value is the default text, read-only
  std::string name;
  std::string defaultText;
  std::string comment;
};

struct SimValueEntry {
  std::uint32_t checkKey = 0;
  std::string text;
  std::uint32_t value = 0;
};

// Check kinds.
inline constexpr std::uint32_t kSimCheckRange = 0;   // minimum <= value <= maximum
inline constexpr std::uint32_t kSimCheckLength = 1;  // minimum <= text length <= maximum

struct SimCheckEntry {
  std::uint32_t checkKey = 0;
  std::uint32_t kind = 0;
  std::uint32_t minimum = 0;  // compared unsigned
  std::uint32_t maximum = 0;
};

struct SimTaskEntry {
  std::uint32_t key = 0;
  std::uint8_t task = 0;
  std::uint8_t subModule = 0;
  std::string name;  // shown by the decoder
};

struct SimDefinitions {
  std::vector<SimGroupEntry> groups;
  std::vector<SimRecordEntry> records;
  std::vector<SimFieldEntry> fields;
  std::vector<SimValueEntry> values;
  std::vector<SimCheckEntry> checks;
  std::vector<SimTaskEntry> tasks;
};

// The rows of the SIM command form: a record has at most this many fields.
inline constexpr std::size_t kSimMaxFields = 14;
