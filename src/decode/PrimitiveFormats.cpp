#include "decode/PrimitiveFormats.h"

#include <algorithm>
#include <variant>

#include "host/codec/PsdlBitCodec.h"
#include "host/codec/PsdlLink.h"
#include "host/codec/PsdlScript.h"
#include "orbel/primitive/PcfFile.h"

namespace orbel {
namespace {

// The host's descriptions, read once; an unreadable file decodes nothing.
const psdl::DescriptionSet& descriptions() {
  static const std::shared_ptr<const psdl::DescriptionSet> set = [] {
    auto loaded = psdl::hostDescriptions();
    auto* found = std::get_if<std::shared_ptr<const psdl::DescriptionSet>>(&loaded);
    return found != nullptr ? *found : std::make_shared<const psdl::DescriptionSet>();
  }();
  return *set;
}

const psdl::PrimitiveDesc* describedPrimitive(ModuleId module, std::uint32_t primitiveId) {
  for (const psdl::PrimitiveDesc& primitive : descriptions().primitives)
    if (primitive.primitive == primitiveId && primitive.frame[2] == module.task &&
        primitive.frame[3] == module.subModule)
      return &primitive;
  return nullptr;
}

// One field per value, all at the parameter's first byte: fields are
// bit-packed, so their bytes are not theirs alone.
void addParameterFields(std::vector<DecodedField>& fields, std::vector<std::string>& notes, std::size_t at,
                        std::string_view typeName, std::span<const std::uint8_t> parameter) {
  const psdl::TypeDesc* type = descriptions().findType(typeName);
  if (type == nullptr) {
    notes.push_back("the parameter type " + std::string(typeName) + " is not described");
    return;
  }
  auto decoded = psdl::decodeFields(descriptions(), *type, parameter);
  if (const auto* failure = std::get_if<psdl::DecodeFailure>(&decoded)) {
    notes.push_back(std::string(typeName) + " does not decode: " + failure->reason);
    return;
  }
  fields.push_back({at, parameter.size(), "parameter", std::string(typeName)});
  for (std::string& line : psdl::fieldListing(std::get<std::vector<psdl::FieldValue>>(decoded)))
    fields.push_back({at, 0, "  " + line.substr(0, line.find(" = ")),
                      line.find(" = ") == std::string::npos ? "" : line.substr(line.find(" = ") + 3)});
}

void decodePrimitivePayload(const PayloadContext& context) {
  const psdl::PrimitiveDesc* primitive = describedPrimitive(context.module, context.primitiveId);
  if (primitive == nullptr || primitive->parameter.empty()) return;
  addParameterFields(context.fields, context.notes, kPayloadOffset, primitive->parameter, context.payload);
}

}  // namespace

PayloadDecoder primitivePayloadDecoder(ModuleId module, std::uint32_t primitiveId) {
  return describedPrimitive(module, primitiveId) != nullptr ? decodePrimitivePayload : nullptr;
}

std::string describedPrimitiveName(ModuleId module, std::uint32_t primitiveId) {
  const psdl::PrimitiveDesc* primitive = describedPrimitive(module, primitiveId);
  return primitive != nullptr ? primitive->name : std::string();
}

bool looksLikePcfFile(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= kPcfMagic.size() && std::equal(kPcfMagic.begin(), kPcfMagic.end(), bytes.begin());
}

DecodedMessage decodePcfFile(std::span<const std::uint8_t> bytes) {
  DecodedMessage message;
  auto read = readPcf(bytes);
  if (const auto* refusal = std::get_if<ReadRefusal>(&read)) {
    message.fault = refusal->fault;
    message.error = "not a primitive content file: " + refusal->reason;
    return message;
  }
  const PcfContent& content = std::get<PcfContent>(read);
  const std::size_t nameLength = content.typeName.size() + 1;
  message.title = "primitive content file of " + content.typeName;
  message.fields.push_back({0, kPcfMagic.size(), "magic", "primitive content record (GBK)"});
  message.fields.push_back({14, 4, "name length", std::to_string(nameLength)});
  message.fields.push_back({18, nameLength, "type name", content.typeName});
  message.fields.push_back({18 + nameLength, 4, "parameter length", std::to_string(content.parameter.size())});
  addParameterFields(message.fields, message.notes, 22 + nameLength, content.typeName, content.parameter);
  return message;
}

}  // namespace orbel
