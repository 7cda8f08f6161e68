// The table of the library's exports as a host program sees them: name,
// group, signature, the arguments a caller can set, and how to call the
// export and collect what it hands back. The CLI and the Qt host run exports
// through it; the toolkit they installed decides how dialogs are shown.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace orbel::runner {

// What an export returned: nothing (null), a buffer the host took over, a number or a flag.
using Returned = std::variant<std::monostate, std::vector<std::uint8_t>, std::int64_t, bool>;

struct ExportCall {
  std::map<std::string, std::int64_t> args;  // by parameter name; booleans as 0 and 1
  std::uint32_t initialLength = 0;           // *len on entry
  bool nullLength = false;                   // pass a null length pointer
};

struct ExportOutcome {
  Returned returned;
  std::optional<std::uint32_t> length;  // *len after the call, for exports that take one
  std::vector<std::pair<std::string, std::string>> out;
};

struct ExportInfo {
  std::string_view name;
  std::string_view group;  // commands, filters, scenarios, configuration, trace tools
  std::string_view signature;
  std::string_view summary;
  bool takesLength = false;
  std::vector<std::string_view> parameters;  // names --arg may set
  ExportOutcome (*run)(const ExportCall& call) = nullptr;
};

std::span<const ExportInfo> exportTable();
const ExportInfo* findExport(std::string_view name);

// "12", "0x1F", "-3", "true", "false"; nothing for anything else.
std::optional<std::int64_t> parseArgValue(std::string_view text);

}  // namespace orbel::runner
