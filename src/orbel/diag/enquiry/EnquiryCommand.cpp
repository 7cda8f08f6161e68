#include "orbel/diag/enquiry/EnquiryCommand.h"

#include <array>

#include "orbel/wire/ByteOrder.h"

namespace orbel {

EnquiryChoice decodePresetValue(std::uint32_t preset) {
  const std::uint32_t entryByte = (preset >> 16) & 0xFF;
  return {static_cast<std::int64_t>(preset >> 24), entryByte == 0xFF ? 0 : static_cast<std::int64_t>(entryByte & 0x0F),
          preset & 0xFFFF};
}

std::optional<std::uint32_t> parseInstanceText(const std::string& text) { return parseNumberText(text, 7, 6); }

CommandBuffer buildEnquiryMessage(ModuleCatalogue catalogue, PrimitiveId primitive, const EnquiryChoice& choice) {
  std::optional<CatalogueLookup> entry = lookupEntry(catalogue, choice.moduleIndex, choice.entryIndex);
  if (!entry) return {};
  std::array<std::uint8_t, 4> payload{};
  writeU16BE(payload, 0, entry->identifier);
  writeU16BE(payload, 2, static_cast<std::uint16_t>(choice.instance));
  return frameMessage(entry->moduleId, MessageGroup::ProtocolStack, primitive, payload);
}

unsigned char* buildFieldsEnquiry(unsigned int* len, ModuleCatalogue catalogue, PrimitiveId primitive,
                                  const EnquiryFields& fields) {
  std::optional<std::uint32_t> instance = parseInstanceText(fields.instanceText);
  if (!instance) return nullptr;
  return buildEnquiryMessage(catalogue, primitive, {fields.moduleIndex, fields.entryIndex, *instance}).handOver(len);
}

unsigned char* buildPresetEnquiry(unsigned int* len, ModuleCatalogue catalogue, PrimitiveId primitive) {
  return buildEnquiryMessage(catalogue, primitive, decodePresetValue(*len)).handOver(len);
}

void fillEntryList(tk::ComboBox& list, const ModuleCatalogueRow& row) {
  for (int i = list.count() - 1; i >= 0; --i) list.deleteString(i);
  for (std::int32_t i = 0; i < row.count; ++i) {
    int index = list.addString(std::string(entryName(row.entries[i])));
    list.setItemData(index, row.entries[i].identifier);
  }
}

void showModuleEntries(tk::ComboBox& list, ModuleCatalogue catalogue, EnquiryFields& fields) {
  fillEntryList(list, catalogue[static_cast<std::size_t>(fields.moduleIndex)]);
  list.setCurSel(0);
  fields.entryIndex = 0;
}

}  // namespace orbel
