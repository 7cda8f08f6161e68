// The decoder on primitive commands and ".pcf" files: the primitive named
// from the host's descriptions and its parameter shown field by field
// (bytes written out by hand from the bit layout), or why it does not decode.
#include <gtest/gtest.h>

#include "decode/FormatDecoder.h"
#include "orbel/wire/HexText.h"

namespace {

std::string decoded(const std::string& hex) {
  const std::vector<std::uint8_t> bytes = *orbel::parseHex(hex);
  return orbel::formatDecoded(*orbel::decodeAny(bytes), bytes);
}

bool shows(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(PrimitiveDecoder, NamesThePrimitiveAndEveryFieldOfItsParameter) {
  struct Case {
    std::string hex;
    std::vector<std::string> expected;
  };
  // CC_DISCONNECT: transaction 2 (010), cause location 4 (0100), value 17
  // (0010001), two zero bits: 48 44.
  const std::string disconnect = "FF 00 06 00 CA 32 00 00 82 3E 00 00 00 00 00 00 02 00";
  const std::string magic = "D4 AD D3 EF D7 D6 BD DA C1 F7 BC C7 C2 BC";
  const Case cases[] = {
      {"1A 00 " + disconnect + " 48 44 00 00 00 00",
       {"CC CC_DISCONNECT\n", "primitive: 16002 CC_DISCONNECT", "parameter: P_CC_DISCONNECT_PARAM",
        "transactionIdentifier: 2", "    location: publicNetworkRemoteUser",
        "causeValue: 17  (16 normal call clearing)"}},
      // Peer data behind the parameter.
      {"1C 00 " + disconnect + " 48 44 02 00 00 00 0A 0B",
       {"location: publicNetworkRemoteUser", "peer-data length: 2"}},
      // Location 6 names no value: the parameter is shown raw with the reason.
      {"1A 00 " + disconnect + " 4C 44 00 00 00 00",
       {"payload: raw", "P_CC_DISCONNECT_PARAM does not decode: cause.location: 6 is not a named value"}},
      // A .pcf of the same parameter: magic, N = 22, the name, L = 2.
      {magic + " 16 00 00 00 50 5F 43 43 5F 44 49 53 43 4F 4E 4E 45 43 54 5F 50 41 52 41 4D 00 02 00 00 00 48 44",
       {"primitive content file of P_CC_DISCONNECT_PARAM", "name length: 22", "parameter length: 2", "causeValue: 17"}},
      {magic + " 16 00 00 00 50", {"error: not a primitive content file: the type name is cut off"}},
  };
  for (const Case& c : cases) {
    const std::string text = decoded(c.hex);
    for (const std::string& part : c.expected) EXPECT_TRUE(shows(text, part)) << part << "\n" << text;
  }
}

}  // namespace
