// What differs between two layer-1 filter files, by name: what is ticked in
// one and not the other, and the state, option, switch and header values.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace orbel {

// One line per difference: "- " for what only the first file has, "+ " for
// what only the second has. Empty when both files hold the same bytes.
// Throws L1FilterTextError for a file that is not a layer-1 filter file.
std::vector<std::string> diffL1FilterFiles(std::span<const std::uint8_t> first, std::span<const std::uint8_t> second);

}  // namespace orbel
