// The primitive-description model of the codec stand-in: which primitives
// exist, the parameter type of each, and every type's fields with their
// kind, width, range, default and comment. Built by the description reader
// (PsdlDescriptionFile.h) and read-only afterwards.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace psdl {

enum class FieldKind {
  Integer,       // `bits` wide, signed or not, within [min, max]
  Enumeration,   // `bits` wide, one of the named values
  BitString,     // exactly `bits` bits
  OctetString,   // [min, max] octets; a `bits`-wide length prefix when min != max
  Structure,     // the fields of type `structure`
  FixedArray,    // exactly `max` elements
  CountedArray,  // [min, max] elements after a `bits`-wide count
};

struct NamedValue {
  std::string name;
  std::int64_t value = 0;
};

struct FieldDesc {
  std::string name;  // "[i]" for array elements
  std::string comment;
  FieldKind kind = FieldKind::Integer;
  unsigned bits = 0;
  bool isSigned = false;
  std::int64_t min = 0;
  std::int64_t max = 0;
  // Integer and enumeration: the default number. Bit and octet strings keep
  // theirs as text in the field's notation (defaultText).
  std::int64_t defaultNumber = 0;
  std::string defaultText;
  std::vector<NamedValue> names;       // enumeration
  std::size_t structure = 0;           // structure: index into DescriptionSet::types
  std::shared_ptr<FieldDesc> element;  // arrays
  bool optional = false;               // a presence bit comes first
  bool presentByDefault = false;       // optional fields only
};

struct TypeDesc {
  std::string name;
  std::string comment;
  std::vector<FieldDesc> fields;
  std::size_t maximumBits = 0;  // the longest encoding of a value of the type
  std::size_t nodeCount = 0;    // the value nodes a variable of the type holds at most
};

// The four header bytes of offsets 2 to 5 (start mark, reserved, ModuleId).
using FrameBytes = std::array<std::uint8_t, 4>;

struct PrimitiveDesc {
  std::string name;
  std::string comment;
  FrameBytes frame{};
  std::uint32_t group = 13002;
  std::uint32_t primitive = 0;
  std::string parameter;  // the type name; empty for a primitive without parameter
};

struct DescriptionSet {
  std::vector<TypeDesc> types;
  std::vector<PrimitiveDesc> primitives;

  const TypeDesc* findType(std::string_view name) const;
  const PrimitiveDesc* findPrimitive(const FrameBytes& frame, std::uint32_t primitive) const;
  // The first primitive whose parameter is `typeName`, or null.
  const PrimitiveDesc* primitiveOfType(std::string_view typeName) const;
};

// Limits the reader holds every description set to, so that a variable of
// any type is small enough to build, show and encode.
inline constexpr std::size_t kMaximumTypeBytes = 60000;  // fits the message's 16-bit length words
inline constexpr std::size_t kMaximumNodes = 20000;
inline constexpr unsigned kMaximumBitStringBits = 256;

}  // namespace psdl
