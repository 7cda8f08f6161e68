// `orbel decode` on the filter formats: every byte of an HLS filter file is
// named exactly once, and SAP filter messages are recognised on their own
// and inside the compact filter message.
#include <gtest/gtest.h>

#include "FilterTestSupport.h"
#include "orbel/decode/FormatDecoder.h"

namespace {

using namespace orbel;
using namespace orbel::test;

DecodedMessage decode(std::span<const std::uint8_t> bytes) { return decodeAny(bytes).value_or(DecodedMessage{}); }

const DecodedField* fieldNamed(const DecodedMessage& message, const std::string& name) {
  for (const DecodedField& field : message.fields)
    if (field.name == name) return &field;
  return nullptr;
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
  // The message's last four bytes are the trailer; frame 1 ends one byte into the spare-bit word.
  const DecodedField* first = fieldNamed(split, "spare bits");
  const DecodedField* rest = fieldNamed(split, "spare bits (continued)");
  ASSERT_TRUE(first && rest);
  EXPECT_EQ(first->offset, 2062u);
  EXPECT_EQ(rest->offset, 2070u);
  EXPECT_EQ(fieldNamed(split, "frame 2 length")->value, "6 (1 bytes of the message)");
}

TEST(FilterDecoder, ShowsTheIdentifiersOfTheCompactFilterInsideItsFileAndItsMessage) {
  const DecodedMessage file = decode(readBytes(goldenPath("compact_base.flt_HLS")));
  EXPECT_EQ(fieldNamed(file, "message type")->value, "0x03 compact SAP filter, no attributes");
  EXPECT_EQ(fieldNamed(file, "SAP 162")->value, "30002 (0x00007532)");
  const DecodedMessage message = decode(readBytes(goldenPath("compact_base.msg")));
  EXPECT_EQ(message.title, "task 9 HLS trace filter");
  EXPECT_EQ(fieldNamed(message, "SAP 1")->value, "1500 (0x000005DC)");
  EXPECT_EQ(fieldNamed(message, "identifier list length")->value, "648 (162 SAPs)");
}

TEST(FilterDecoder, RecognisesSapFilterMessagesOnTheirOwn) {
  const std::vector<std::uint8_t> full{0x33, 0, 0, 8, 0, 0, 0x08, 0x20, 0, 0, 0x10, 0x68, 2, 1};
  const DecodedMessage message = decode(full);
  EXPECT_EQ(message.title, "SAP filter message, 2 SAPs");
  EXPECT_EQ(fieldNamed(message, "attribute of SAP 2080")->value, "2 (attribute on)");
  EXPECT_EQ(fieldNamed(message, "attribute of SAP 4200")->value, "1 (attribute off)");
  EXPECT_EQ(decode(std::vector<std::uint8_t>{3, 0, 0, 4, 0, 0, 0, 1}).title, "compact SAP filter message, 1 SAPs");
  // One attribute byte short: not a SAP filter message, and no diagnostic message either.
  EXPECT_FALSE(decode(std::span(full).first(13)).error.empty());
}

TEST(FilterDecoder, SaysWhyAFileIsRefused) {
  std::vector<std::uint8_t> file = readBytes(goldenPath("empty_sap_filter.flt_HLS"));
  file[13] = 2;  // the first frame numbered 2
  EXPECT_EQ(decode(file).error, "not an HLS filter file: the first frame is numbered 2");
  file.resize(20);
  EXPECT_EQ(decode(file).error.rfind("truncated: ", 0), 0u) << decode(file).error;
}

}  // namespace
