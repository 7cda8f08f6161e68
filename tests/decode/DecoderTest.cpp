// The decoder names every field of what the library builds and refuses short
// or inconsistent input without reading past it.
#include <gtest/gtest.h>

#include "decode/MessageDecoder.h"
#include "orbel/wire/HexText.h"

namespace {

const char* kTimerPoll = "1C 00 FF 00 01 01 CA 32 00 00 0E 2F 00 00 00 00 00 00 04 00 00 21 00 05 00 00 00 00";

std::vector<std::uint8_t> bytesOf(const char* hex) { return *orbel::parseHex(hex); }

std::string valueOf(const orbel::DecodedMessage& message, const std::string& name) {
  for (const auto& field : message.fields)
    if (field.name == name) return field.value;
  return "(missing)";
}

TEST(MessageDecoder, NamesModuleCommandAndCatalogueEntry) {
  const auto bytes = bytesOf(kTimerPoll);
  const orbel::DecodedMessage message = orbel::decodeDiagMessage(bytes);
  ASSERT_EQ(message.error, "");
  EXPECT_EQ(message.title, "RLC timer enquiry");
  EXPECT_EQ(valueOf(message, "entry"), "0x0021 \"Timer Poll\"");
  EXPECT_EQ(valueOf(message, "instance"), "5 (0x0005)");
  EXPECT_EQ(valueOf(message, "message group"), "13002 protocol stack");
  const std::string text = orbel::formatDecoded(message, bytes);
  EXPECT_NE(text.find("  20  00 21"), std::string::npos) << text;
}

// One field of each command the library builds, named as an engineer reads it.
TEST(MessageDecoder, NamesThePayloadOfEverySettingEnquiryAndCellCommand) {
  struct Case {
    const char* hex;
    const char* title;
    const char* field;
    const char* value;
  };
  const Case cases[] = {
      {"20 00 FF 00 02 00 CA 32 00 00 10 2F 00 00 00 00 00 00 08 00 00 31 FF FF 00 00 03 E8 00 00 00 00",
       "RRC timer set", "new value", "1000 (0x000003E8)"},
      {"20 00 FF 00 04 00 CA 32 00 00 14 2F 00 00 00 00 00 00 08 00 00 62 00 02 00 00 00 10 00 00 00 00",
       "PDH counter set", "entry", "0x0062 \"Counter DATA EST\""},
      {"1C 00 FF 00 04 00 CA 32 00 00 12 2F 00 00 00 00 00 00 04 00 FF FF FF FF 00 00 00 00", "PDH counter enquiry",
       "entry", "0xFFFF \"All PDH Counter\""},
      {"1C 00 FF 00 04 00 CA 32 00 00 12 2F 00 00 00 00 00 00 04 00 FF FF FF FF 00 00 00 00", "PDH counter enquiry",
       "instance", "0xFFFF (all instances)"},
      {"1C 00 FF 00 01 00 CA 32 00 00 16 2F 00 00 00 00 00 00 04 00 00 11 FF FF 00 00 00 00", "MAC constant enquiry",
       "entry", "0x0011 \"MAC constant\""},
      {"1C 00 FF 00 02 00 CA 32 00 00 18 2F 00 00 00 00 00 00 04 00 00 41 00 00 00 00 00 00", "RRC variable enquiry",
       "entry", "0x0041 \"START information\""},
      {"1C 00 FF 00 04 01 CA 32 00 00 1A 2F 00 00 00 00 00 00 04 00 01 21 00 00 00 00 00 00",
       "task 4, sub-module 1 static information enquiry", "target", "0x21 (task 4, sub-module 1)"},
      {"19 00 FF 00 06 04 CA 32 00 00 1C 2F 00 00 00 00 00 00 01 00 FF 00 00 00 00", "GSMS state-machine enquiry",
       "action", "0xFF"},
      {"19 00 FF 00 0A 00 CA 32 00 00 22 2F 00 00 00 00 00 00 01 00 02 00 00 00 00", "task 10 disable request",
       "disable kind", "2"},
      {"1C 00 FF 00 09 00 CA 32 00 00 26 2F 00 00 00 00 00 00 04 00 01 FF 27 47 00 00 00 00", "task 9 lock cell",
       "frequency", "10055 (2011.0 MHz, in a TD-SCDMA band)"},
      {"1C 00 FF 00 09 00 CA 32 00 00 26 2F 00 00 00 00 00 00 04 00 05 3F 00 46 00 00 00 00", "task 9 lock cell",
       "BSIC", "63"},
      {"19 00 FF 00 09 00 CA 32 00 00 26 2F 00 00 00 00 00 00 01 00 04 00 00 00 00", "task 9 lock cell", "mode", "4 (no cell)"},
      {"1A 00 FF 00 00 00 CB 32 00 00 65 2F 00 00 00 00 00 00 02 00 02 06 00 00 00 00",
       "task 0 physical-layer parameter request", "number", "6"},
      {"19 00 FF 00 09 00 CA 32 00 00 9E 2F 00 00 00 00 00 00 01 00 2C 00 00 00 00",
       "task 9 measurement report interval", "interval", "44 (0x2C)"},
      {"1A 00 FF 00 00 00 CC 32 00 00 68 2F 00 00 00 00 00 00 02 00 00 14 00 00 00 00",
       "task 0 layer-1 info report configuration", "number", "20 (0x0014)"},
      {"1A 00 FF 00 00 00 CC 32 00 00 6A 2F 00 00 00 00 00 00 02 00 00 18 00 00 00 00",
       "task 0 layer-1 info report parameter", "report mask", "0x18 (reports 4, 5)"},
      {"21 00 FF 00 00 00 CC 32 00 00 73 2F 00 00 00 00 00 00 09 00 01 02 00 03 01 2C 0A 0B FF 00 00 00 00",
       "task 0 layer-1 info report byte list", "byte list", "0A 0B FF"},
  };
  for (const Case& c : cases) {
    orbel::DecodedMessage message = orbel::decodeDiagMessage(bytesOf(c.hex));
    ASSERT_EQ(message.error, "") << c.hex;
    EXPECT_EQ(message.title, c.title);
    EXPECT_EQ(valueOf(message, c.field), c.value) << c.title;
    EXPECT_TRUE(message.notes.empty()) << message.notes[0];
  }
}

TEST(MessageDecoder, LeavesAPayloadRawWhenItsLengthDoesNotFitTheCommand) {
  const std::pair<const char*, const char*> cases[] = {
      // A lock cell of mode 1 needs 4 bytes.
      {"19 00 FF 00 09 00 CA 32 00 00 26 2F 00 00 00 00 00 00 01 00 01 00 00 00 00", "a lock cell of mode 1 has 4"},
      // The byte list says 4 bytes, 3 follow.
      {"21 00 FF 00 00 00 CC 32 00 00 73 2F 00 00 00 00 00 00 09 00 01 02 00 04 01 2C 0A 0B FF 00 00 00 00",
       "says 4 bytes, 3 follow"},
      {"1D 00 FF 00 00 00 CC 32 00 00 73 2F 00 00 00 00 00 00 05 00 01 02 00 00 01 00 00 00 00", "at least 6"},
      {"1B 00 FF 00 01 01 CA 32 00 00 0E 2F 00 00 00 00 00 00 03 00 00 21 00 00 00 00 00", "a timer enquiry has 4"},
  };
  for (const auto& [hex, note] : cases) {
    orbel::DecodedMessage message = orbel::decodeDiagMessage(bytesOf(hex));
    ASSERT_EQ(message.error, "");
    EXPECT_EQ(valueOf(message, "payload"), "raw") << note;
    ASSERT_EQ(message.notes.size(), 1u) << note;
    EXPECT_NE(message.notes[0].find(note), std::string::npos) << message.notes[0];
  }
}

TEST(MessageDecoder, ShowsWhatItCannotNameInsteadOfGuessing) {
  // Unknown module and primitive; then a timer identifier outside the module's row.
  auto odd = bytesOf("1D 00 FF 00 07 03 CA 32 00 00 01 00 00 00 00 00 00 00 05 00 01 02 03 04 05 00 00 00 00");
  orbel::DecodedMessage message = orbel::decodeDiagMessage(odd);
  ASSERT_EQ(message.error, "");
  EXPECT_EQ(message.title, "task 7, sub-module 3 primitive 1");
  EXPECT_EQ(valueOf(message, "payload"), "raw");

  auto notInRow = bytesOf("1C 00 FF 00 01 01 CA 32 00 00 0E 2F 00 00 00 00 00 00 04 00 00 31 00 05 00 00 00 00");
  EXPECT_EQ(valueOf(orbel::decodeDiagMessage(notInRow), "entry"), "0x0031 (not in the catalogue of this module)");
}

TEST(MessageDecoder, RefusesTruncatedAndInconsistentFrames) {
  const auto good = bytesOf(kTimerPoll);
  for (std::size_t length = 0; length < good.size(); ++length) {
    std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length));
    const orbel::DecodedMessage message = orbel::decodeDiagMessage(cut);
    EXPECT_NE(message.error, "") << length;  // every truncation
    EXPECT_EQ(message.fault, orbel::ReadFault::Truncated) << length;
  }
  struct Case {
    const char* hex;
    const char* fragment;
    orbel::ReadFault fault;
  };
  constexpr auto kTruncated = orbel::ReadFault::Truncated, kMalformed = orbel::ReadFault::Malformed;
  const Case cases[] = {
      {"1D 00 FF 00 01 01 CA 32 00 00 0E 2F 00 00 00 00 00 00 04 00 00 21 00 05 00 00 00 00", "length field says 29",
       kTruncated},
      {"1B 00 FF 00 01 01 CA 32 00 00 0E 2F 00 00 00 00 00 00 04 00 00 21 00 05 00 00 00 00", "length field says 27",
       kMalformed},
      {"1C 00 FF 00 01 01 CA 32 00 00 0E 2F 00 00 00 00 00 00 09 00 00 21 00 05 00 00 00 00", "does not fit",
       kMalformed},
      {"1C 00 FF 00 01 01 CA 32 00 00 0E 2F 00 00 00 00 00 00 04 00 00 21 00 05 01 00 00 00", "do not add up",
       kMalformed},
      {"1C 00 FF 00 01 01 CA 32 00 00 0E 2F 00 00 00 00 00 00 04 00 00 21 00 05 FF FF 00 00", "do not add up",
       kMalformed},
  };
  for (const Case& c : cases) {
    const orbel::DecodedMessage message = orbel::decodeDiagMessage(bytesOf(c.hex));
    EXPECT_NE(message.error.find(c.fragment), std::string::npos) << message.error;
    EXPECT_EQ(message.fault, c.fault) << c.fragment;
  }
}

TEST(MessageDecoder, ShowsPeerDataAfterTheTrailer) {
  auto withPeer = bytesOf("1E 00 FF 00 01 01 CA 32 00 00 0E 2F 00 00 00 00 00 00 04 00 00 21 00 05 02 00 00 00 AA BB");
  orbel::DecodedMessage message = orbel::decodeDiagMessage(withPeer);
  ASSERT_EQ(message.error, "");
  EXPECT_EQ(message.fields.back().name, "peer data");
  EXPECT_EQ(message.fields.back().offset, 28u);
}

TEST(HexText, ParsesSeparatedPairsAndRefusesStrayDigits) {
  EXPECT_EQ(orbel::parseHex("0a0B, ff:10 "), (std::vector<std::uint8_t>{0x0A, 0x0B, 0xFF, 0x10}));
  EXPECT_FALSE(orbel::parseHex("0a0"));
  EXPECT_FALSE(orbel::parseHex("0g"));
  EXPECT_FALSE(orbel::parseHex("0 a"));  // a separator cannot split a byte
  EXPECT_EQ(orbel::toHex(std::vector<std::uint8_t>{0xAB, 0x01}, ""), "ab01");
}

}  // namespace
