#include "orbel/filter/StoredFilterMessage.h"

#include "orbel/wire/ByteReader.h"
#include "orbel/wire/DiagMessage.h"
#include "toolkit/Toolkit.h"

namespace orbel {

bool isValidStoredFilterMessage(std::span<const std::uint8_t> message) {
  return message.size() >= kFrameOverhead && ByteReader(message).u16LE() == message.size();
}

std::optional<std::vector<std::uint8_t>> readStoredFilterMessage() {
  tk::Toolkit* toolkit = tk::installedToolkit();
  if (toolkit == nullptr) return std::nullopt;
  std::optional<std::vector<std::uint8_t>> stored =
      toolkit->profile().getBinary(kSettingsSection, kStoredFilterMessageKey);
  if (!stored || !isValidStoredFilterMessage(*stored)) return std::nullopt;
  return stored;
}

void writeStoredFilterMessage(std::span<const std::uint8_t> message) {
  if (tk::Toolkit* toolkit = tk::installedToolkit())
    toolkit->profile().writeBinary(kSettingsSection, kStoredFilterMessageKey, {message.begin(), message.end()});
}

}  // namespace orbel
