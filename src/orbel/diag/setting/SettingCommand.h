// The timer and counter setting message: the fields the dialogs keep and
// the 32-byte message (entry identifier, instance and new value, all
// big-endian).
#pragma once

#include <cstdint>
#include <string>

#include "orbel/catalogue/ModuleCatalogue.h"
#include "orbel/diag/enquiry/EnquiryCommand.h"
#include "orbel/wire/CommandBuffer.h"
#include "orbel/wire/DiagMessage.h"

namespace orbel {

struct SettingFields : EnquiryFields {
  std::string valueText;
};

// How much of each number text a builder reads: `keep` characters are
// copied, of which the parser reads `limit`.
struct NumberTextBounds {
  std::size_t keep;
  int limit;
};

// The setting message; empty when the row or entry does not exist.
CommandBuffer buildSettingMessage(ModuleCatalogue catalogue, PrimitiveId primitive, int moduleIndex, int entryIndex,
                                  std::uint32_t instance, std::uint32_t value);

// The setting message for the fields a dialog kept after OK, stored through
// `len`: the instance and new-value texts are parsed within `bounds`; a text
// that is not a number gives null with *len untouched.
unsigned char* buildFieldsSetting(unsigned int* len, ModuleCatalogue catalogue, PrimitiveId primitive,
                                  const SettingFields& fields, NumberTextBounds bounds);

}  // namespace orbel
