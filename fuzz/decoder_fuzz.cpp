// Decodes arbitrary bytes as a diagnostic message and formats the result.
// Anything that is not a message must be refused with an error and no
// fields; a message that is accepted must be described by fields that cover
// its bytes exactly once, in order, so the formatted dump never points past
// the input.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "DecodedFieldsCheck.h"
#include "FuzzCheck.h"
#include "decode/MessageDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const orbel::DecodedMessage message = orbel::decodeDiagMessage(bytes);
  const std::string text = orbel::formatDecoded(message, bytes);

  fuzzCheck(message.error.empty() == !message.fault, "a refusal says whether the input ran out or is malformed");
  if (!message.error.empty()) {
    fuzzCheck(message.fields.empty() && message.title.empty(), "a refused message has no fields");
    // The fault kind agrees with the error text: "truncated" for input that ran out.
    fuzzCheck(message.error.starts_with("truncated") == (message.fault == orbel::ReadFault::Truncated) ||
                  message.error.starts_with("inconsistent: the length field"),
              "the fault kind agrees with the error");
    fuzzCheck(text.starts_with("error: "), "a refused message formats as an error");
    return 0;
  }
  fuzzCheck(!message.title.empty() && text.starts_with(message.title), "an accepted message has a title");
  checkFieldsCoverInput(message, size);
  return 0;
}
