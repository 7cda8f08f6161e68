// The save-as dialog's reading of a display-filter message under arbitrary
// bytes: whatever it keeps lies inside the payload, right after the four
// leading bytes, as whole words no longer than the payload's length A says.
#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzCheck.h"
#include "orbel/primitive/DisplayFilterValues.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> message(data, size);
  const auto values = orbel::readDisplayFilterValues(message);
  if (!values) return 0;
  fuzzCheck(size >= 20, "a message shorter than its header was read");
  const std::size_t payloadLength = message[18] | (std::size_t{message[19]} << 8);
  fuzzCheck(payloadLength > 4 && 20 + payloadLength <= size, "the payload lies outside the message");
  const std::size_t lengthA = (std::size_t{message[22]} << 8) | message[23];
  fuzzCheck(values->filterType == message[20], "the filter type is not the payload's first byte");
  fuzzCheck(values->valuesA.size() % 4 == 0 && values->valuesA.size() <= lengthA, "values A are not whole words");
  fuzzCheck(4 + values->valuesA.size() <= payloadLength, "values A run past the payload");
  for (std::size_t i = 0; i < values->valuesA.size(); ++i)
    fuzzCheck(values->valuesA[i] == message[24 + i], "values A are not the bytes after the first four");
  return 0;
}
