// What the catalogue enquiry builders (timer, counter, constant, variable)
// share: the pre-set value that skips the dialog, the parsing of number
// texts, and the 28-byte message (entry identifier and instance, both
// big-endian).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "orbel/catalogue/ModuleCatalogue.h"
#include "orbel/diag/NumberText.h"
#include "orbel/wire/CommandBuffer.h"
#include "orbel/wire/DiagMessage.h"
#include "toolkit/ComboBox.h"

namespace orbel {

struct EnquiryChoice {
  std::int64_t moduleIndex = 0;
  std::int64_t entryIndex = 0;
  std::uint32_t instance = 0;
};

// Bits 0-15 instance; bits 16-23 entry (0xFF: entry 0, else only bits 16-19
// count); bits 24-31 module row.
EnquiryChoice decodePresetValue(std::uint32_t preset);

// The instance text of an enquiry: 7 characters kept, 6 read.
std::optional<std::uint32_t> parseInstanceText(const std::string& text);

// The enquiry message for `choice`; empty when its row or entry does not exist.
CommandBuffer buildEnquiryMessage(ModuleCatalogue catalogue, PrimitiveId primitive, const EnquiryChoice& choice);

// The message for the pre-set value in *len (non-zero), stored through `len`;
// null with *len untouched when the value names no row or entry.
unsigned char* buildPresetEnquiry(unsigned int* len, ModuleCatalogue catalogue, PrimitiveId primitive);

// The fields an enquiry dialog's handlers keep and its message is built from.
struct EnquiryFields {
  int moduleIndex = 0;  // catalogue row
  int entryIndex = 0;   // entry within the row
  std::string instanceText = "0xffff";
};

// The enquiry message for the fields a dialog kept after OK, stored through
// `len`; null with *len untouched when the instance text is not a number.
unsigned char* buildFieldsEnquiry(unsigned int* len, ModuleCatalogue catalogue, PrimitiveId primitive,
                                  const EnquiryFields& fields);

// Refills `list` with the entries of `row` in catalogue order, each with its
// identifier as item data, deleting the old items from the last to the first.
void fillEntryList(tk::ComboBox& list, const ModuleCatalogueRow& row);
// Fills `list` for the row `fields.moduleIndex` of `catalogue`, selects its
// first item and makes entry 0 the chosen entry.
void showModuleEntries(tk::ComboBox& list, ModuleCatalogue catalogue, EnquiryFields& fields);

}  // namespace orbel
