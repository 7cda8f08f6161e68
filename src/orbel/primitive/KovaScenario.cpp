#include "orbel/primitive/KovaScenario.h"

#include <algorithm>
#include <cstring>

#include "toolkit/AtomicFile.h"
#include "toolkit/FileRead.h"

void CKovaScenario::insert(std::size_t index, orbel::ScenarioCommandPtr command) {
  commands_.insert(commands_.begin() + static_cast<std::ptrdiff_t>(std::min(index, commands_.size())),
                   std::move(command));
}

void CKovaScenario::remove(std::size_t index) {
  if (index < commands_.size()) commands_.erase(commands_.begin() + static_cast<std::ptrdiff_t>(index));
}

std::optional<orbel::ReadRefusal> CKovaScenario::appendFrom(std::span<const std::uint8_t> bytes) {
  using orbel::ReadFault;
  using orbel::ReadRefusal;
  orbel::ByteReader in(bytes);
  const auto text = in.bytes(16);
  const auto count = in.u32LE();
  if (!count || !in.skip(4)) return ReadRefusal{ReadFault::Truncated, "the file is shorter than its header"};
  if (std::memcmp(text->data(), orbel::kScenarioHeaderText, sizeof orbel::kScenarioHeaderText) != 0)
    return ReadRefusal{ReadFault::Malformed, "the header text is not \"KSCO file 0.75\""};
  const auto records = static_cast<std::int32_t>(*count);
  if (records < 1) return std::nullopt;
  // Never reserve more than the bytes present can hold.
  commands_.reserve(commands_.size() +
                    std::min<std::size_t>(std::size_t(records), in.remaining() / orbel::scenarioRecordSize(1)));
  for (std::int32_t i = 0; i < records; ++i) {
    auto command = orbel::ReadScenarioCommand(in);
    if (auto* refusal = std::get_if<ReadRefusal>(&command)) {
      refusal->reason = "record " + std::to_string(i + 1) + ": " + refusal->reason;
      return std::move(*refusal);
    }
    commands_.push_back(std::move(std::get<orbel::ScenarioCommandPtr>(command)));
  }
  return std::nullopt;
}

std::string CKovaScenario::serialize() const {
  std::size_t size = orbel::kScenarioHeaderSize;
  for (const auto& command : commands_) size += orbel::scenarioRecordSize(command->dataLength);
  std::string out;
  out.reserve(size);
  out.append(orbel::kScenarioHeaderText, sizeof orbel::kScenarioHeaderText);
  out += '\0';
  const auto count = static_cast<std::uint32_t>(commands_.size());
  for (int i = 0; i < 4; ++i) out += static_cast<char>(count >> (8 * i) & 0xFF);
  out.append(4, '\0');
  for (const auto& command : commands_) orbel::WriteScenarioCommand(out, *command);
  return out;
}

int CKovaScenario::LoadFile(const std::string& path) {
  if (path.empty()) return -1;
  const tk::FileRead file = tk::readRegularFile(path, orbel::kScenarioFileLimit);
  if (!file.ok()) return -1;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(file.bytes.data());
  return appendFrom({bytes, file.bytes.size()}) ? -1 : 0;
}

int CKovaScenario::SaveFile(const std::string& path) const {
  if (path.empty() || commands_.empty()) return -1;
  return tk::writeFileAtomically(path, serialize()).empty() ? 0 : -1;
}
