// Decodes arbitrary layer-1 filter configurations (shorter input is padded
// with zeros, longer input cut to 1128 bytes). Reading and writing the layout
// must keep every byte; decoding, encoding and decoding again must be stable:
// the second encoding gives the same bytes as the first, and a configuration
// in normal form keeps at most 16 identifiers per list. The decoder's fields
// must cover the 1128 bytes exactly. Fewer bytes are refused as truncated.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <variant>

#include "DecodedFieldsCheck.h"
#include "FuzzCheck.h"
#include "decode/L1Formats.h"
#include "orbel/l1filter/FilterConfigCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orbel::PhyFaFilterBytes bytes{};
  std::copy_n(data, std::min(size, bytes.size()), bytes.begin());

  if (size < bytes.size()) {
    const auto cut = orbel::parsePhyFaFilterConfig(std::span(data, size));
    const orbel::ReadFault* fault = std::get_if<orbel::ReadFault>(&cut);
    fuzzCheck(fault != nullptr && *fault == orbel::ReadFault::Truncated,
              "fewer than 1128 bytes are refused as truncated");
  }
  const orbel::PhyFaFilterConfig config = *orbel::readPhyFaFilterConfig(bytes);
  fuzzCheck(orbel::toBytes(config) == bytes, "the layout keeps every byte");

  const orbel::PhyFaSelection first = orbel::decodeFilterConfig(config);
  const orbel::PhyFaFilterConfig normal = orbel::encodeFilterSelection(first);
  const orbel::PhyFaSelection second = orbel::decodeFilterConfig(normal);
  fuzzCheck(second == first, "a normalised configuration decodes to the same selection");
  fuzzCheck(orbel::encodeFilterSelection(second) == normal, "encoding a normalised configuration is stable");
  fuzzCheck(first.primitives.count() <= 2 * orbel::kPrimitiveSlots, "at most 16 rows of each list are ticked");

  const orbel::DecodedMessage message = orbel::decodeL1FilterConfigFormat(bytes);
  fuzzCheck(message.error.empty(), "every 1128 bytes decode as a configuration");
  checkFieldsCoverInput(message, bytes.size());
  return 0;
}
