#include "orbel/l1filter/L1FilterFile.h"

#include <algorithm>
#include <string_view>

#include "orbel/wire/ByteOrder.h"
#include "orbel/wire/ByteReader.h"

namespace orbel {
namespace {

constexpr std::string_view kMagic = "TPCF";

// Only the no-body flag is checked among the flag bits: files written with
// the command flag clear load as well.
bool headerAccepted(const L1MessageHeader& header) {
  const std::size_t bodyBytes = std::size_t{header.bodyWords} * 2;
  return (header.flags() & kL1FlagNoBody) == 0 && bodyBytes >= kPhyFaFilterConfigSize &&
         bodyBytes + kL1MessageHeaderSize == kL1FilterMessageSize &&
         header.commandCode() == static_cast<std::uint32_t>(L1CommandCode::FilterConfig) && header.sync == kL1Sync &&
         header.reserved6 == 0 && header.reserved8 == 0 && header.reserved12 == 0 && header.reserved20 == 0;
}

}  // namespace

L1FilterFileBytes encodeL1FilterFile(const PhyFaFilterConfig& config) {
  L1FilterFileBytes file{};
  std::copy(kMagic.begin(), kMagic.end(), file.begin());
  writeU32LE(file, 4, static_cast<std::uint32_t>(kL1FilterMessageSize));
  const std::span<std::uint8_t> message = std::span(file).subspan(kL1FilterPrefixSize);
  writeL1MessageHeader(message, l1CommandHeader(L1CommandCode::FilterConfig, kPhyFaFilterConfigSize));
  writePhyFaFilterConfig(message.subspan<kL1MessageHeaderSize, kPhyFaFilterConfigSize>(), config);
  return file;
}

const char* faultText(L1FilterFileFault fault) {
  return fault == L1FilterFileFault::Format ? "file format error" : "file length error";
}

std::variant<L1FilterFileContents, L1FilterFileFault> parseL1FilterFile(std::span<const std::uint8_t> file) {
  L1FilterFileContents contents;
  if (file.size() >= kL1FilterPrefixSize && std::equal(kMagic.begin(), kMagic.end(), file.begin())) {
    if (std::uint64_t{readU32LE(file, 4)} + kL1FilterPrefixSize != file.size()) return L1FilterFileFault::Format;
    file = file.subspan(kL1FilterPrefixSize);
    contents.prefixed = true;
  }
  if (file.size() != kL1FilterMessageSize) return L1FilterFileFault::Length;
  ByteReader reader(file);
  const std::optional<L1MessageHeader> header = readL1MessageHeader(reader);
  if (!header || !headerAccepted(*header)) return L1FilterFileFault::Format;
  contents.header = *header;
  contents.config = *readPhyFaFilterConfig(file.subspan(kL1MessageHeaderSize));
  return contents;
}

}  // namespace orbel
