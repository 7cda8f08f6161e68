// Reads arbitrary bytes as the layer-2 configuration file, state block and
// record. Only exactly 824 bytes are a file, and a file read and written
// again keeps every byte; the state block and record keep every byte through
// their layouts too. Each decoder accepts exactly its size, with fields that
// cover the input once, in order, and refuses any other size with a fault.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <variant>

#include "DecodedFieldsCheck.h"
#include "FuzzCheck.h"
#include "decode/L2Formats.h"
#include "orbel/config/L2ConfigLayout.h"

namespace {

void checkDecoder(orbel::DecodedMessage (*decode)(std::span<const std::uint8_t>), std::span<const std::uint8_t> bytes,
                  std::size_t size) {
  const orbel::DecodedMessage message = decode(bytes);
  if (bytes.size() != size) {
    fuzzCheck(!message.error.empty() && message.fault && message.fields.empty(), "another size is refused");
    return;
  }
  fuzzCheck(message.error.empty() && !message.title.empty(), "a block of its size always decodes");
  checkFieldsCoverInput(message, size);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const auto file = orbel::decodeL2ConfigFile(bytes);
  fuzzCheck(std::holds_alternative<orbel::L2ConfigFile>(file) == (size == orbel::kL2ConfigFileSize),
            "exactly 824 bytes are a file");
  if (const auto* read = std::get_if<orbel::L2ConfigFile>(&file)) {
    const auto written = orbel::encodeL2ConfigFile(*read);
    fuzzCheck(std::equal(written.begin(), written.end(), bytes.begin(), bytes.end()), "the file keeps every byte");
  }

  std::array<std::uint8_t, orbel::kL2ConfigStateSize> state{};
  std::copy_n(data, std::min(size, state.size()), state.begin());
  std::array<std::uint8_t, orbel::kL2ConfigStateSize> stateAgain{};
  orbel::writeL2ConfigState(orbel::readL2ConfigState(state), stateAgain);
  fuzzCheck(stateAgain == state, "the state block keeps every byte");

  std::array<std::uint8_t, orbel::kL2SapRecordSize> record{};
  std::copy_n(data, std::min(size, record.size()), record.begin());
  std::array<std::uint8_t, orbel::kL2SapRecordSize> recordAgain{};
  orbel::writeL2SapRecord(orbel::readL2SapRecord(record), recordAgain);
  fuzzCheck(recordAgain == record, "the record keeps every byte");

  checkDecoder(orbel::decodeL2ConfigFileFormat, bytes, orbel::kL2ConfigFileSize);
  checkDecoder(orbel::decodeL2ConfigStateFormat, bytes, orbel::kL2ConfigStateSize);
  checkDecoder(orbel::decodeL2SapRecordFormat, bytes, orbel::kL2SapRecordSize);
  return 0;
}
