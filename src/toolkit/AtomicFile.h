// Writes a whole file so that a failure never leaves a half-written file in
// place of the old one: temporary file in the same folder, flush, rename.
#pragma once

#include <string>
#include <string_view>

namespace tk {

// Returns an error text, empty on success.
std::string writeFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace tk
