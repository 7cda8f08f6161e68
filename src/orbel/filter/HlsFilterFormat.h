// The bytes of an HLS filter file (".flt_HLS"): an 8-byte header ("HLSF" and
// the little-endian length of the rest), then frames of at most 2048 bytes
// of one embedded filter message (primitive 12031, every multi-byte field
// big-endian). Encoding and checking only; HlsFilterFile.h reads and writes
// files and tells the user.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "orbel/wire/ByteReader.h"
#include "orbel/wire/DiagMessage.h"
#include "orbel/wire/StackModules.h"

namespace orbel {

inline constexpr std::uint8_t kHlsFileMagic[4] = {'H', 'L', 'S', 'F'};
inline constexpr std::size_t kHlsFileHeaderSize = 8;
inline constexpr std::size_t kHlsFrameHeaderSize = 7;
inline constexpr std::size_t kHlsChunkSize = 2048;
inline constexpr std::uint8_t kHlsFrameMark[2] = {0xF3, 0x64};
inline constexpr std::uint8_t kHlsFrameKind = 2;
// The message length and the framed buffer (payload + 31 bytes) are 16-bit
// quantities; a reader takes at most a 16-bit file length.
inline constexpr std::size_t kMaxHlsPayload = 0xFFFF - 31;
inline constexpr std::size_t kMaxHlsFileSize = 0xFFFF;
inline constexpr ModuleId kHlsFilterModule = modules::kTask9;

// The file that carries `payload` in its filter message; nothing when the
// payload is empty or longer than kMaxHlsPayload.
std::optional<std::vector<std::uint8_t>> encodeHlsFilterFile(std::span<const std::uint8_t> payload);

struct HlsFrame {
  std::size_t offset = 0;  // of the frame's first byte, from the start of the file
  std::uint8_t count = 0;
  std::uint8_t number = 0;
  std::uint8_t kind = 0;
  std::size_t chunkLength = 0;
};

struct HlsFileContents {
  std::optional<ReadFault> fault;  // set when the file was refused
  std::string reason;              // why the file was refused
  bool fileHeader = false;  // frames may come without the "HLSF" header
  std::vector<HlsFrame> frames;
  std::vector<std::uint8_t> message;  // the embedded message, header words little-endian
};

// Checks every frame and the embedded message as LoadHlsFilterFile does and
// returns the message with its header words (lengths, group, primitive,
// reserved word, trailer words) turned little-endian; the payload stays as
// stored. On failure only `fault` and `reason` are set.
HlsFileContents parseHlsFilterFile(std::span<const std::uint8_t> file);

}  // namespace orbel
