// The payload of the other-parameter configuration command: a count and the
// parameter codes, each shown with the caption of its tick box.
#include "orbel/config/OtherParamTable.h"
#include "orbel/decode/PayloadDecoding.h"

namespace orbel {
namespace {

std::string codeText(std::uint8_t code) {
  const std::string_view caption = otherParamCaption(code);
  return hexText(code, 2) + (caption.empty() ? " (unknown code)" : " " + std::string(caption));
}

// A count that does not match the codes present leaves the payload raw.
void decodeOtherParamPayload(const PayloadContext& context) {
  const std::span<const std::uint8_t> payload = context.payload;
  if (payload.empty()) {
    context.notes.push_back("empty payload, an other-parameter configuration has at least the count byte");
    return;
  }
  const std::size_t count = payload[0];
  if (count + 1 != payload.size()) {
    const std::size_t present = payload.size() - 1;
    context.notes.push_back("the count says " + std::to_string(count) + " parameter codes, " + std::to_string(present) +
                            (present == 1 ? " follows" : " follow"));
    return;
  }
  addPayloadField(context, 0, 1, "parameter count", std::to_string(count));
  for (std::size_t i = 1; i <= count; ++i)
    addPayloadField(context, i, 1, "parameter " + std::to_string(i), codeText(payload[i]));
}

}  // namespace

constexpr MessageKind kOtherParamKinds[] = {
    {PrimitiveId::OtherParamConfig, "other-parameter configuration", decodeOtherParamPayload},
};

std::span<const MessageKind> otherParamMessageKinds() { return kOtherParamKinds; }

}  // namespace orbel
