// `orbel decode` on the filter formats: every byte of an HLS filter file is
// named exactly once, and SAP filter messages are recognised on their own
// and inside the compact filter message.
#include <gtest/gtest.h>

#include "decode/FormatDecoder.h"
#include "orbel/wire/HexText.h"
#include "orbel/filter/FilterTestSupport.h"

namespace {

using namespace orbel;
using namespace orbel::test;

DecodedMessage decode(std::span<const std::uint8_t> bytes) { return decodeAny(bytes).value_or(DecodedMessage{}); }

std::string valueOf(const DecodedMessage& message, const std::string& name) {
  for (const DecodedField& field : message.fields)
    if (field.name == name) return std::to_string(field.offset) + ": " + field.value;
  return "(no field " + name + ")";
}

TEST(FilterDecoder, NamesEveryByteOfAnHlsFileOnceAndSplitsFieldsAcrossFrames) {
  for (const char* name : {"pattern_2025.flt_HLS", "pattern_2025_no_header.flt_HLS", "compact_base.flt_HLS"}) {
    const std::vector<std::uint8_t> file = readBytes(goldenPath(name));
    const DecodedMessage message = decode(file);
    ASSERT_TRUE(message.error.empty()) << name << ": " << message.error;
    std::size_t next = 0;
    for (const DecodedField& field : message.fields) {
      EXPECT_EQ(field.offset, next) << name << ": " << field.name;
      next = field.offset + field.width;
    }
    EXPECT_EQ(next, file.size()) << name;
  }
  const DecodedMessage split = decode(readBytes(goldenPath("pattern_2025.flt_HLS")));
  EXPECT_EQ(split.title.rfind("HLS filter file, 2 frames: task 9 HLS trace filter", 0), 0u) << split.title;
  // Frame 1 ends one byte into the message's last word.
  EXPECT_EQ(valueOf(split, "spare bits"), "2062: 0");
  EXPECT_EQ(valueOf(split, "spare bits (continued)"), "2070: 0");
  EXPECT_EQ(valueOf(split, "frame 2 length"), "2065: 6 (1 bytes of the message)");

  const DecodedMessage compact = decode(readBytes(goldenPath("compact_base.flt_HLS")));
  EXPECT_EQ(valueOf(compact, "message type"), "35: 0x03 compact SAP filter, no attributes");
  EXPECT_EQ(valueOf(compact, "SAP 162"), "683: 30002 (0x00007532)");
}

TEST(FilterDecoder, RecognisesSapFilterMessagesInTheCompactMessageAndOnTheirOwn) {
  const DecodedMessage message = decode(readBytes(goldenPath("compact_base.msg")));
  EXPECT_EQ(message.title, "task 9 HLS trace filter");
  EXPECT_EQ(valueOf(message, "identifier list length"), "22: 648 (162 SAPs)");

  const std::vector<std::uint8_t> full{0x33, 0, 0, 8, 0, 0, 0x08, 0x20, 0, 0, 0x10, 0x68, 2, 1};
  const DecodedMessage alone = decode(full);
  EXPECT_EQ(alone.title, "SAP filter message, 2 SAPs");
  EXPECT_EQ(valueOf(alone, "attribute of SAP 2080"), "12: 2 (attribute on)");
  const DecodedMessage cut = decode(std::span(full).first(13));  // one attribute short: neither format
  EXPECT_FALSE(cut.error.empty());
  EXPECT_EQ(cut.fault, orbel::ReadFault::Truncated);
  std::vector<std::uint8_t> longer = full;
  longer.push_back(0);
  EXPECT_EQ(decodeAny(longer, "sap-filter")->fault, orbel::ReadFault::Malformed);
}

TEST(FilterDecoder, SaysWhyAFileIsRefused) {
  std::vector<std::uint8_t> file = readBytes(goldenPath("empty_sap_filter.flt_HLS"));
  file[13] = 2;
  EXPECT_EQ(decode(file).error, "not an HLS filter file: the first frame is numbered 2");
  EXPECT_EQ(decode(file).fault, orbel::ReadFault::Malformed);
  file.resize(20);
  EXPECT_EQ(decode(file).error.rfind("truncated: ", 0), 0u) << decode(file).error;
  EXPECT_EQ(decode(file).fault, orbel::ReadFault::Truncated);
}

// The display-filter messages of the HLS filter dialog share primitive 12031.
TEST(FilterDecoder, NamesTheFieldsOfDisplayFilterMessages) {
  const std::string frame = "FF 00 09 00 CA 32 00 00 FF 2E 00 00 00 00 00 00 ";
  struct Case {
    std::string message;
    std::string field;
    std::string value;
  };
  for (const Case& c : {
           Case{"20 00 " + frame + "08 00 01 00 00 00 00 02 23 45 00 00 00 00", "value B 1", "26: 9029 (0x2345)"},
           Case{"1A 00 " + frame + "02 00 04 00 00 00 00 00", "display filter type", "20: 4 (fourth node list)"},
           Case{"1A 00 " + frame + "02 00 03 00 00 00 00 00", "display filter type", "20: 3 (SAP tree)"},
           Case{"20 00 " + frame + "08 00 05 00 00 04 00 00 04 01 00 00 00 00", "value A 1", "24: 1025 (0x00000401)"},
       }) {
    const DecodedMessage message = decode(*orbel::parseHex(c.message));
    EXPECT_TRUE(message.error.empty()) << message.error;
    EXPECT_TRUE(message.notes.empty()) << c.message;
    EXPECT_EQ(valueOf(message, c.field), c.value) << c.message;
  }
}

}  // namespace
