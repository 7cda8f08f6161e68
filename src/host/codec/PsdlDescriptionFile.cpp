#include "host/codec/PsdlDescriptionFile.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <nlohmann/json.hpp>
#include <set>

#include "host/JsonDataFile.h"
#include "host/codec/PsdlValue.h"

namespace psdl {
namespace {

using nlohmann::json;

constexpr char kFormatName[] = "orbel-primitive-descriptions";
constexpr std::int64_t kFormatVersion = 1;
constexpr int kMaximumElementDepth = 8;
constexpr std::int64_t kMaximumArrayCount = 1024;
constexpr unsigned kMaximumPrefixBits = 16;

using orbel::datafile::expectOnly;
using orbel::datafile::fail;
using orbel::datafile::FileError;
using orbel::datafile::find;
using orbel::datafile::text;

// A JSON integer, or a string of decimal digits or "0x" and hex digits, with
// an optional leading "-".
std::optional<std::int64_t> numberOf(const json& value) {
  if (value.is_number_integer()) {
    if (value.is_number_unsigned() && value.get<std::uint64_t>() > std::uint64_t{INT64_MAX}) return std::nullopt;
    return value.get<std::int64_t>();
  }
  if (!value.is_string()) return std::nullopt;
  std::string_view text = value.get_ref<const std::string&>();
  const bool negative = text.starts_with('-');
  if (negative) text.remove_prefix(1);
  int base = 10;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    base = 16;
    text.remove_prefix(2);
  }
  std::int64_t parsed = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return negative ? -parsed : parsed;
}

std::int64_t number(const json& object, const char* key, const std::string& where, std::int64_t minimum,
                    std::int64_t maximum, std::optional<std::int64_t> fallback = std::nullopt) {
  const json* value = find(object, key);
  if (value == nullptr) {
    if (fallback) return *fallback;
    fail(where, std::string("\"") + key + "\" is missing");
  }
  std::optional<std::int64_t> parsed = numberOf(*value);
  if (!parsed || *parsed < minimum || *parsed > maximum)
    fail(where, std::string("\"") + key + "\" must be a number from " + std::to_string(minimum) + " to " +
                    std::to_string(maximum));
  return *parsed;
}

bool flag(const json& object, const char* key, const std::string& where) {
  const json* value = find(object, key);
  if (value == nullptr) return false;
  if (!value->is_boolean()) fail(where, std::string("\"") + key + "\" must be true or false");
  return value->get<bool>();
}

const json& array(const json& object, const char* key, const std::string& where) {
  const json* value = find(object, key);
  if (value == nullptr || !value->is_array()) fail(where, std::string("\"") + key + "\" must be a list");
  return *value;
}

// Names become script words and path steps: letters, digits and "_", not
// starting with a digit.
std::string identifier(const json& object, const char* key, const std::string& where) {
  std::string name = text(object, key, where, true);
  bool ok = !name.empty() && name.size() <= 64 && !(name.front() >= '0' && name.front() <= '9');
  for (char c : name)
    ok = ok && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_');
  if (!ok)
    fail(where, "\"" + std::string(key) + "\" must be 1 to 64 letters, digits or \"_\", not starting with a digit");
  return name;
}

// Everything a field contributes to its type's limits.
struct Size {
  std::size_t bits = 0;
  std::size_t nodes = 0;
};

class Reader {
 public:
  explicit Reader(DescriptionSet& set) : set_(set) {}

  void readType(const json& object, const std::string& where) {
    expectOnly(object, {"name", "comment", "fields"}, where);
    TypeDesc type;
    type.name = identifier(object, "name", where);
    if (set_.findType(type.name) != nullptr) fail(where, "the type \"" + type.name + "\" is described twice");
    type.comment = text(object, "comment", where, false);
    const json& fields = array(object, "fields", where);
    std::set<std::string> names;
    Size total;
    for (std::size_t i = 0; i < fields.size(); ++i) {
      const std::string at = where + ".fields[" + std::to_string(i) + "]";
      FieldDesc field;
      const Size size = readField(fields[i], at, field, true, 0);
      if (!names.insert(field.name).second) fail(at, "the field \"" + field.name + "\" is described twice");
      total = add(total, size, at);
      type.fields.push_back(std::move(field));
    }
    type.maximumBits = total.bits;
    type.nodeCount = total.nodes;
    set_.types.push_back(std::move(type));
  }

  void readPrimitive(const json& object, const std::string& where) {
    expectOnly(object, {"name", "comment", "frame", "group", "primitive", "parameter"}, where);
    PrimitiveDesc primitive;
    primitive.name = identifier(object, "name", where);
    primitive.comment = text(object, "comment", where, false);
    const json& frame = array(object, "frame", where);
    if (frame.size() != 4) fail(where, "\"frame\" must list the 4 header bytes of offsets 2 to 5");
    for (std::size_t i = 0; i < 4; ++i) {
      const std::optional<std::int64_t> byte = numberOf(frame[i]);
      if (!byte || *byte < 0 || *byte > 255) fail(where, "\"frame\" must list numbers from 0 to 255");
      primitive.frame[i] = static_cast<std::uint8_t>(*byte);
    }
    primitive.group = static_cast<std::uint32_t>(number(object, "group", where, 0, UINT32_MAX, 13002));
    primitive.primitive = static_cast<std::uint32_t>(number(object, "primitive", where, 0, UINT32_MAX));
    primitive.parameter = text(object, "parameter", where, false);
    if (!primitive.parameter.empty() && set_.findType(primitive.parameter) == nullptr)
      fail(where, "the parameter type \"" + primitive.parameter + "\" is not described");
    for (const PrimitiveDesc& other : set_.primitives) {
      if (other.name == primitive.name) fail(where, "the primitive \"" + primitive.name + "\" is described twice");
      if (other.frame == primitive.frame && other.primitive == primitive.primitive)
        fail(where, "\"" + other.name + "\" has the same frame bytes and primitive identifier");
    }
    set_.primitives.push_back(std::move(primitive));
  }

 private:
  static Size add(Size a, Size b, const std::string& where) {
    a.bits += b.bits;
    a.nodes += b.nodes;
    check(a, where);
    return a;
  }
  static Size times(Size a, std::int64_t count, const std::string& where) {
    const auto n = static_cast<std::size_t>(count);
    if (n != 0 && (a.bits > kMaximumTypeBytes * 8 / n || a.nodes > kMaximumNodes / n)) check({SIZE_MAX, 0}, where);
    return {a.bits * n, a.nodes * n};
  }
  static void check(const Size& size, const std::string& where) {
    if (size.bits > kMaximumTypeBytes * 8)
      fail(where, "the type could take more than " + std::to_string(kMaximumTypeBytes) + " bytes");
    if (size.nodes > kMaximumNodes)
      fail(where, "the type could hold more than " + std::to_string(kMaximumNodes) + " fields");
  }

  // A key of another kind is refused too: "count" on a list or "bits" on
  // octets is a slip that would otherwise go unnoticed.
  static void expectKeysOfKind(const json& object, const std::string& kind, const std::string& where) {
    static const std::map<std::string, std::set<std::string>, std::less<>> kKindKeys = {
        {"integer", {"bits", "signed", "min", "max", "default"}},
        {"enumeration", {"bits", "values", "default"}},
        {"bits", {"bits", "default"}},
        {"octets", {"length", "minLength", "maxLength", "lengthBits", "default"}},
        {"structure", {"type"}},
        {"array", {"count", "element"}},
        {"list", {"minCount", "maxCount", "countBits", "element"}},
    };
    const auto keys = kKindKeys.find(kind);
    if (keys == kKindKeys.end()) return;  // the unknown kind is reported by the caller
    for (const auto& [key, value] : object.items()) {
      const bool common = key == "name" || key == "comment" || key == "kind" || key == "optional" || key == "present";
      if (!common && !keys->second.contains(key))
        fail(where, "\"" + key + "\" is not a key of a field of kind " + kind);
    }
  }

  // Reads one field (or an array's element, which has no name) and returns
  // the most bits and value nodes it takes.
  Size readField(const json& object, const std::string& where, FieldDesc& field, bool named, int depth) {
    if (depth > kMaximumElementDepth) fail(where, "arrays are nested too deep");
    expectOnly(object, {"name",    "comment",  "kind",     "bits",      "signed",    "min",       "max",
                        "default", "values",   "type",     "length",    "minLength", "maxLength", "lengthBits",
                        "count",   "minCount", "maxCount", "countBits", "element",   "optional",  "present"},
               where);
    if (named)
      field.name = identifier(object, "name", where);
    else if (find(object, "name") != nullptr)
      fail(where, "an array element has no name");
    field.comment = text(object, "comment", where, false);
    field.optional = flag(object, "optional", where);
    field.presentByDefault = flag(object, "present", where);
    if (field.presentByDefault && !field.optional) fail(where, "\"present\" is for optional fields");
    const std::string kind = text(object, "kind", where, true);
    expectKeysOfKind(object, kind, where);
    Size size{field.optional ? 1U : 0U, 1};
    if (kind == "integer") {
      size.bits += readInteger(object, where, field);
    } else if (kind == "enumeration") {
      size.bits += readEnumeration(object, where, field);
    } else if (kind == "bits") {
      field.kind = FieldKind::BitString;
      field.bits = static_cast<unsigned>(number(object, "bits", where, 1, kMaximumBitStringBits));
      field.defaultText = text(object, "default", where, false);
      std::string bits;
      if (field.defaultText.empty()) field.defaultText.assign(field.bits, '0');
      if (!parseBits(field.defaultText, field.bits, bits))
        fail(where, "\"default\" must be " + std::to_string(field.bits) + " digits 0 or 1");
      size.bits += field.bits;
    } else if (kind == "octets") {
      size.bits += readOctets(object, where, field);
    } else if (kind == "structure") {
      field.kind = FieldKind::Structure;
      const std::string type = identifier(object, "type", where);
      const TypeDesc* described = set_.findType(type);
      if (described == nullptr) fail(where, "the type \"" + type + "\" must be described before it is used");
      field.structure = static_cast<std::size_t>(described - set_.types.data());
      size = add(size, {described->maximumBits, described->nodeCount}, where);
    } else if (kind == "array" || kind == "list") {
      const bool counted = kind == "list";
      field.kind = counted ? FieldKind::CountedArray : FieldKind::FixedArray;
      if (counted) {
        field.bits = static_cast<unsigned>(number(object, "countBits", where, 1, kMaximumPrefixBits));
        field.min = number(object, "minCount", where, 0, kMaximumArrayCount, 0);
        field.max = number(object, "maxCount", where, field.min, kMaximumArrayCount);
        if (field.max >= std::int64_t{1} << field.bits) fail(where, "\"maxCount\" does not fit \"countBits\"");
        size.bits += field.bits;
      } else {
        field.max = field.min = number(object, "count", where, 1, kMaximumArrayCount);
      }
      const json* element = find(object, "element");
      if (element == nullptr) fail(where, "\"element\" is missing");
      field.element = std::make_shared<FieldDesc>();
      const Size one = readField(*element, where + ".element", *field.element, false, depth + 1);
      if (field.element->optional) fail(where + ".element", "an array element cannot be optional");
      size = add(size, times(one, field.max, where), where);
    } else {
      fail(where, "\"kind\" must be integer, enumeration, bits, octets, structure, array or list");
    }
    return size;
  }

  unsigned readInteger(const json& object, const std::string& where, FieldDesc& field) {
    field.kind = FieldKind::Integer;
    field.isSigned = flag(object, "signed", where);
    field.bits = static_cast<unsigned>(number(object, "bits", where, 1, 32));
    const std::int64_t lowest = field.isSigned ? -(std::int64_t{1} << (field.bits - 1)) : 0;
    const std::int64_t highest =
        field.isSigned ? (std::int64_t{1} << (field.bits - 1)) - 1 : (std::int64_t{1} << field.bits) - 1;
    field.min = number(object, "min", where, lowest, highest, lowest);
    field.max = number(object, "max", where, field.min, highest, highest);
    field.defaultNumber = number(object, "default", where, field.min, field.max, std::max<std::int64_t>(field.min, 0));
    return field.bits;
  }

  unsigned readEnumeration(const json& object, const std::string& where, FieldDesc& field) {
    field.kind = FieldKind::Enumeration;
    field.bits = static_cast<unsigned>(number(object, "bits", where, 1, 32));
    const json& values = array(object, "values", where);
    if (values.empty()) fail(where, "\"values\" must name at least one value");
    for (std::size_t i = 0; i < values.size(); ++i) {
      const std::string at = where + ".values[" + std::to_string(i) + "]";
      expectOnly(values[i], {"name", "value"}, at);
      NamedValue named{identifier(values[i], "name", at),
                       number(values[i], "value", at, 0, (std::int64_t{1} << field.bits) - 1)};
      for (const NamedValue& other : field.names)
        if (other.name == named.name || other.value == named.value) fail(at, "a name or value is given twice");
      field.names.push_back(std::move(named));
    }
    const std::string chosen = text(object, "default", where, false);
    field.defaultNumber = field.names.front().value;
    if (!chosen.empty()) {
      const auto found = std::find_if(field.names.begin(), field.names.end(),
                                      [&](const NamedValue& named) { return named.name == chosen; });
      if (found == field.names.end()) fail(where, "\"default\" must be one of the names of \"values\"");
      field.defaultNumber = found->value;
    }
    return field.bits;
  }

  std::size_t readOctets(const json& object, const std::string& where, FieldDesc& field) {
    field.kind = FieldKind::OctetString;
    constexpr auto kMaximum = static_cast<std::int64_t>(kMaximumTypeBytes);
    std::size_t bits = 0;
    if (find(object, "length") != nullptr) {
      field.min = field.max = number(object, "length", where, 0, kMaximum);
    } else {
      field.bits = static_cast<unsigned>(number(object, "lengthBits", where, 1, kMaximumPrefixBits));
      field.min = number(object, "minLength", where, 0, kMaximum, 0);
      field.max = number(object, "maxLength", where, field.min, kMaximum);
      if (field.max >= std::int64_t{1} << field.bits) fail(where, "\"maxLength\" does not fit \"lengthBits\"");
      bits = field.bits;
    }
    field.defaultText = text(object, "default", where, false);
    std::vector<std::uint8_t> octets;
    if (!parseOctets(field.defaultText, octets))
      fail(where, "\"default\" must be hexadecimal octets such as \"01 2F\"");
    if (find(object, "default") == nullptr) octets.assign(static_cast<std::size_t>(field.min), 0);
    if (static_cast<std::int64_t>(octets.size()) < field.min || static_cast<std::int64_t>(octets.size()) > field.max)
      fail(where,
           "\"default\" must hold " + std::to_string(field.min) + " to " + std::to_string(field.max) + " octets");
    field.defaultText = octetsText(octets);
    return bits + static_cast<std::size_t>(field.max) * 8;
  }

  DescriptionSet& set_;
};

}  // namespace

std::variant<DescriptionSet, std::string> readDescriptions(std::string_view fileText) {
  if (fileText.size() > kDescriptionFileLimit)
    return "the file is larger than " + std::to_string(kDescriptionFileLimit) + " bytes";
  const json document = json::parse(fileText, nullptr, false);
  if (document.is_discarded()) return std::string("the file is not JSON");
  DescriptionSet set;
  try {
    expectOnly(document, {"format", "version", "types", "primitives"}, "file");
    if (text(document, "format", "file", true) != kFormatName)
      fail("file", std::string("\"format\" must be \"") + kFormatName + "\"");
    number(document, "version", "file", kFormatVersion, kFormatVersion);
    Reader reader(set);
    const json& types = array(document, "types", "file");
    set.types.reserve(types.size());
    for (std::size_t i = 0; i < types.size(); ++i) reader.readType(types[i], "types[" + std::to_string(i) + "]");
    const json& primitives = array(document, "primitives", "file");
    for (std::size_t i = 0; i < primitives.size(); ++i)
      reader.readPrimitive(primitives[i], "primitives[" + std::to_string(i) + "]");
  } catch (const FileError& error) {
    return error.text;
  }
  return set;
}

}  // namespace psdl
