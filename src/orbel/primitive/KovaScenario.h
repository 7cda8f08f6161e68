// A scenario: the ordered list of commands the host plays against the
// terminal, which owns its commands, and the ".kscl" file that stores it.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "orbel/primitive/ScenarioCommand.h"

namespace orbel {

// "KSCO file 0.75" with its terminator; the 16th header byte is written zero.
inline constexpr char kScenarioHeaderText[] = "KSCO file 0.75";
inline constexpr std::size_t kScenarioHeaderSize = 24;
inline constexpr char kScenarioListExtension[] = "kscl";
inline constexpr char kScenarioCommandExtension[] = "ksc";
// Room for 100 000 commands of the largest ordinary size and more.
inline constexpr std::size_t kScenarioFileLimit = std::size_t(256) << 20;

}  // namespace orbel

class CKovaScenario {
 public:
  std::size_t size() const { return commands_.size(); }
  bool empty() const { return commands_.empty(); }
  TAG_KOVA_SCENARIO_COMMAND_ITEM& at(std::size_t index) { return *commands_.at(index); }
  const TAG_KOVA_SCENARIO_COMMAND_ITEM& at(std::size_t index) const { return *commands_.at(index); }

  void append(orbel::ScenarioCommandPtr command) { commands_.push_back(std::move(command)); }
  void insert(std::size_t index, orbel::ScenarioCommandPtr command);
  // Puts `command` in place of the one at `index`, which is released.
  void replace(std::size_t index, orbel::ScenarioCommandPtr command) { commands_.at(index) = std::move(command); }
  void remove(std::size_t index);
  void swap(std::size_t a, std::size_t b) { std::swap(commands_.at(a), commands_.at(b)); }
  void clear() { commands_.clear(); }

  // Appends the commands of the scenario file at `path`: 0, or -1 when the
  // path is empty, the file cannot be read or its header is not this
  // version's; a record that is refused ends the load with -1, keeping the
  // commands read before it. A count below 1 adds nothing and succeeds.
  int LoadFile(const std::string& path);
  // Writes the list as a scenario file, atomically: 0, or -1 (and no file)
  // for an empty path or list, or when the file cannot be written.
  int SaveFile(const std::string& path) const;

  // LoadFile on bytes already read; the refusal says why a load failed.
  std::optional<orbel::ReadRefusal> appendFrom(std::span<const std::uint8_t> bytes);
  // The whole scenario file.
  std::string serialize() const;

 private:
  std::vector<orbel::ScenarioCommandPtr> commands_;
};
