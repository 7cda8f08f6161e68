// The HLS filter dialog's display-filter message, which shares primitive
// 12031 with the SAP filter message: filter type 1 to 5, values A and, for
// types 1 and 2, sender values B.
#include "decode/FilterFormats.h"
#include "decode/PayloadDecoding.h"
#include "orbel/wire/ByteReader.h"

namespace orbel {
namespace {

const char* typeName(std::uint8_t type) {
  switch (type) {
    case 1: return " (SAP tree, first sender list)";
    case 2: return " (SAP tree, second sender list)";
    case 3: return " (SAP tree)";
    case 4: return " (fourth node list)";
    case 5: return " (fifth node list)";
    default: return "";
  }
}

// Adds a length word and the values it counts (`width` bytes each); false
// when the bytes run out.
bool addValues(ByteReader& in, std::size_t base, const std::string& name, std::size_t width,
               std::vector<DecodedField>& fields) {
  const std::size_t lengthAt = base + in.offset();
  const std::optional<std::uint16_t> length = in.u16BE();
  if (!length) return false;
  const std::size_t count = *length / width;
  fields.push_back(
      {lengthAt, 2, "length " + name, std::to_string(*length) + " (" + std::to_string(count) + " values)"});
  if (*length % width != 0 || in.remaining() < *length) return false;
  for (std::size_t index = 0; index < count; ++index) {
    const std::size_t at = base + in.offset();
    fields.push_back({at, width, "value " + name + " " + std::to_string(index + 1),
                      numberText(*in.uBE(width), static_cast<int>(2 * width))});
  }
  return true;
}

}  // namespace

bool isDisplayFilterPayload(std::span<const std::uint8_t> body) {
  if (body.size() < 2) return false;
  const std::uint8_t type = body[0];
  // Type 3 with values reads as the compact SAP filter, which it equals.
  return (type >= 1 && type <= 5 && type != 3) || (type == 3 && body.size() == 2);
}

void addDisplayFilterFields(std::span<const std::uint8_t> body, std::size_t base, std::vector<DecodedField>& fields,
                            std::vector<std::string>& notes) {
  ByteReader in(body);
  const std::uint8_t type = *in.u8();
  fields.push_back({base, 1, "display filter type", std::to_string(type) + typeName(type)});
  fields.push_back({base + 1, 1, "reserved", hexText(*in.u8(), 2)});
  if (in.atEnd() && type >= 3) return;  // no values A
  const bool senders = type == 1 || type == 2;
  if (!addValues(in, base, "A", 4, fields) || (senders && !addValues(in, base, "B", 2, fields))) {
    notes.push_back("display filter message: the values do not fit the bytes present");
    return;
  }
  if (!in.atEnd()) notes.push_back("display filter message: " + std::to_string(in.remaining()) + " bytes left over");
}

}  // namespace orbel
