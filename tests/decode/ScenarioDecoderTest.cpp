// The decoder on scenario files and single-command files: each record's
// head, and the command's message decoded like any diagnostic message.
#include <gtest/gtest.h>

#include "decode/FormatDecoder.h"
#include "orbel/primitive/KovaScenario.h"
#include "orbel/wire/HexText.h"

namespace {

// CC_DISCONNECT with transaction 2 and cause 17 (the primitive decoder's own case).
const std::vector<std::uint8_t> kDisconnect =
    *orbel::parseHex("1A 00 FF 00 06 00 CA 32 00 00 82 3E 00 00 00 00 00 00 02 00 48 44 00 00 00 00");

std::string decodedText(const std::string& bytes, std::string_view format = {}) {
  const std::span<const std::uint8_t> view(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  return orbel::formatDecoded(*orbel::decodeAny(view, format), view);
}

bool shows(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(ScenarioDecoder, DecodesEveryCommandOfAListAndASingleCommand) {
  CKovaScenario scenario;
  scenario.append(orbel::CreateScenarioCommand(1, "CC_DISCONNECT", orbel::kScenarioSimulate, 26, kDisconnect));
  scenario.append(orbel::CreateScenarioCommand(2, "junk", orbel::kScenarioWait, 3));
  const std::string list = decodedText(scenario.serialize());
  for (const char* part : {"scenario file of 2 commands", "[1] name", "CC_DISCONNECT", "[1] parameter: P_CC_DISCONNECT_PARAM",
                           "transactionIdentifier: 2", "[1] peer-data length: 0",
                           "[2] kind", "1 (等待)", "[2] message: "})
    EXPECT_TRUE(shows(list, part)) << part << "\n" << list;

  std::string record;
  orbel::WriteScenarioCommand(record, scenario.at(0));
  const std::string single = decodedText(record);
  EXPECT_TRUE(shows(single, "scenario command file")) << single;
  EXPECT_TRUE(shows(single, "transactionIdentifier: 2")) << single;
}

TEST(ScenarioDecoder, ReportsWhyAFileIsRefused) {
  std::string list = CKovaScenario().serialize();
  list[16] = 1;  // one record announced, none there
  EXPECT_TRUE(shows(decodedText(list), "not a scenario file: record 1")) << decodedText(list);
  EXPECT_TRUE(shows(decodedText("short", "ksc"), "not a scenario command file")) << decodedText("short", "ksc");
}

}  // namespace
