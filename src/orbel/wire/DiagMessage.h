// The frame of every diagnostic message: an 18-byte header (total length,
// start mark, routing bytes, group, primitive), the payload length, the
// payload and two trailer words. Header words are little-endian; fields
// inside the payload are big-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "orbel/wire/ByteReader.h"
#include "orbel/wire/CommandBuffer.h"

namespace orbel {

// Routing bytes of the receiving stack module.
struct ModuleId {
  std::uint8_t task = 0;
  std::uint8_t subModule = 0;
  friend bool operator==(ModuleId, ModuleId) = default;
};

enum class MessageGroup : std::uint32_t {
  ProtocolStack = 13002,
  PhysicalLayer = 13003,
  Layer1Report = 13004,
  Layer1Command = 29003,
};

enum class PrimitiveId : std::uint32_t {
  HlsFilter = 12031,
  TimerEnquiry = 12046,
  TimerSet = 12048,
  CounterEnquiry = 12050,
  CounterSet = 12052,
  ConstantEnquiry = 12054,
  VariableEnquiry = 12056,
  StaticEnquiry = 12058,
  StateMachineEnquiry = 12060,
  DisableRequest = 12066,
  LockCell = 12070,
  PhysicalParameterRequest = 12133,
  Layer1ReportConfig = 12136,
  Layer1ReportParameter = 12138,
  Layer1ReportBytes = 12147,
  MeasurementInterval = 12190,
  OtherParamConfig = 12200,
};

struct DiagMessageHeader {
  std::uint16_t totalLength = 0;
  std::uint8_t startMark = 0xFF;
  std::uint8_t reserved = 0;
  ModuleId moduleId;
  std::uint32_t messageGroup = 0;
  std::uint32_t primitiveId = 0;
  std::uint32_t reservedWord = 0;
};

inline constexpr std::size_t kHeaderSize = 18;
inline constexpr std::size_t kPayloadOffset = 20;  // after the payload-length word
inline constexpr std::size_t kFrameOverhead = 24;  // header, length word, two trailer words
inline constexpr std::uint8_t kStartMark = 0xFF;

void writeHeader(std::span<std::uint8_t> out, const DiagMessageHeader& header);
// The header of `in`; nothing when fewer than 18 bytes are present. The
// reader form moves past the header only when it is read.
std::optional<DiagMessageHeader> readHeader(ByteReader& in);
std::optional<DiagMessageHeader> readHeader(std::span<const std::uint8_t> in);

// Allocates exactly 24 + payload bytes with malloc (calloc when `zeroed`)
// and fills the frame of a direct builder (start mark 0xFF, zero trailer
// words). Empty when the allocation fails.
CommandBuffer frameMessage(ModuleId module, MessageGroup group, PrimitiveId primitive,
                           std::span<const std::uint8_t> payload, bool zeroed = false);

}  // namespace orbel
