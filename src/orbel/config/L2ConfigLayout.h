// The fixed little-endian layouts of the layer-2 configuration: the state
// block exchanged with the caller of GetL2Config, its 12-byte summary, the
// "L2Config.dat" file and the record of the save-configuration dialog. Each
// is read and written field by field with its byte order named; the structs
// mirror the layouts and the static_asserts tie the two together.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <variant>

#include "orbel/config/L2SapTables.h"
#include "orbel/wire/ByteReader.h"

namespace orbel {

inline constexpr std::size_t kL2ConfigStateSize = 792;
inline constexpr std::size_t kL2ConfigSummarySize = 12;
inline constexpr std::size_t kL2SelectAllSize = 32;
inline constexpr std::size_t kL2ConfigFileSize = kL2ConfigStateSize + kL2SelectAllSize;
inline constexpr std::size_t kL2SapRecordSize = 776;

// Every value is 0 or 1 as written by the dialog; callers may hand in others.
struct L2ConfigState {
  std::uint32_t macOn = 0;
  std::uint32_t rlcOn = 0;
  std::uint32_t pdcpOn = 0;
  std::uint32_t bmcOn = 0;
  std::uint32_t saveAsDefault = 0;
  std::array<std::uint32_t, l2::kMacItems> macSap{};
  std::array<std::uint32_t, l2::kRlcItems> rlcSap{};
  std::array<std::uint32_t, l2::kPdcpItems> pdcpSap{};
  std::uint32_t bmcSap = 0;
  friend bool operator==(const L2ConfigState&, const L2ConfigState&) = default;
};
static_assert(sizeof(L2ConfigState) == kL2ConfigStateSize);
static_assert(offsetof(L2ConfigState, saveAsDefault) == 16);
static_assert(offsetof(L2ConfigState, macSap) == 20);
static_assert(offsetof(L2ConfigState, rlcSap) == 288);
static_assert(offsetof(L2ConfigState, pdcpSap) == 556);
static_assert(offsetof(L2ConfigState, bmcSap) == 788);

// The states of the eight select-all boxes: 0 unticked, 1 ticked, 2 the third state.
struct L2SelectAllStates {
  std::uint32_t macAllA = 0;
  std::uint32_t macAllB = 0;
  std::uint32_t rlcAllA = 0;
  std::uint32_t rlcAllB = 0;
  std::uint32_t rlcSubAllA = 0;
  std::uint32_t rlcSubAllB = 0;
  std::uint32_t pdcpAllA = 0;
  std::uint32_t pdcpAllB = 0;
  friend bool operator==(const L2SelectAllStates&, const L2SelectAllStates&) = default;
};
static_assert(sizeof(L2SelectAllStates) == kL2SelectAllSize);

// Low bytes of the layer flags (written only) and of the select-all states
// (read and written), in the summary's own order.
struct L2ConfigSummary {
  std::uint8_t macOn = 0;
  std::uint8_t rlcOn = 0;
  std::uint8_t pdcpOn = 0;
  std::uint8_t bmcOn = 0;
  std::uint8_t macAllB = 0;
  std::uint8_t macAllA = 0;
  std::uint8_t rlcSubAllB = 0;
  std::uint8_t rlcSubAllA = 0;
  std::uint8_t rlcAllB = 0;
  std::uint8_t rlcAllA = 0;
  std::uint8_t pdcpAllB = 0;
  std::uint8_t pdcpAllA = 0;
  friend bool operator==(const L2ConfigSummary&, const L2ConfigSummary&) = default;
};
static_assert(sizeof(L2ConfigSummary) == kL2ConfigSummarySize);
static_assert(offsetof(L2ConfigSummary, macAllB) == 4 && offsetof(L2ConfigSummary, pdcpAllA) == 11);

// "L2Config.dat": the state block, then the select-all states in the order
// macAllB, macAllA, rlcSubAllB, rlcSubAllA, rlcAllA, rlcAllB, pdcpAllB,
// pdcpAllA (RLC's group states in the other order than the summary's).
struct L2ConfigFile {
  L2ConfigState state;
  L2SelectAllStates selectAll;
  friend bool operator==(const L2ConfigFile&, const L2ConfigFile&) = default;
};

struct L2SapRecord {
  std::uint8_t macOn = 0;
  std::uint8_t rlcOn = 0;
  std::uint8_t pdcpOn = 0;
  std::uint8_t bmcOn = 0;
  std::array<std::uint32_t, l2::kMacItems> macSap{};
  std::array<std::uint32_t, l2::kRlcItems> rlcSap{};
  std::array<std::uint32_t, l2::kPdcpItems> pdcpSap{};
  std::uint32_t bmcSap = 0;
  friend bool operator==(const L2SapRecord&, const L2SapRecord&) = default;
};
static_assert(sizeof(L2SapRecord) == kL2SapRecordSize);
static_assert(offsetof(L2SapRecord, macSap) == 4);
static_assert(offsetof(L2SapRecord, rlcSap) == 272);
static_assert(offsetof(L2SapRecord, pdcpSap) == 540);
static_assert(offsetof(L2SapRecord, bmcSap) == 772);

L2ConfigState readL2ConfigState(std::span<const std::uint8_t, kL2ConfigStateSize> bytes);
void writeL2ConfigState(const L2ConfigState& state, std::span<std::uint8_t, kL2ConfigStateSize> bytes);

L2ConfigSummary readL2ConfigSummary(std::span<const std::uint8_t, kL2ConfigSummarySize> bytes);
void writeL2ConfigSummary(const L2ConfigSummary& summary, std::span<std::uint8_t, kL2ConfigSummarySize> bytes);
// The select-all states a summary carries, and the summary of a result.
L2SelectAllStates selectAllOf(const L2ConfigSummary& summary);
L2ConfigSummary summaryOf(const L2ConfigState& state, const L2SelectAllStates& selectAll);

L2SapRecord readL2SapRecord(std::span<const std::uint8_t, kL2SapRecordSize> bytes);
void writeL2SapRecord(const L2SapRecord& record, std::span<std::uint8_t, kL2SapRecordSize> bytes);

std::array<std::uint8_t, kL2ConfigFileSize> encodeL2ConfigFile(const L2ConfigFile& file);
// Only a file of exactly 824 bytes is a layer-2 configuration: fewer bytes
// are a truncation, more a malformed file.
std::variant<L2ConfigFile, ReadRefusal> decodeL2ConfigFile(std::span<const std::uint8_t> bytes);

}  // namespace orbel
