// The scenario file reader (LoadFile's parse) under arbitrary bytes: a
// refusal keeps only whole commands, and what it accepts saves to a file that
// loads back to the same commands.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "FuzzCheck.h"
#include "orbel/primitive/KovaScenario.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CKovaScenario scenario;
  scenario.appendFrom(std::span<const std::uint8_t>(data, size));
  for (std::size_t i = 0; i < scenario.size(); ++i) {
    const auto& command = scenario.at(i);
    fuzzCheck(command.kind == 0 || command.kind == 1, "only simulate and wait commands load");
    fuzzCheck(command.dataLength >= 1 && command.dataLength <= 0xFFFF, "data lengths stay within a message");
  }
  if (scenario.empty()) return 0;
  const std::string saved = scenario.serialize();
  CKovaScenario again;
  fuzzCheck(!again.appendFrom({reinterpret_cast<const std::uint8_t*>(saved.data()), saved.size()}),
            "a saved list loads");
  fuzzCheck(again.serialize() == saved, "a saved list loads back to the same commands");
  return 0;
}
