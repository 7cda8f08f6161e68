// The codec's decoder under arbitrary bytes, for every type of the built-in
// descriptions (the first input byte picks the type): bytes it accepts
// encode back to exactly themselves, since an encoding is bit-exact.
#include <cstddef>
#include <cstdint>
#include <span>
#include <variant>

#include "FuzzCheck.h"
#include "host/codec/PsdlBitCodec.h"
#include "host/codec/PsdlLink.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto set = psdl::builtInDescriptions();
  fuzzCheck(!set->types.empty(), "the built-in descriptions load");
  const psdl::TypeDesc& type = set->types[data[0] % set->types.size()];
  const std::span<const std::uint8_t> bytes(data + 1, size - 1);
  auto decoded = psdl::decodeFields(*set, type, bytes);
  if (std::holds_alternative<psdl::DecodeFailure>(decoded)) return 0;
  const std::vector<std::uint8_t> again = psdl::encodeFields(std::get<std::vector<psdl::FieldValue>>(decoded));
  fuzzCheck(std::equal(again.begin(), again.end(), bytes.begin(), bytes.end()), "accepted bytes encode to themselves");
  return 0;
}
