#include "orbel/diag/setting/SettingCommand.h"

#include <array>
#include <optional>

#include "orbel/wire/ByteOrder.h"

namespace orbel {

CommandBuffer buildSettingMessage(ModuleCatalogue catalogue, PrimitiveId primitive, int moduleIndex, int entryIndex,
                                  std::uint32_t instance, std::uint32_t value) {
  std::optional<CatalogueLookup> entry = lookupEntry(catalogue, moduleIndex, entryIndex);
  if (!entry) return {};
  std::array<std::uint8_t, 8> payload{};
  writeU16BE(payload, 0, entry->identifier);
  writeU16BE(payload, 2, static_cast<std::uint16_t>(instance));
  writeUBE(payload, 4, value, 4);
  return frameMessage(entry->moduleId, MessageGroup::ProtocolStack, primitive, payload);
}

unsigned char* buildFieldsSetting(unsigned int* len, ModuleCatalogue catalogue, PrimitiveId primitive,
                                  const SettingFields& fields, NumberTextBounds bounds) {
  std::optional<std::uint32_t> instance = parseNumberText(fields.instanceText, bounds.keep, bounds.limit);
  if (!instance) return nullptr;
  std::optional<std::uint32_t> value = parseNumberText(fields.valueText, bounds.keep, bounds.limit);
  if (!value) return nullptr;
  return buildSettingMessage(catalogue, primitive, fields.moduleIndex, fields.entryIndex, *instance, *value)
      .handOver(len);
}

}  // namespace orbel
