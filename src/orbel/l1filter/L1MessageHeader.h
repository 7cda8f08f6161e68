// The 24-byte header in front of every layer-1 command body: a sync word, the
// body length in 16-bit units and a code word that holds the command code
// and a flag byte. All fields are little-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "orbel/wire/ByteReader.h"

namespace orbel {

inline constexpr std::size_t kL1MessageHeaderSize = 24;
inline constexpr std::uint32_t kL1Sync = 0x64F364F4;

// Flag byte (bits 24 to 31 of the code word).
inline constexpr std::uint8_t kL1FlagCommand = 0x80;  // set in every command built here
inline constexpr std::uint8_t kL1FlagNoBody = 0x40;   // a reader takes the body length as 0

// Command codes (bits 0 to 23 of the code word).
enum class L1CommandCode : std::uint32_t {
  FilterConfig = 0x820001,
  LoopTestChecked = 0x820003,    // loop test sent with the dialog's tick box ticked
  LoopTestUnchecked = 0x820004,  // ... and unticked
  PortSetting = 0x820005,
};

inline constexpr std::uint32_t kL1CommandCodeMask = 0x00FFFFFF;

struct L1MessageHeader {
  std::uint32_t sync = kL1Sync;
  std::uint16_t bodyWords = 0;
  std::uint16_t reserved6 = 0;
  std::uint32_t reserved8 = 0;
  std::uint32_t reserved12 = 0;
  std::uint32_t codeWord = 0;
  std::uint32_t reserved20 = 0;

  std::uint32_t commandCode() const { return codeWord & kL1CommandCodeMask; }
  std::uint8_t flags() const { return static_cast<std::uint8_t>(codeWord >> 24); }
  // What a reader takes as the body length in bytes.
  std::size_t bodyLength() const { return (flags() & kL1FlagNoBody) != 0 ? 0 : std::size_t{bodyWords} * 2; }

  friend bool operator==(const L1MessageHeader&, const L1MessageHeader&) = default;
};

// The header of a command built here: flag 0x80, `bodyLength` bytes of body
// (an even number that fits the 16-bit word count).
L1MessageHeader l1CommandHeader(L1CommandCode code, std::size_t bodyLength);

void writeL1MessageHeader(std::span<std::uint8_t> out, const L1MessageHeader& header);
// Nothing when fewer than 24 bytes are present. The reader form moves past
// the header only when it is read.
std::optional<L1MessageHeader> readL1MessageHeader(ByteReader& in);
std::optional<L1MessageHeader> readL1MessageHeader(std::span<const std::uint8_t> in);

}  // namespace orbel
