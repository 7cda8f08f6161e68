// One scenario record under arbitrary bytes: an accepted record takes exactly
// its size and writes back to a record that reads to the same command.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <variant>

#include "FuzzCheck.h"
#include "orbel/primitive/ScenarioCommand.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orbel::ByteReader in(std::span<const std::uint8_t>(data, size));
  auto read = orbel::ReadScenarioCommand(in);
  const auto* command = std::get_if<orbel::ScenarioCommandPtr>(&read);
  if (command == nullptr) return 0;
  fuzzCheck(in.offset() == orbel::scenarioRecordSize((*command)->dataLength), "a record takes exactly its size");
  std::string written;
  orbel::WriteScenarioCommand(written, **command);
  fuzzCheck(written.size() == in.offset(), "a record writes back at its size");
  fuzzCheck(std::memcmp(written.data() + orbel::kScenarioRecordHead, data + orbel::kScenarioRecordHead,
                        static_cast<std::size_t>((*command)->dataLength)) == 0,
            "the data writes back unchanged");
  return 0;
}
