// The layer-1 filter file: "TPCF", the length of the rest, then the layer-1
// filter command (header and configuration). Readers also take the bare
// command without the 8-byte prefix.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <variant>

#include "orbel/l1filter/L1MessageHeader.h"
#include "orbel/l1filter/PhyFaFilterConfig.h"

namespace orbel {

inline constexpr std::size_t kL1FilterPrefixSize = 8;
inline constexpr std::size_t kL1FilterMessageSize = kL1MessageHeaderSize + kPhyFaFilterConfigSize;  // 1152
inline constexpr std::size_t kL1FilterFileSize = kL1FilterPrefixSize + kL1FilterMessageSize;        // 1160
inline constexpr char kL1FilterExtension[] = "flt_L1";
inline constexpr char kL1FilterFileFilter[] = "L1 filter file(*.flt_L1)|*.flt_L1||";

using L1FilterFileBytes = std::array<std::uint8_t, kL1FilterFileSize>;

L1FilterFileBytes encodeL1FilterFile(const PhyFaFilterConfig& config);

// Why a file was refused, in the words shown to the user.
enum class L1FilterFileFault {
  Format,  // "file format error": the prefix announces another length, or a header check fails
  Length,  // "file length error": without the prefix it is not 1152 bytes long
};
const char* faultText(L1FilterFileFault fault);

struct L1FilterFileContents {
  bool prefixed = false;  // the file began with the 8-byte prefix
  L1MessageHeader header;
  PhyFaFilterConfig config;
};

std::variant<L1FilterFileContents, L1FilterFileFault> parseL1FilterFile(std::span<const std::uint8_t> file);

}  // namespace orbel
