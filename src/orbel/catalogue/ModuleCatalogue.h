// The constant module catalogues: for timers, counters, constants and
// variables, one row per stack module (its routing bytes and its entries).
// Row and entry indices are part of the interface: dialogs and pre-set values
// select by index, and the combo-box item index equals the entry index.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "orbel/wire/DiagMessage.h"

namespace orbel {

inline constexpr std::size_t kEntryNameField = 30;
inline constexpr std::uint16_t kAllEntriesId = 0xFFFF;

// A name of at most 29 characters, zero-padded; trailing blanks are part of it.
struct CatalogueEntry {
  char name[kEntryNameField];
  std::uint16_t identifier;
};

struct ModuleCatalogueRow {
  std::int32_t count;
  ModuleId moduleId;
  const CatalogueEntry* entries;
};

using ModuleCatalogue = std::span<const ModuleCatalogueRow>;

ModuleCatalogue timerEnquiryCatalogue();
ModuleCatalogue timerSettingCatalogue();
ModuleCatalogue counterEnquiryCatalogue();
ModuleCatalogue counterSettingCatalogue();
ModuleCatalogue constantEnquiryCatalogue();
ModuleCatalogue variableEnquiryCatalogue();

std::string_view entryName(const CatalogueEntry& entry);

struct CatalogueLookup {
  ModuleId moduleId;
  const CatalogueEntry* entry;
  std::uint16_t identifier;

  // Measured only when asked for: message builders need the identifier alone.
  std::string_view name() const;
};

// The row's routing bytes and the entry's name and identifier; nothing when
// the row or entry index names no existing row or entry.
std::optional<CatalogueLookup> lookupEntry(ModuleCatalogue catalogue, std::int64_t row, std::int64_t entry);

// The name of the entry with `identifier` in the row routed to `module`.
std::optional<std::string_view> findEntryName(ModuleCatalogue catalogue, ModuleId module, std::uint16_t identifier);

}  // namespace orbel
