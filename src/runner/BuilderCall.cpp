#include "runner/BuilderCall.h"

#include <cstdlib>
#include <string>

namespace orbel::runner {

ExportOutcome callBuilder(const ExportCall& call, const std::function<unsigned char*(unsigned int*)>& builder) {
  unsigned int length = call.initialLength;
  unsigned char* buffer = builder(call.nullLength ? nullptr : &length);
  ExportOutcome outcome;
  if (!call.nullLength) outcome.length = length;
  outcome.returned = takeOverBuffer(buffer, length);
  return outcome;
}

Returned takeOverBuffer(unsigned char* buffer, std::size_t length) {
  if (buffer == nullptr) return {};
  std::vector<std::uint8_t> bytes(buffer, buffer + length);
  std::free(buffer);
  return bytes;
}

ArgValue arg(const ExportCall& call, const Parameter& parameter) {
  auto found = call.args.find(std::string(parameter.name));
  return found == call.args.end() ? parameter.fallback : found->second;
}

}  // namespace orbel::runner
