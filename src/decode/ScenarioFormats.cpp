#include "decode/ScenarioFormats.h"

#include <algorithm>
#include <cstring>

#include "orbel/primitive/KovaScenario.h"

namespace orbel {
namespace {

// The record's head and its message's fields, shifted to where they lie in the file.
void addRecord(DecodedMessage& out, const TAG_KOVA_SCENARIO_COMMAND_ITEM& command, std::size_t offset,
               const std::string& label) {
  out.fields.push_back({offset, 4, label + "sequence", std::to_string(command.sequence)});
  out.fields.push_back({offset + 4, kScenarioNameField, label + "name", std::string(scenarioName(command))});
  out.fields.push_back({offset + 260, 4, label + "kind",
                        std::to_string(command.kind) + " (" + std::string(scenarioKindText(command.kind)) + ")"});
  out.fields.push_back({offset + 264, 4, label + "data length", std::to_string(command.dataLength)});
  const auto data = scenarioData(command);
  const DecodedMessage message = decodeDiagMessage(data);
  if (!message.error.empty()) {
    out.notes.push_back(label + "message: " + message.error);
    return;
  }
  const std::size_t start = offset + kScenarioRecordHead;
  out.fields.push_back({start, 0, label + "message", message.title});
  for (const DecodedField& field : message.fields)
    out.fields.push_back({start + field.offset, field.width, label + field.name, field.value});
  for (const std::string& note : message.notes) out.notes.push_back(label + note);
}

DecodedMessage refused(const ReadRefusal& refusal, const std::string& what) {
  DecodedMessage message;
  message.fault = refusal.fault;
  message.error = "not a " + what + ": " + refusal.reason;
  return message;
}

}  // namespace

bool looksLikeScenarioFile(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= sizeof kScenarioHeaderText &&
         std::memcmp(bytes.data(), kScenarioHeaderText, sizeof kScenarioHeaderText) == 0;
}

DecodedMessage decodeScenarioFile(std::span<const std::uint8_t> bytes) {
  CKovaScenario scenario;
  if (auto refusal = scenario.appendFrom(bytes)) return refused(*refusal, "scenario file");
  DecodedMessage out;
  out.title = "scenario file of " + std::to_string(scenario.size()) + " commands";
  out.fields.push_back({0, 16, "header", kScenarioHeaderText});
  out.fields.push_back({16, 4, "count", std::to_string(scenario.size())});
  out.fields.push_back({20, 4, "reserved", ""});
  std::size_t offset = kScenarioHeaderSize;
  for (std::size_t i = 0; i < scenario.size(); ++i) {
    addRecord(out, scenario.at(i), offset, "[" + std::to_string(i + 1) + "] ");
    offset += scenarioRecordSize(scenario.at(i).dataLength);
  }
  return out;
}

bool looksLikeScenarioCommandFile(std::span<const std::uint8_t> bytes) {
  ByteReader in(bytes);
  auto read = ReadScenarioCommand(in);
  return std::holds_alternative<ScenarioCommandPtr>(read) && in.atEnd();
}

DecodedMessage decodeScenarioCommandFile(std::span<const std::uint8_t> bytes) {
  ByteReader in(bytes);
  auto read = ReadScenarioCommand(in);
  if (const auto* refusal = std::get_if<ReadRefusal>(&read)) return refused(*refusal, "scenario command file");
  DecodedMessage out;
  out.title = "scenario command file";
  addRecord(out, *std::get<ScenarioCommandPtr>(read), 0, "");
  if (!in.atEnd()) out.notes.push_back(std::to_string(in.remaining()) + " bytes follow the record");
  return out;
}

}  // namespace orbel
