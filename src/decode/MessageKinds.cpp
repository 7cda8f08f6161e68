#include "decode/MessageKinds.h"

namespace orbel {

const MessageKind* findMessageKind(std::uint32_t primitiveId) {
  for (auto family : {commandMessageKinds, layer1ReportMessageKinds, filterMessageKinds, otherParamMessageKinds})
    for (const MessageKind& kind : family())
      if (static_cast<std::uint32_t>(kind.primitive) == primitiveId) return &kind;
  return nullptr;
}

}  // namespace orbel
