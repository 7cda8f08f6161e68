// The payload of the other-parameter configuration command: a count and the
// parameter codes, each shown with the caption of its tick box.
#include "decode/PayloadDecoding.h"
#include "orbel/config/OtherParamTable.h"
#include "orbel/wire/ByteReader.h"

namespace orbel {
namespace {

std::string codeText(std::uint8_t code) {
  const std::string_view caption = otherParamCaption(code);
  return hexText(code, 2) + (caption.empty() ? " (unknown code)" : " " + std::string(caption));
}

// A count that does not match the codes present leaves the payload raw.
void decodeOtherParamPayload(const PayloadContext& context) {
  ByteReader payload(context.payload);
  const std::optional<std::uint8_t> count = payload.u8();
  if (!count) {
    context.notes.push_back("empty payload, an other-parameter configuration has at least the count byte");
    return;
  }
  if (payload.remaining() != *count) {
    const std::size_t present = payload.remaining();
    context.notes.push_back("the count says " + std::to_string(*count) + " parameter codes, " +
                            std::to_string(present) + (present == 1 ? " follows" : " follow"));
    return;
  }
  addPayloadField(context, 0, 1, "parameter count", std::to_string(*count));
  for (std::size_t i = 1; const std::optional<std::uint8_t> code = payload.u8(); ++i)
    addPayloadField(context, i, 1, "parameter " + std::to_string(i), codeText(*code));
}

}  // namespace

constexpr MessageKind kOtherParamKinds[] = {
    {PrimitiveId::OtherParamConfig, "other-parameter configuration", decodeOtherParamPayload},
};

std::span<const MessageKind> otherParamMessageKinds() { return kOtherParamKinds; }

}  // namespace orbel
