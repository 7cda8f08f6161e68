// Values of described types: a tree of field values with their defaults,
// the text each field shows in the tree-list, and edits made through that
// text, checked against the field's kind and range.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/codec/PsdlDescriptions.h"

namespace psdl {

struct FieldValue {
  const FieldDesc* desc = nullptr;
  bool present = true;               // false only for an absent optional field
  std::int64_t number = 0;           // integer, enumeration
  std::string bits;                  // bit string, one '0' or '1' per bit
  std::vector<std::uint8_t> octets;  // octet string
  std::vector<FieldValue> children;  // structure fields, array elements
};

// The fields of a value of `type` (or of one field), all at their defaults.
std::vector<FieldValue> defaultFields(const DescriptionSet& set, const TypeDesc& type);
FieldValue defaultValue(const DescriptionSet& set, const FieldDesc& field);

// What the value column shows: a number in decimal, an enumeration's name,
// bits as 0 and 1, octets as spaced hex pairs, the element count of a
// counted array, "absent" for an absent optional field, and "present" for a
// present optional structure or fixed array; empty for any other structure
// or fixed array.
std::string valueText(const FieldValue& value);

// The texts an edit of the value column accepts for this field in a
// drop-down (enumeration names, "present"/"absent"); empty when any text of
// the field's notation goes.
std::vector<std::string> valueChoices(const FieldValue& value);

// Sets `value` from `text` in the notation valueText shows (numbers also in
// "0x" hex and with a leading "-"; an enumeration also by its number; octets
// with or without blanks between pairs). Returns what is wrong with the
// text, empty on success; a refused text changes nothing. A counted array
// grows with default elements or loses its last ones.
std::string applyText(const DescriptionSet& set, FieldValue& value, std::string_view text);

// The name an array element shows in the tree and in paths: "[0]", "[1]", ...
std::string elementName(std::size_t index);

// The field that `path` names among `fields` (field names, elementName for
// array elements), or null.
FieldValue* findField(std::vector<FieldValue>& fields, const std::vector<std::string>& path);

// Parsers of the string notations, shared with the description reader that
// checks defaults. False when `text` is not a string of this field.
bool parseBits(std::string_view text, unsigned bits, std::string& out);
bool parseOctets(std::string_view text, std::vector<std::uint8_t>& out);
std::string octetsText(const std::vector<std::uint8_t>& octets);

// The name of the enumeration value `number`, or null.
const NamedValue* nameOf(const FieldDesc& field, std::int64_t number);

}  // namespace psdl
