// What the primitive control dialog reads from a scenario command's message:
// the primitive it names, its parameter and its peer data, and the codec
// variable name derived from the parameter's type name.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orbel {

struct ScenarioMessage {
  std::array<std::uint8_t, 4> frame{};  // bytes 2 to 5
  std::uint32_t primitive = 0;          // PrimitiveId at offset 10
  std::span<const std::uint8_t> parameter;  // L bytes at offset 20
  std::uint16_t spareBits = 0;
  std::span<const std::uint8_t> peer;  // P bytes at 24 + L
};

// The message's parts; nothing when its frame, parameter, trailer or peer
// data lie beyond the command's data.
std::optional<ScenarioMessage> readScenarioMessage(std::span<const std::uint8_t> data);

// The type name in upper case without "P_", then without "_PARAM", "GCFE",
// "MCFE" and "DCFE" and "BCFE", with every "__" made "_". Other tools read the
// names it gives from scenario files, so "P_" goes inside words too.
std::string scenarioVariableName(std::string_view typeName);

// Each byte as "0x%x", joined by "," without spaces.
std::string peerBytesText(std::span<const std::uint8_t> peer);

}  // namespace orbel
