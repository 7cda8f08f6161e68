// Texts of the host's string table as the dialogs show them, including the
// format texts that take one string argument.
#pragma once

#include <string>
#include <string_view>

namespace orbel {

// String `id` of the host's table with its first "%s" replaced by
// `argument`. The table's text is never used as a printf format, so a stray
// conversion in it is shown as it stands.
std::string formatResourceString(unsigned id, std::string_view argument);

}  // namespace orbel
