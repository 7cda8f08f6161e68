#include "host/codec/PsdlValue.h"

#include "host/PsdlStrToInt.h"

namespace psdl {
namespace {

constexpr std::string_view kAbsent = "absent";
constexpr std::string_view kPresent = "present";

bool hasValueText(FieldKind kind) { return kind != FieldKind::Structure && kind != FieldKind::FixedArray; }

// A number of the description notation, with its sign applied.
bool parseNumber(std::string_view text, std::int64_t& out) {
  if (text.empty() || text.size() > 32) return false;
  const std::string copy(text);
  unsigned int magnitude = 0;
  int sign = 1;
  if (PsdlStrToInt(copy.c_str(), static_cast<int>(copy.size()) + 1, &magnitude, &sign) != 0) return false;
  out = static_cast<std::int64_t>(magnitude) * sign;
  return true;
}

std::string rangeText(const FieldDesc& field) { return std::to_string(field.min) + " to " + std::to_string(field.max); }

void resizeArray(const DescriptionSet& set, FieldValue& value, std::size_t count) {
  while (value.children.size() > count) value.children.pop_back();
  while (value.children.size() < count) value.children.push_back(defaultValue(set, *value.desc->element));
  value.number = static_cast<std::int64_t>(count);
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool parseBits(std::string_view text, unsigned bits, std::string& out) {
  if (text.size() != bits) return false;
  for (char c : text)
    if (c != '0' && c != '1') return false;
  out = std::string(text);
  return true;
}

bool parseOctets(std::string_view text, std::vector<std::uint8_t>& out) {
  std::vector<std::uint8_t> octets;
  int high = -1;
  for (char c : text) {
    if (c == ' ') {
      if (high >= 0) return false;  // a blank splits a pair
      continue;
    }
    const int digit = hexDigit(c);
    if (digit < 0) return false;
    if (high < 0) {
      high = digit;
    } else {
      octets.push_back(static_cast<std::uint8_t>(high << 4 | digit));
      high = -1;
    }
  }
  if (high >= 0) return false;
  out = std::move(octets);
  return true;
}

std::string octetsText(const std::vector<std::uint8_t>& octets) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (std::uint8_t octet : octets) {
    if (!text.empty()) text += ' ';
    text += kDigits[octet >> 4];
    text += kDigits[octet & 0x0F];
  }
  return text;
}

const NamedValue* nameOf(const FieldDesc& field, std::int64_t number) {
  for (const NamedValue& named : field.names)
    if (named.value == number) return &named;
  return nullptr;
}

FieldValue defaultValue(const DescriptionSet& set, const FieldDesc& field) {
  FieldValue value;
  value.desc = &field;
  value.present = !field.optional || field.presentByDefault;
  switch (field.kind) {
    case FieldKind::Integer:
    case FieldKind::Enumeration:
      value.number = field.defaultNumber;
      break;
    case FieldKind::BitString:
      if (!parseBits(field.defaultText, field.bits, value.bits)) value.bits.assign(field.bits, '0');
      break;
    case FieldKind::OctetString:
      if (!parseOctets(field.defaultText, value.octets)) value.octets.assign(static_cast<std::size_t>(field.min), 0);
      break;
    case FieldKind::Structure:
      value.children = defaultFields(set, set.types.at(field.structure));
      break;
    case FieldKind::FixedArray:
    case FieldKind::CountedArray:
      resizeArray(set, value, static_cast<std::size_t>(field.kind == FieldKind::FixedArray ? field.max : field.min));
      break;
  }
  return value;
}

std::vector<FieldValue> defaultFields(const DescriptionSet& set, const TypeDesc& type) {
  std::vector<FieldValue> fields;
  fields.reserve(type.fields.size());
  for (const FieldDesc& field : type.fields) fields.push_back(defaultValue(set, field));
  return fields;
}

std::string valueText(const FieldValue& value) {
  const FieldDesc& field = *value.desc;
  if (!value.present) return std::string(kAbsent);
  switch (field.kind) {
    case FieldKind::Integer:
      return std::to_string(value.number);
    case FieldKind::Enumeration: {
      const NamedValue* named = nameOf(field, value.number);
      return named != nullptr ? named->name : std::to_string(value.number);
    }
    case FieldKind::BitString:
      return value.bits;
    case FieldKind::OctetString:
      return octetsText(value.octets);
    case FieldKind::CountedArray:
      return std::to_string(value.children.size());
    case FieldKind::Structure:
    case FieldKind::FixedArray:
      return field.optional ? std::string(kPresent) : std::string();
  }
  return {};
}

std::vector<std::string> valueChoices(const FieldValue& value) {
  const FieldDesc& field = *value.desc;
  std::vector<std::string> choices;
  if (field.kind == FieldKind::Enumeration)
    for (const NamedValue& named : field.names) choices.push_back(named.name);
  if (!hasValueText(field.kind) && field.optional) choices.emplace_back(kPresent);
  if (field.optional && !choices.empty()) choices.emplace_back(kAbsent);
  return choices;
}

std::string applyText(const DescriptionSet& set, FieldValue& value, std::string_view text) {
  const FieldDesc& field = *value.desc;
  if (field.optional && text == kAbsent) {
    value.present = false;
    return {};
  }
  if (!hasValueText(field.kind)) {
    if (field.optional && text == kPresent) {
      value.present = true;
      return {};
    }
    return field.optional ? "\"" + field.name + "\" is \"present\" or \"absent\""
                          : "\"" + field.name + "\" has no value of its own; edit its fields";
  }
  switch (field.kind) {
    case FieldKind::Integer: {
      std::int64_t number = 0;
      if (!parseNumber(text, number)) return "\"" + std::string(text) + "\" is not a number";
      if (number < field.min || number > field.max)
        return std::to_string(number) + " is outside " + field.name + "'s range " + rangeText(field);
      value.number = number;
      break;
    }
    case FieldKind::Enumeration: {
      std::int64_t number = 0;
      const NamedValue* chosen = nullptr;
      for (const NamedValue& named : field.names)
        if (named.name == text) chosen = &named;
      if (chosen == nullptr && parseNumber(text, number)) chosen = nameOf(field, number);
      if (chosen == nullptr) return "\"" + std::string(text) + "\" is not a value of " + field.name;
      value.number = chosen->value;
      break;
    }
    case FieldKind::BitString:
      if (!parseBits(text, field.bits, value.bits))
        return field.name + " takes exactly " + std::to_string(field.bits) + " digits 0 or 1";
      break;
    case FieldKind::OctetString: {
      std::vector<std::uint8_t> octets;
      if (!parseOctets(text, octets)) return "\"" + std::string(text) + "\" is not a list of hexadecimal octets";
      if (static_cast<std::int64_t>(octets.size()) < field.min || static_cast<std::int64_t>(octets.size()) > field.max)
        return field.name + " holds " + rangeText(field) + " octets, not " + std::to_string(octets.size());
      value.octets = std::move(octets);
      break;
    }
    case FieldKind::CountedArray: {
      std::int64_t count = 0;
      if (!parseNumber(text, count)) return "\"" + std::string(text) + "\" is not a number of elements";
      if (count < field.min || count > field.max)
        return field.name + " holds " + rangeText(field) + " elements, not " + std::to_string(count);
      resizeArray(set, value, static_cast<std::size_t>(count));
      break;
    }
    case FieldKind::Structure:
    case FieldKind::FixedArray:
      break;
  }
  value.present = true;
  return {};
}

std::string elementName(std::size_t index) { return "[" + std::to_string(index) + "]"; }

FieldValue* findField(std::vector<FieldValue>& fields, const std::vector<std::string>& path) {
  std::vector<FieldValue>* level = &fields;
  bool elements = false;
  FieldValue* found = nullptr;
  for (const std::string& name : path) {
    found = nullptr;
    for (std::size_t i = 0; i < level->size() && found == nullptr; ++i)
      if (elements ? name == elementName(i) : (*level)[i].desc->name == name) found = &(*level)[i];
    if (found == nullptr) return nullptr;
    elements = found->desc->kind == FieldKind::FixedArray || found->desc->kind == FieldKind::CountedArray;
    level = &found->children;
  }
  return found;
}

}  // namespace psdl
