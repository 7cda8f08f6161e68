// The frame that carries a layer-1 message to the terminal: the first 18
// bytes of the diagnostic message header (routing 0xBB 0x00, group 29003,
// primitive 0xBB000000 plus the command code), an offset word, the length of
// the embedded message and a zero word, then the message itself
// (L1MessageHeader and body). There is no trailer. Little-endian throughout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "orbel/l1filter/L1MessageHeader.h"
#include "orbel/wire/ByteReader.h"
#include "orbel/wire/CommandBuffer.h"
#include "orbel/wire/DiagMessage.h"
#include "orbel/wire/StackModules.h"

namespace orbel {

inline constexpr std::size_t kL1FrameHeaderSize = 24;
inline constexpr ModuleId kL1FrameModule = modules::kLayer1;
inline constexpr std::uint32_t kL1FramePrimitiveBase = 0xBB000000;
// Offsets after the 18 header bytes.
inline constexpr std::size_t kL1FrameMessageOffset = 18;  // of the message after byte 24: always 0
inline constexpr std::size_t kL1FrameMessageLength = 20;
inline constexpr std::size_t kL1FrameSpare = 22;

// Port-setting and loop-test commands.
inline constexpr std::size_t kPortSettingBodySize = 1128;
inline constexpr std::size_t kLoopTestMaxFileSize = 10240;
inline constexpr std::size_t kLoopTestBlock = 1152;

// The 24 bytes in front of the embedded message.
struct L1CommandFrame {
  DiagMessageHeader header;  // routing 0xBB 0x00, group 29003, primitive 0xBB000000 + command code
  std::uint16_t messageOffset = 0;
  std::uint16_t messageLength = 0;  // the embedded message, its header included
  std::uint16_t spare = 0;
};

void writeL1CommandFrame(std::span<std::uint8_t> out, const L1CommandFrame& frame);
// Nothing when fewer than 24 bytes are present. The reader form moves past
// the 24 bytes only when they are read.
std::optional<L1CommandFrame> readL1CommandFrame(ByteReader& in);
std::optional<L1CommandFrame> readL1CommandFrame(std::span<const std::uint8_t> in);

enum class L1FrameError {
  None,
  Truncated,          // shorter than its 24-byte frame header, or than the message it announces
  NotLayer1,          // the primitive's top byte is not 0xBB
  MessageOffset,      // the offset word is not 0
  MessageTooShort,    // the message length is below the 24 bytes of its header
  SpareNotZero,       // the word at offset 22 is not 0
  BodyLengthMismatch, // the message length is not its header plus its body
  CodeMismatch,       // the primitive is not 0xBB000000 plus the message's command code
};

const char* describeL1FrameError(L1FrameError error);
// Truncated for a frame that ran out of bytes, Malformed for every other error.
ReadFault faultOf(L1FrameError error);

struct L1FrameCheck {
  L1FrameError error = L1FrameError::None;
  std::span<const std::uint8_t> message;  // the embedded message, when well formed

  explicit operator bool() const { return error == L1FrameError::None; }
};

// Checks a frame and locates its embedded message. The total-length word is
// not checked; the message must lie within the bytes given.
L1FrameCheck ValidateL1CommandFrame(std::span<const std::uint8_t> frame);

// The embedded message length for a loop-test file of `fileSize` bytes: the
// smallest multiple of 1152 that holds the header, the size word and the file.
constexpr std::size_t loopTestMessageLength(std::size_t fileSize) {
  return kLoopTestBlock * ((fileSize + kL1MessageHeaderSize + 4 + kLoopTestBlock - 1) / kLoopTestBlock);
}

// The port-setting command (1176 bytes): its body's first word is 0 when the
// dialog's box is ticked, 1 when it is not. Empty when allocation fails.
CommandBuffer buildPortSettingFrame(bool ticked);
// The loop-test command for `file` (1 to 10240 bytes): code 0x820003 when
// ticked, 0x820004 when not; the body holds the file size, the file and
// zeros. Empty when allocation fails.
CommandBuffer buildLoopTestFrame(bool ticked, std::span<const std::uint8_t> file);

// Gives `frame` to a dialog's frame pointer, releasing the frame it held.
void keepFrame(unsigned char*& holder, CommandBuffer frame);

}  // namespace orbel
