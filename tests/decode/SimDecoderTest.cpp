// The decoder on SIM commands: header, module and command named from the
// host's definitions, and the payload laid out over the command's fields.
#include <gtest/gtest.h>

#include "decode/MessageDecoder.h"
#include "orbel/wire/HexText.h"

namespace {

std::string decoded(const std::string& hex) {
  const std::vector<std::uint8_t> bytes = *orbel::parseHex(hex);
  return orbel::formatDecoded(orbel::decodeDiagMessage(bytes), bytes);
}

bool shows(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(SimDecoder, LaysThePayloadOverTheCommandsFields) {
  struct Case {
    std::string hex;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"20 00 FF 00 07 00 CA 32 00 00 73 30 00 00 00 00 00 00 08 00 6F 07 00 10 03 01 10 03 00 00 00 00",
       {"SIM UPDATE BINARY\n", "module: SIM (7, 0)", "primitive: 12403 UPDATE BINARY",
        "File ID: 28423 (0x6F07) \"EF IMSI (6F07)\"", "Offset: 16 (0x0010)", "Length: 3 (0x03)",
        "  25  01 10 03                    Data: 3 values: 0x01, 0x10, 0x03\n"}},
      // UPDATE BINARY with three bytes: read as Offset and Length (Offset
      // and one data byte would fit as well).
      {"1B 00 FF 00 07 00 CA 32 00 00 73 30 00 00 00 00 00 00 03 00 01 00 07 00 00 00 00",
       {"Offset: 256 (0x0100)", "Length: 7 (0x07)",
        "note: SIM command UPDATE BINARY: left empty: \"File ID\", \"Data\" (other layouts fit this payload too)"}},
      // VERIFY PIN: the count of the characters comes from the PIN length.
      {"1E 00 FF 00 07 00 CA 32 00 00 76 30 00 00 00 00 00 00 06 00 01 04 31 32 20 20 00 00 00 00",
       {"PIN: 1 (0x01) \"PIN1 / CHV1\"", "PIN length: 4 (0x04)", "PIN digits: \"12  \" (4 characters)"}},
      // SEND APDU to the toolkit task.
      {"1E 00 FF 00 07 01 CA 32 00 00 7E 30 00 00 00 00 00 00 06 00 05 A0 F2 00 00 16 00 00 00 00",
       {"SIM toolkit SEND APDU", "APDU length: 5 (0x05)", "APDU: 5 values: 0xA0, 0xF2, 0x00, 0x00, 0x16",
        "module was chosen in \"Target\": SIM toolkit (7, 1)"}},
      // A text from a list.
      {"1B 00 FF 00 07 01 CA 32 00 00 7D 30 00 00 00 00 00 00 03 00 07 64 65 00 00 00 00",
       {"Event: 7 (0x07)", "Language: \"de\""}},
      // A header-only READ BINARY.
      {"18 00 FF 00 07 00 CA 32 00 00 72 30 00 00 00 00 00 00 00 00 00 00 00 00",
       {"SIM READ BINARY", "left empty: \"File ID\", \"Offset\", \"Length\""}},
      // No layout fits (a PIN length out of its range): the payload is shown raw.
      {"1B 00 FF 00 07 00 CA 32 00 00 76 30 00 00 00 00 00 00 03 00 01 09 00 00 00 00 00",
       {"payload: raw", "the payload does not match the fields of SIM command VERIFY PIN"}},
  };
  for (const Case& c : cases) {
    const std::string text = decoded(c.hex);
    for (const std::string& part : c.expected) EXPECT_TRUE(shows(text, part)) << part << "\n" << text;
  }
}

}  // namespace
