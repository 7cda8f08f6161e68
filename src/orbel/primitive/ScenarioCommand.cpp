#include "orbel/primitive/ScenarioCommand.h"

#include <algorithm>
#include <cstring>

namespace orbel {
namespace {

void appendI32LE(std::string& out, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) out += static_cast<char>(bits >> (8 * i) & 0xFF);
}

std::uint8_t* dataStart(TAG_KOVA_SCENARIO_COMMAND_ITEM& command) {
  return reinterpret_cast<std::uint8_t*>(&command) + offsetof(TAG_KOVA_SCENARIO_COMMAND_ITEM, data);
}

}  // namespace

std::span<std::uint8_t> scenarioData(TAG_KOVA_SCENARIO_COMMAND_ITEM& command) {
  return {dataStart(command), static_cast<std::size_t>(command.dataLength)};
}

std::span<const std::uint8_t> scenarioData(const TAG_KOVA_SCENARIO_COMMAND_ITEM& command) {
  return scenarioData(const_cast<TAG_KOVA_SCENARIO_COMMAND_ITEM&>(command));
}

std::string_view scenarioName(const TAG_KOVA_SCENARIO_COMMAND_ITEM& command) {
  return {command.name, strnlen(command.name, kScenarioNameField)};
}

std::size_t scenarioRecordSize(std::int32_t dataLength) {
  return kScenarioRecordHead + std::max<std::size_t>(static_cast<std::size_t>(dataLength), kScenarioShortestData);
}

ScenarioCommandPtr CreateScenarioCommand(std::int32_t sequence, std::string_view name, std::int32_t kind,
                                         std::int32_t dataLength,
                                         std::optional<std::span<const std::uint8_t>> data) {
  if (name.size() >= kScenarioNameField) return nullptr;
  if (kind != kScenarioSimulate && kind != kScenarioWait) return nullptr;
  if (dataLength < 1 || dataLength > kScenarioLargestData) return nullptr;
  const std::size_t size = scenarioRecordSize(dataLength);
  ScenarioCommandPtr command(static_cast<TAG_KOVA_SCENARIO_COMMAND_ITEM*>(std::calloc(1, size)));
  if (!command) return nullptr;
  command->sequence = sequence;
  std::copy(name.begin(), name.end(), command->name);
  command->kind = kind;
  command->dataLength = dataLength;
  if (data) std::copy_n(data->begin(), std::min(data->size(), std::size_t(dataLength)), dataStart(*command));
  return command;
}

void WriteScenarioCommand(std::string& out, const TAG_KOVA_SCENARIO_COMMAND_ITEM& command) {
  appendI32LE(out, command.sequence);
  const std::string_view name = scenarioName(command);
  out += name;
  out.append(kScenarioNameField - name.size(), '\0');
  appendI32LE(out, command.kind);
  appendI32LE(out, command.dataLength);
  const auto data = scenarioData(command);
  out.append(data.begin(), data.end());
  if (data.size() < kScenarioShortestData) out.append(kScenarioShortestData - data.size(), '\0');
}

std::variant<ScenarioCommandPtr, ReadRefusal> ReadScenarioCommand(ByteReader& in) {
  const auto sequence = in.u32LE();
  const auto name = in.bytes(kScenarioNameField);
  const auto kind = in.u32LE();
  const auto dataLength = in.u32LE();
  if (!sequence || !name || !kind || !dataLength) return ReadRefusal{ReadFault::Truncated, "the record's head is cut off"};
  const auto nameEnd = std::find(name->begin(), name->end(), 0);
  if (nameEnd == name->end()) return ReadRefusal{ReadFault::Malformed, "the command name has no terminator"};
  const auto signedKind = static_cast<std::int32_t>(*kind);
  if (signedKind != kScenarioSimulate && signedKind != kScenarioWait)
    return ReadRefusal{ReadFault::Malformed, "command kind " + std::to_string(signedKind) + " is neither 0 nor 1"};
  const auto length = static_cast<std::int32_t>(*dataLength);
  if (length < 1 || length > kScenarioLargestData)
    return ReadRefusal{ReadFault::Malformed, "a data length of " + std::to_string(length) + " is outside 1 to " +
                                                 std::to_string(kScenarioLargestData)};
  const auto data = in.bytes(static_cast<std::size_t>(length));
  if (!data) return ReadRefusal{ReadFault::Truncated, "the command's data is cut off"};
  if (length < static_cast<std::int32_t>(kScenarioShortestData) && !in.skip(kScenarioShortestData - length))
    return ReadRefusal{ReadFault::Truncated, "the command's padding is cut off"};
  auto command = CreateScenarioCommand(static_cast<std::int32_t>(*sequence),
                                       std::string_view(reinterpret_cast<const char*>(name->data()),
                                                        static_cast<std::size_t>(nameEnd - name->begin())),
                                       signedKind, length, *data);
  if (!command) return ReadRefusal{ReadFault::Malformed, "the command cannot be allocated"};
  return command;
}

std::string_view scenarioKindText(std::int32_t kind) { return kind == kScenarioWait ? "等待" : "模拟"; }

}  // namespace orbel
