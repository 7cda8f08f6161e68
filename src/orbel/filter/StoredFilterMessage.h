// The filter message last loaded from an HLS filter file, kept as a binary
// value of the host profile so the compact filter can send it again later.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace orbel {

inline constexpr char kSettingsSection[] = "Settings";
inline constexpr char kStoredFilterMessageKey[] = "{6468F89A-A3CF-444b-9B04-C664113BDA30}";

// At least 24 bytes, and the first 16-bit word (little-endian) is the size.
bool isValidStoredFilterMessage(std::span<const std::uint8_t> message);

// The stored message when the profile holds a valid one.
std::optional<std::vector<std::uint8_t>> readStoredFilterMessage();
void writeStoredFilterMessage(std::span<const std::uint8_t> message);

}  // namespace orbel
