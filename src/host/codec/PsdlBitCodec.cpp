#include "host/codec/PsdlBitCodec.h"

namespace psdl {
namespace {

class BitWriter {
 public:
  void put(std::uint64_t value, unsigned width) {
    for (unsigned i = width; i-- > 0;) putBit((value >> i & 1U) != 0);
  }
  void putBit(bool bit) {
    if (used_ % 8 == 0) bytes_.push_back(0);
    if (bit) bytes_.back() |= static_cast<std::uint8_t>(0x80U >> (used_ % 8));
    ++used_;
  }
  std::vector<std::uint8_t> take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t used_ = 0;
};

struct Truncated {};

class BitReader {
 public:
  explicit BitReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint64_t get(unsigned width) {
    std::uint64_t value = 0;
    for (unsigned i = 0; i < width; ++i) value = value << 1 | (getBit() ? 1U : 0U);
    return value;
  }
  bool getBit() {
    if (used_ >= bytes_.size() * 8) throw Truncated{};
    const bool bit = (bytes_[used_ / 8] & (0x80U >> (used_ % 8))) != 0;
    ++used_;
    return bit;
  }
  std::size_t used() const { return used_; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t used_ = 0;
};

struct Malformed {
  std::string reason;
};

void encodeValue(BitWriter& out, const FieldValue& value) {
  const FieldDesc& field = *value.desc;
  if (field.optional) {
    out.putBit(value.present);
    if (!value.present) return;
  }
  switch (field.kind) {
    case FieldKind::Integer:
    case FieldKind::Enumeration:
      out.put(static_cast<std::uint64_t>(value.number), field.bits);
      break;
    case FieldKind::BitString:
      for (char bit : value.bits) out.putBit(bit == '1');
      break;
    case FieldKind::OctetString:
      if (field.min != field.max) out.put(value.octets.size(), field.bits);
      for (std::uint8_t octet : value.octets) out.put(octet, 8);
      break;
    case FieldKind::CountedArray:
      out.put(value.children.size(), field.bits);
      [[fallthrough]];
    case FieldKind::Structure:
    case FieldKind::FixedArray:
      for (const FieldValue& child : value.children) encodeValue(out, child);
      break;
  }
}

std::int64_t signExtended(std::uint64_t raw, unsigned bits) {
  if (bits < 64 && (raw >> (bits - 1) & 1U) != 0)
    return static_cast<std::int64_t>(raw | ~((std::uint64_t{1} << bits) - 1));
  return static_cast<std::int64_t>(raw);
}

void decodeValue(const DescriptionSet& set, BitReader& in, FieldValue& value, const std::string& where) {
  const FieldDesc& field = *value.desc;
  if (field.optional) {
    value.present = in.getBit();
    if (!value.present) return;
  }
  switch (field.kind) {
    case FieldKind::Integer: {
      const std::uint64_t raw = in.get(field.bits);
      value.number = field.isSigned ? signExtended(raw, field.bits) : static_cast<std::int64_t>(raw);
      if (value.number < field.min || value.number > field.max)
        throw Malformed{where + ": " + std::to_string(value.number) + " is outside " + std::to_string(field.min) +
                        " to " + std::to_string(field.max)};
      break;
    }
    case FieldKind::Enumeration:
      value.number = static_cast<std::int64_t>(in.get(field.bits));
      if (nameOf(field, value.number) == nullptr)
        throw Malformed{where + ": " + std::to_string(value.number) + " is not a named value"};
      break;
    case FieldKind::BitString:
      value.bits.clear();
      for (unsigned i = 0; i < field.bits; ++i) value.bits += in.getBit() ? '1' : '0';
      break;
    case FieldKind::OctetString: {
      const std::uint64_t length = field.min == field.max ? static_cast<std::uint64_t>(field.min) : in.get(field.bits);
      if (length < static_cast<std::uint64_t>(field.min) || length > static_cast<std::uint64_t>(field.max))
        throw Malformed{where + ": a length of " + std::to_string(length) + " octets is outside " +
                        std::to_string(field.min) + " to " + std::to_string(field.max)};
      value.octets.clear();
      for (std::uint64_t i = 0; i < length; ++i) value.octets.push_back(static_cast<std::uint8_t>(in.get(8)));
      break;
    }
    case FieldKind::CountedArray: {
      const std::uint64_t count = in.get(field.bits);
      if (count < static_cast<std::uint64_t>(field.min) || count > static_cast<std::uint64_t>(field.max))
        throw Malformed{where + ": a count of " + std::to_string(count) + " is outside " + std::to_string(field.min) +
                        " to " + std::to_string(field.max)};
      value.children.assign(static_cast<std::size_t>(count), defaultValue(set, *field.element));
      value.number = static_cast<std::int64_t>(count);
      [[fallthrough]];
    }
    case FieldKind::FixedArray:
      for (std::size_t i = 0; i < value.children.size(); ++i)
        decodeValue(set, in, value.children[i], where + elementName(i));
      break;
    case FieldKind::Structure:
      for (FieldValue& child : value.children) decodeValue(set, in, child, where + "." + child.desc->name);
      break;
  }
}

}  // namespace

std::vector<std::uint8_t> encodeFields(const std::vector<FieldValue>& fields) {
  BitWriter out;
  for (const FieldValue& value : fields) encodeValue(out, value);
  return out.take();
}

std::variant<std::vector<FieldValue>, DecodeFailure> decodeFields(const DescriptionSet& set, const TypeDesc& type,
                                                                  std::span<const std::uint8_t> bytes) {
  if (bytes.size() > type.maximumBits / 8 + 1)
    return DecodeFailure{false, std::to_string(bytes.size()) + " bytes are more than a " + type.name + " can hold"};
  std::vector<FieldValue> fields = defaultFields(set, type);
  BitReader in(bytes);
  try {
    for (FieldValue& value : fields) decodeValue(set, in, value, value.desc->name);
  } catch (const Truncated&) {
    return DecodeFailure{true, "the " + std::to_string(bytes.size()) + " bytes end inside a " + type.name};
  } catch (const Malformed& malformed) {
    return DecodeFailure{false, malformed.reason};
  }
  const std::size_t usedBytes = (in.used() + 7) / 8;
  if (usedBytes != bytes.size())
    return DecodeFailure{false, std::to_string(bytes.size() - usedBytes) + " bytes follow the " + type.name};
  while (in.used() % 8 != 0)
    if (in.getBit()) return DecodeFailure{false, "the padding after the " + type.name + " is not zero"};
  return fields;
}

}  // namespace psdl
