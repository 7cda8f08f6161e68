// Checks arbitrary bytes as a layer-1 command frame. An accepted frame's
// message must lie inside the input at offset 24, be as long as the frame
// says and carry the code the frame's primitive names; the decoder must then
// describe it with fields that cover the input exactly. A refused frame must
// be refused by the decoder too.
#include <cstddef>
#include <cstdint>
#include <span>

#include "DecodedFieldsCheck.h"
#include "FuzzCheck.h"
#include "decode/L1Formats.h"
#include "orbel/l1filter/L1CommandFrame.h"
#include "orbel/wire/ByteOrder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const orbel::L1FrameCheck check = orbel::ValidateL1CommandFrame(bytes);
  const orbel::DecodedMessage message = orbel::decodeL1CommandFrameFormat(bytes);
  if (!check) {
    fuzzCheck(check.message.empty(), "a refused frame has no message");
    fuzzCheck(!message.error.empty() && message.fields.empty(), "the decoder refuses what the check refuses");
    fuzzCheck(message.fault == orbel::faultOf(check.error), "the decoder names the check's fault kind");
    return 0;
  }
  fuzzCheck(check.message.data() == data + orbel::kL1FrameHeaderSize, "the message starts at offset 24");
  fuzzCheck(check.message.size() == orbel::readU16LE(bytes, orbel::kL1FrameMessageLength),
            "the message is as long as the frame says");
  fuzzCheck(orbel::kL1FrameHeaderSize + check.message.size() <= size, "the message lies inside the input");
  const orbel::L1MessageHeader header = *orbel::readL1MessageHeader(check.message);
  fuzzCheck(check.message.size() == orbel::kL1MessageHeaderSize + header.bodyLength(), "header and body fill it");
  fuzzCheck(orbel::readU32LE(bytes, 10) == orbel::kL1FramePrimitiveBase + header.commandCode(),
            "the primitive names the message's code");

  fuzzCheck(message.error.empty(), "the decoder accepts what the check accepts");
  checkFieldsCoverInput(message, size);
  return 0;
}
