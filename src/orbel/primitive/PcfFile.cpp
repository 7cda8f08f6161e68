#include "orbel/primitive/PcfFile.h"

#include <algorithm>

#include "orbel/wire/ByteOrder.h"

namespace orbel {
namespace {

constexpr char kWrongMagic[] = "the file does not start with the primitive content magic";
constexpr char kNoMagic[] = "the file is shorter than its magic";

void appendU32LE(std::string& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
}

}  // namespace

std::string serializePcf(std::string_view typeName, std::span<const std::uint8_t> parameter) {
  std::string out(kPcfMagic.begin(), kPcfMagic.end());
  appendU32LE(out, static_cast<std::uint32_t>(typeName.size() + 1));
  out += typeName;
  out += '\0';
  appendU32LE(out, static_cast<std::uint32_t>(parameter.size()));
  out.append(parameter.begin(), parameter.end());
  return out;
}

std::variant<PcfContent, ReadRefusal> readPcf(std::span<const std::uint8_t> bytes) {
  ByteReader in(bytes);
  const auto magic = in.bytes(kPcfMagic.size());
  if (!magic) return ReadRefusal{ReadFault::Truncated, kNoMagic};
  if (!std::equal(magic->begin(), magic->end(), kPcfMagic.begin()))
    return ReadRefusal{ReadFault::Malformed, kWrongMagic};
  const auto nameLength = in.u32LE();
  if (!nameLength) return ReadRefusal{ReadFault::Truncated, "the name length is cut off"};
  if (*nameLength == 0 || *nameLength > kPcfLargestNameField)
    return ReadRefusal{ReadFault::Malformed, "the stored type name takes " + std::to_string(*nameLength) +
                                                 " bytes; 1 to " + std::to_string(kPcfLargestNameField) + " fit"};
  const auto name = in.bytes(*nameLength);
  if (!name) return ReadRefusal{ReadFault::Truncated, "the type name is cut off"};
  if (name->back() != 0 || std::find(name->begin(), name->end(), 0) != name->end() - 1)
    return ReadRefusal{ReadFault::Malformed, "the type name does not end where its length says"};
  const auto parameterLength = in.u32LE();
  if (!parameterLength) return ReadRefusal{ReadFault::Truncated, "the parameter length is cut off"};
  if (*parameterLength > kPcfLargestParameter)
    return ReadRefusal{ReadFault::Malformed, "the parameter of " + std::to_string(*parameterLength) +
                                                 " bytes is larger than " + std::to_string(kPcfLargestParameter)};
  const auto parameter = in.bytes(*parameterLength);
  if (!parameter) return ReadRefusal{ReadFault::Truncated, "the parameter is cut off"};
  if (!in.atEnd())
    return ReadRefusal{ReadFault::Malformed, std::to_string(in.remaining()) + " bytes follow the parameter"};
  return PcfContent{std::string(name->begin(), name->end() - 1), {parameter->begin(), parameter->end()}};
}

bool isWrongMagic(const ReadRefusal& refusal) { return refusal.reason == kWrongMagic || refusal.reason == kNoMagic; }

}  // namespace orbel
