// One command of a scenario: a primitive to simulate or to wait for, with its
// complete diagnostic message, held in one malloc block whose image is also
// its record in ".ksc" and ".kscl" files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "orbel/wire/ByteReader.h"

namespace orbel {

inline constexpr std::size_t kScenarioNameField = 256;
inline constexpr std::size_t kScenarioRecordHead = 268;  // sequence, name, kind, data length
inline constexpr std::size_t kScenarioShortestData = 256;
// A command's data is one diagnostic message, whose 16-bit total length bounds it.
inline constexpr std::int32_t kScenarioLargestData = 0xFFFF;

enum ScenarioCommandKind : std::int32_t { kScenarioSimulate = 0, kScenarioWait = 1 };

}  // namespace orbel

// The head of the block; `data` runs on past its declared 256 bytes when the
// data length exceeds 256 (reach it through scenarioData).
struct TAG_KOVA_SCENARIO_COMMAND_ITEM {
  std::int32_t sequence;
  char name[orbel::kScenarioNameField];
  std::int32_t kind;
  std::int32_t dataLength;
  std::uint8_t data[orbel::kScenarioShortestData];
};
static_assert(sizeof(TAG_KOVA_SCENARIO_COMMAND_ITEM) == orbel::kScenarioRecordHead + orbel::kScenarioShortestData);

namespace orbel {

struct FreeScenarioCommand {
  void operator()(TAG_KOVA_SCENARIO_COMMAND_ITEM* command) const { std::free(command); }
};
using ScenarioCommandPtr = std::unique_ptr<TAG_KOVA_SCENARIO_COMMAND_ITEM, FreeScenarioCommand>;

// The D significant bytes of the command's data.
std::span<std::uint8_t> scenarioData(TAG_KOVA_SCENARIO_COMMAND_ITEM& command);
std::span<const std::uint8_t> scenarioData(const TAG_KOVA_SCENARIO_COMMAND_ITEM& command);

// The name up to its terminator.
std::string_view scenarioName(const TAG_KOVA_SCENARIO_COMMAND_ITEM& command);

// 524 bytes when D is at most 256, otherwise 268 + D.
std::size_t scenarioRecordSize(std::int32_t dataLength);

// A new command, or none when the name is longer than 255 characters, the
// kind is neither simulate nor wait, or D is below 1 or above the largest
// message. The data is copied from `data` when given (which must hold D
// bytes) and zeroed otherwise; every insignificant byte is zero.
ScenarioCommandPtr CreateScenarioCommand(std::int32_t sequence, std::string_view name, std::int32_t kind,
                                         std::int32_t dataLength,
                                         std::optional<std::span<const std::uint8_t>> data = std::nullopt);

// Appends the command's record to `out`.
void WriteScenarioCommand(std::string& out, const TAG_KOVA_SCENARIO_COMMAND_ITEM& command);

// Reads one record: its head, the D data bytes and the padding up to 256.
// Refused: a record cut off anywhere, a name without a terminator in its 256
// bytes, another kind, a D below 1 or above the largest message (checked
// before anything is allocated).
std::variant<ScenarioCommandPtr, ReadRefusal> ReadScenarioCommand(ByteReader& in);

// The text shown for a kind: "模拟" or "等待".
std::string_view scenarioKindText(std::int32_t kind);

}  // namespace orbel
