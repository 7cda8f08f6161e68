// The script file format of the CLI and of session recordings: one JSON
// object with "host" (the state the run saw: {"features": [124], "modules":
// [25], "profile": [{"section", "key", "value"}]}), "dialogs" (per modal dialog, in the order they open:
// {"expect": class, "do": [actions]}), "files" (answers to file dialogs,
// null for cancel) and "answers" (to question boxes: "yes", "no", "ok",
// "cancel" or the numeric code).
#pragma once

#include <cstddef>
#include <string>
#include <variant>

#include "toolkit/Script.h"

namespace orbel::script {

// The largest script a host reads, from a file or from standard input.
inline constexpr std::size_t kScriptSizeLimit = 16 << 20;

// The script, or an error text that names what is wrong and where.
std::variant<tk::Script, std::string> parseScript(const std::string& json);
std::string writeScript(const tk::Script& script);

}  // namespace orbel::script
