// The primitive-description reader under arbitrary text. Whatever it
// accepts must hold the limits it promises, and every type must make a
// variable whose default encoding decodes back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>

#include "FuzzCheck.h"
#include "host/codec/PsdlBitCodec.h"
#include "host/codec/PsdlDescriptionFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto read = psdl::readDescriptions(std::string_view(reinterpret_cast<const char*>(data), size));
  auto* set = std::get_if<psdl::DescriptionSet>(&read);
  if (set == nullptr) {
    fuzzCheck(!std::get<std::string>(read).empty(), "a refusal says why");
    return 0;
  }
  for (const psdl::TypeDesc& type : set->types) {
    fuzzCheck(type.maximumBits <= psdl::kMaximumTypeBytes * 8, "a type fits the message");
    fuzzCheck(type.nodeCount <= psdl::kMaximumNodes, "a type's values are bounded");
    const std::vector<std::uint8_t> bytes = psdl::encodeFields(psdl::defaultFields(*set, type));
    fuzzCheck(bytes.size() * 8 <= type.maximumBits + 7, "an encoding stays within the type's maximum");
    auto decoded = psdl::decodeFields(*set, type, bytes);
    fuzzCheck(std::holds_alternative<std::vector<psdl::FieldValue>>(decoded), "a default encoding decodes");
    fuzzCheck(psdl::encodeFields(std::get<std::vector<psdl::FieldValue>>(decoded)) == bytes,
              "decoding and encoding again gives the same bytes");
  }
  return 0;
}
