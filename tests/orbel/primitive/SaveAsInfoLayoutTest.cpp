// The save-as block as a host reads it by offset, and the part of a
// display-filter message the block keeps.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "orbel/primitive/DisplayFilterValues.h"
#include "orbel/primitive/SaveAsInfo.h"
#include "orbel/wire/HexText.h"

namespace {

std::string bytesAt(const SaveAsInfo& info, std::size_t offset, std::size_t count) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&info) + offset;
  return orbel::toHex(std::vector<std::uint8_t>(bytes, bytes + count));
}

TEST(SaveAsInfoLayout, FieldsSitWhereAHostReadsThem) {
  SaveAsInfo info;
  info.form = 2;
  info.rangeFirst = -3;
  info.rangeSecond = 40;
  info.filterKind = 2;
  info.filterWords = 3;
  std::uint32_t words[3] = {};
  info.filterData = words;
  info.rangeFlag = info.hlsFilterFlag = info.hlsFilterEditFlag = info.displayFlag = 1;
  info.l2Flag = info.l2EditFlag = info.optionO2 = info.optionO1 = info.textFlag = info.textForm = 1;
  info.l2Record.macOn = 1;
  info.l2Record.macSap[0] = 1;
  info.l2Record.bmcSap = 0x01020304;
  info.reserved = 0xAABBCCDD;
  info.contentFlags = {1, 0, 1, 0, 0, 0, 0, 1};
  info.secondFlags = {0, 1, 0};
  info.textY = 1;

  const std::size_t shift = saveas::kShift;
  const std::size_t after = saveas::kShiftAfterPointer;
  EXPECT_EQ(bytesAt(info, 0, 4), "02 00 00 00");
  EXPECT_EQ(bytesAt(info, 8 + shift, 32),
            "01 00 00 00 FD FF FF FF 28 00 00 00 01 00 00 00 01 00 00 00 01 00 00 00 02 00 00 00 03 00 00 00");
  std::uint32_t* pointer = nullptr;
  std::memcpy(&pointer, reinterpret_cast<const std::uint8_t*>(&info) + 40 + shift, sizeof pointer);
  EXPECT_EQ(pointer, words);
  EXPECT_EQ(bytesAt(info, 44 + after, 16), "01 00 00 00 01 00 00 00 01 00 00 00 01 00 00 00");  // flags, record start
  EXPECT_EQ(bytesAt(info, 52 + after + 772, 4), "04 03 02 01");                                // record's BMC SAP
  EXPECT_EQ(bytesAt(info, 828 + after, 84),
            "01 00 00 00 00 00 00 00 01 00 00 00 01 00 00 00 DD CC BB AA 01 00 00 00 00 00 00 00 "
            "01 00 00 00 00 00 00 00 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 01 00 00 00 "
            "00 00 00 00 01 00 00 00 00 00 00 00 00 00 00 00 01 00 00 00 00 00 00 00");
}

// A display-filter message: the 20 header bytes with the payload length, the
// payload, the two trailer words.
std::vector<std::uint8_t> displayMessage(const std::string& payloadHex) {
  const std::vector<std::uint8_t> payload = *orbel::parseHex(payloadHex);
  std::vector<std::uint8_t> message(20, 0);
  message[0] = static_cast<std::uint8_t>(24 + payload.size());
  message[18] = static_cast<std::uint8_t>(payload.size());
  message.insert(message.end(), payload.begin(), payload.end());
  message.insert(message.end(), 4, 0);
  return message;
}

TEST(DisplayFilterValues, KeepsTheTypeAndWholeWordsOfValuesA) {
  struct Case {
    const char* payload;
    int type;  // -1: nothing kept
    const char* valuesA;
  };
  const Case cases[] = {
      // Type 1: two values A, then three 16-bit values B, which are left out.
      {"01 00 00 08 00 00 0B DF 00 00 08 20 00 06 00 01 00 02 00 03", 1, "00 00 0B DF 00 00 08 20"},
      // Type 2 with values B only: no word of values A.
      {"02 00 00 00 00 04 00 05 00 06", 2, ""},
      {"05 00 00 04 00 00 00 2A", 5, "00 00 00 2A"},
      {"03 00 00 0C 00 00 00 01 00 00 00 02 00 00 00 03", 3, "00 00 00 01 00 00 00 02 00 00 00 03"},
      {"04 00", -1, ""},                    // type 4 without values A: length omitted
      {"01 00 00 00", -1, ""},              // payload of four bytes
      {"03 00 00 08 00 00 00 01", -1, ""},  // length A beyond the payload
  };
  for (const Case& c : cases) {
    const auto values = orbel::readDisplayFilterValues(displayMessage(c.payload));
    if (c.type < 0) {
      EXPECT_FALSE(values) << c.payload;
      continue;
    }
    ASSERT_TRUE(values) << c.payload;
    EXPECT_EQ(values->filterType, c.type);
    EXPECT_EQ(orbel::toHex(values->valuesA), c.valuesA) << c.payload;
  }
  EXPECT_FALSE(orbel::readDisplayFilterValues(std::vector<std::uint8_t>(19, 0)));  // no payload length
}

TEST(DisplayFilterValues, FilterKindNamesTypesThreeToFive) {
  const std::pair<std::uint8_t, std::uint32_t> kinds[] = {{0, 0}, {1, 0}, {2, 0}, {3, 1}, {4, 2}, {5, 3}, {6, 0}};
  for (const auto& [type, kind] : kinds) EXPECT_EQ(orbel::filterKindOf(type), kind) << int{type};
}

}  // namespace
