// The decoder names every field of what the library builds and refuses short
// or inconsistent input without reading past it.
#include <gtest/gtest.h>

#include "orbel/decode/HexText.h"
#include "orbel/decode/MessageDecoder.h"

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
  orbel::DecodedMessage message = orbel::decodeDiagMessage(bytes);
  ASSERT_EQ(message.error, "");
  EXPECT_EQ(message.title, "RLC timer enquiry");
  EXPECT_EQ(valueOf(message, "entry"), "0x0021 \"Timer Poll\"");
  EXPECT_EQ(valueOf(message, "instance"), "5 (0x0005)");
  EXPECT_EQ(valueOf(message, "message group"), "13002 protocol stack");
  const std::string text = orbel::formatDecoded(message, bytes);
  EXPECT_NE(text.find("  20  00 21"), std::string::npos) << text;

  auto counter = bytesOf("1C 00 FF 00 04 00 CA 32 00 00 12 2F 00 00 00 00 00 00 04 00 FF FF FF FF 00 00 00 00");
  message = orbel::decodeDiagMessage(counter);
  EXPECT_EQ(message.title, "PDH counter enquiry");
  EXPECT_EQ(valueOf(message, "entry"), "0xFFFF \"All PDH Counter\"");
  EXPECT_EQ(valueOf(message, "instance"), "0xFFFF (all instances)");
}

TEST(MessageDecoder, ShowsWhatItCannotNameInsteadOfGuessing) {
  // Unknown module, primitive and a timer identifier outside the module's row.
  auto odd = bytesOf("1D 00 FF 00 07 03 CA 32 00 00 01 00 00 00 00 00 00 00 05 00 01 02 03 04 05 00 00 00 00");
  orbel::DecodedMessage message = orbel::decodeDiagMessage(odd);
  ASSERT_EQ(message.error, "");
  EXPECT_EQ(message.title, "task 7, sub-module 3 primitive 1");
  EXPECT_EQ(valueOf(message, "payload"), "raw");

  auto wrongLength = bytesOf("1B 00 FF 00 01 01 CA 32 00 00 0E 2F 00 00 00 00 00 00 03 00 00 21 00 00 00 00 00");
  message = orbel::decodeDiagMessage(wrongLength);
  ASSERT_EQ(message.notes.size(), 1u);
  EXPECT_NE(message.notes[0].find("a timer enquiry has 4"), std::string::npos);

  auto notInRow = bytesOf("1C 00 FF 00 01 01 CA 32 00 00 0E 2F 00 00 00 00 00 00 04 00 00 31 00 05 00 00 00 00");
  EXPECT_EQ(valueOf(orbel::decodeDiagMessage(notInRow), "entry"), "0x0031 (not in the catalogue of this module)");
}

TEST(MessageDecoder, RefusesTruncatedAndInconsistentFrames) {
  const auto good = bytesOf(kTimerPoll);
  for (std::size_t length = 0; length < good.size(); ++length) {
    std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_NE(orbel::decodeDiagMessage(cut).error, "") << length;  // every truncation
  }
  struct Case {
    const char* hex;
    const char* fragment;
  };
  const Case cases[] = {
      {"1D 00 FF 00 01 01 CA 32 00 00 0E 2F 00 00 00 00 00 00 04 00 00 21 00 05 00 00 00 00", "length field says 29"},
      {"1C 00 FF 00 01 01 CA 32 00 00 0E 2F 00 00 00 00 00 00 09 00 00 21 00 05 00 00 00 00", "does not fit"},
      {"1C 00 FF 00 01 01 CA 32 00 00 0E 2F 00 00 00 00 00 00 04 00 00 21 00 05 01 00 00 00", "do not add up"},
      {"1C 00 FF 00 01 01 CA 32 00 00 0E 2F 00 00 00 00 00 00 04 00 00 21 00 05 FF FF 00 00", "do not add up"},
  };
  for (const Case& c : cases) {
    std::string error = orbel::decodeDiagMessage(bytesOf(c.hex)).error;
    EXPECT_NE(error.find(c.fragment), std::string::npos) << error;
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
