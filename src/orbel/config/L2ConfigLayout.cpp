#include "orbel/config/L2ConfigLayout.h"

#include <string>

#include "orbel/wire/ByteOrder.h"

namespace orbel {
namespace {

// Offsets of the state block and the record.
constexpr std::size_t kStateMacSap = 20;
constexpr std::size_t kStateRlcSap = 288;
constexpr std::size_t kStatePdcpSap = 556;
constexpr std::size_t kStateBmcSap = 788;
constexpr std::size_t kRecordMacSap = 4;
constexpr std::size_t kRecordRlcSap = 272;
constexpr std::size_t kRecordPdcpSap = 540;
constexpr std::size_t kRecordBmcSap = 772;
static_assert(kStateRlcSap == kStateMacSap + 4 * l2::kMacItems && kStatePdcpSap == kStateRlcSap + 4 * l2::kRlcItems);
static_assert(kStateBmcSap == kStatePdcpSap + 4 * l2::kPdcpItems && kStateBmcSap + 4 == kL2ConfigStateSize);
static_assert(kRecordRlcSap == kRecordMacSap + 4 * l2::kMacItems && kRecordBmcSap + 4 == kL2SapRecordSize);

template <std::size_t N>
void readTicks(std::span<const std::uint8_t> bytes, std::size_t at, std::array<std::uint32_t, N>& ticks) {
  for (std::size_t i = 0; i < N; ++i) ticks[i] = readU32LE(bytes, at + 4 * i);
}

template <std::size_t N>
void writeTicks(std::span<std::uint8_t> bytes, std::size_t at, const std::array<std::uint32_t, N>& ticks) {
  for (std::size_t i = 0; i < N; ++i) writeU32LE(bytes, at + 4 * i, ticks[i]);
}

// The select-all states in file order.
constexpr std::uint32_t L2SelectAllStates::*kFileOrder[] = {
    &L2SelectAllStates::macAllB,    &L2SelectAllStates::macAllA, &L2SelectAllStates::rlcSubAllB,
    &L2SelectAllStates::rlcSubAllA, &L2SelectAllStates::rlcAllA, &L2SelectAllStates::rlcAllB,
    &L2SelectAllStates::pdcpAllB,   &L2SelectAllStates::pdcpAllA,
};
static_assert(std::size(kFileOrder) * 4 == kL2SelectAllSize);

}  // namespace

L2ConfigState readL2ConfigState(std::span<const std::uint8_t, kL2ConfigStateSize> bytes) {
  L2ConfigState state;
  state.macOn = readU32LE(bytes, 0);
  state.rlcOn = readU32LE(bytes, 4);
  state.pdcpOn = readU32LE(bytes, 8);
  state.bmcOn = readU32LE(bytes, 12);
  state.saveAsDefault = readU32LE(bytes, 16);
  readTicks(bytes, kStateMacSap, state.macSap);
  readTicks(bytes, kStateRlcSap, state.rlcSap);
  readTicks(bytes, kStatePdcpSap, state.pdcpSap);
  state.bmcSap = readU32LE(bytes, kStateBmcSap);
  return state;
}

void writeL2ConfigState(const L2ConfigState& state, std::span<std::uint8_t, kL2ConfigStateSize> bytes) {
  writeU32LE(bytes, 0, state.macOn);
  writeU32LE(bytes, 4, state.rlcOn);
  writeU32LE(bytes, 8, state.pdcpOn);
  writeU32LE(bytes, 12, state.bmcOn);
  writeU32LE(bytes, 16, state.saveAsDefault);
  writeTicks(bytes, kStateMacSap, state.macSap);
  writeTicks(bytes, kStateRlcSap, state.rlcSap);
  writeTicks(bytes, kStatePdcpSap, state.pdcpSap);
  writeU32LE(bytes, kStateBmcSap, state.bmcSap);
}

L2ConfigSummary readL2ConfigSummary(std::span<const std::uint8_t, kL2ConfigSummarySize> bytes) {
  return {bytes[0], bytes[1], bytes[2], bytes[3], bytes[4],  bytes[5],
          bytes[6], bytes[7], bytes[8], bytes[9], bytes[10], bytes[11]};
}

void writeL2ConfigSummary(const L2ConfigSummary& summary, std::span<std::uint8_t, kL2ConfigSummarySize> bytes) {
  const std::uint8_t fields[] = {summary.macOn,      summary.rlcOn,      summary.pdcpOn,  summary.bmcOn,
                                 summary.macAllB,    summary.macAllA,    summary.rlcSubAllB, summary.rlcSubAllA,
                                 summary.rlcAllB,    summary.rlcAllA,    summary.pdcpAllB, summary.pdcpAllA};
  for (std::size_t i = 0; i < kL2ConfigSummarySize; ++i) writeU8(bytes, i, fields[i]);
}

L2SelectAllStates selectAllOf(const L2ConfigSummary& summary) {
  return {summary.macAllA,    summary.macAllB,    summary.rlcAllA,  summary.rlcAllB,
          summary.rlcSubAllA, summary.rlcSubAllB, summary.pdcpAllA, summary.pdcpAllB};
}

L2ConfigSummary summaryOf(const L2ConfigState& state, const L2SelectAllStates& selectAll) {
  const auto low = [](std::uint32_t value) { return static_cast<std::uint8_t>(value); };
  return {low(state.macOn),         low(state.rlcOn),         low(state.pdcpOn),     low(state.bmcOn),
          low(selectAll.macAllB),    low(selectAll.macAllA),    low(selectAll.rlcSubAllB), low(selectAll.rlcSubAllA),
          low(selectAll.rlcAllB),    low(selectAll.rlcAllA),    low(selectAll.pdcpAllB),   low(selectAll.pdcpAllA)};
}

L2SapRecord readL2SapRecord(std::span<const std::uint8_t, kL2SapRecordSize> bytes) {
  L2SapRecord record;
  record.macOn = bytes[0];
  record.rlcOn = bytes[1];
  record.pdcpOn = bytes[2];
  record.bmcOn = bytes[3];
  readTicks(bytes, kRecordMacSap, record.macSap);
  readTicks(bytes, kRecordRlcSap, record.rlcSap);
  readTicks(bytes, kRecordPdcpSap, record.pdcpSap);
  record.bmcSap = readU32LE(bytes, kRecordBmcSap);
  return record;
}

void writeL2SapRecord(const L2SapRecord& record, std::span<std::uint8_t, kL2SapRecordSize> bytes) {
  writeU8(bytes, 0, record.macOn);
  writeU8(bytes, 1, record.rlcOn);
  writeU8(bytes, 2, record.pdcpOn);
  writeU8(bytes, 3, record.bmcOn);
  writeTicks(bytes, kRecordMacSap, record.macSap);
  writeTicks(bytes, kRecordRlcSap, record.rlcSap);
  writeTicks(bytes, kRecordPdcpSap, record.pdcpSap);
  writeU32LE(bytes, kRecordBmcSap, record.bmcSap);
}

std::array<std::uint8_t, kL2ConfigFileSize> encodeL2ConfigFile(const L2ConfigFile& file) {
  std::array<std::uint8_t, kL2ConfigFileSize> bytes{};
  writeL2ConfigState(file.state, std::span(bytes).first<kL2ConfigStateSize>());
  for (std::size_t i = 0; i < std::size(kFileOrder); ++i)
    writeU32LE(bytes, kL2ConfigStateSize + 4 * i, file.selectAll.*kFileOrder[i]);
  return bytes;
}

std::variant<L2ConfigFile, ReadRefusal> decodeL2ConfigFile(std::span<const std::uint8_t> bytes) {
  ByteReader reader(bytes);
  const std::optional<std::span<const std::uint8_t>> state = reader.bytes(kL2ConfigStateSize);
  const std::optional<std::span<const std::uint8_t>> selectAll = reader.items(std::size(kFileOrder), 4);
  if (!state || !selectAll || !reader.atEnd())
    return ReadRefusal{sizeFault(kL2ConfigFileSize, bytes.size()),
                       "a layer-2 configuration file holds " + std::to_string(kL2ConfigFileSize) + " bytes, not " +
                           std::to_string(bytes.size())};
  L2ConfigFile file;
  file.state = readL2ConfigState(state->first<kL2ConfigStateSize>());
  for (std::size_t i = 0; i < std::size(kFileOrder); ++i) file.selectAll.*kFileOrder[i] = readU32LE(*selectAll, 4 * i);
  return file;
}

}  // namespace orbel
