#include "host/codec/PsdlDescriptions.h"

namespace psdl {

const TypeDesc* DescriptionSet::findType(std::string_view name) const {
  for (const TypeDesc& type : types)
    if (type.name == name) return &type;
  return nullptr;
}

const PrimitiveDesc* DescriptionSet::findPrimitive(const FrameBytes& frame, std::uint32_t primitive) const {
  for (const PrimitiveDesc& described : primitives)
    if (described.frame == frame && described.primitive == primitive) return &described;
  return nullptr;
}

const PrimitiveDesc* DescriptionSet::primitiveOfType(std::string_view typeName) const {
  for (const PrimitiveDesc& described : primitives)
    if (!typeName.empty() && described.parameter == typeName) return &described;
  return nullptr;
}

}  // namespace psdl
