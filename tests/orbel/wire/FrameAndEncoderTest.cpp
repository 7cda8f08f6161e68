// Golden bytes of the message frame and the item encoder, with every way the
// encoder refuses a list.
#include <gtest/gtest.h>

#include "orbel/wire/DiagMessage.h"
#include "orbel/wire/HexText.h"
#include "orbel/wire/ItemEncoder.h"

namespace {

using orbel::toHex;

std::string hexOf(const orbel::CommandBuffer& buffer) { return toHex(buffer.bytes()); }

PARAMETER_ITEM_STRUCT number(std::uint32_t value, std::uint16_t width) {
  PARAMETER_ITEM_STRUCT item;
  item.value = value;
  item.width = width;
  return item;
}

PARAMETER_ITEM_STRUCT bytes(std::initializer_list<std::uint8_t> data, std::uint16_t width, std::uint32_t kind = 1) {
  PARAMETER_ITEM_STRUCT item;
  item.kind = kind;
  std::copy(data.begin(), data.end(), item.data);
  item.width = width;
  return item;
}

// Routing 0x00FF (start mark, reserved), module (6, 1), group 13002, primitive 12060.
std::vector<PARAMETER_ITEM_STRUCT> header() {
  return {number(0x00FF, 0), number(0x0106, 0), number(13002, 0), number(12060, 0)};
}

TEST(DiagMessage, FramesAPayloadWithLittleEndianHeaderAndZeroTrailer) {
  const std::uint8_t payload[] = {0x03};
  orbel::CommandBuffer message =
      orbel::frameMessage({6, 1}, orbel::MessageGroup::ProtocolStack, orbel::PrimitiveId::StateMachineEnquiry, payload);
  // A one-byte payload: 25 bytes, the trailer words at offsets 21 to 24.
  EXPECT_EQ(hexOf(message), "19 00 FF 00 06 01 CA 32 00 00 1C 2F 00 00 00 00 00 00 01 00 03 00 00 00 00");
  const auto header = orbel::readHeader(message.bytes());
  ASSERT_TRUE(header);
  EXPECT_EQ(header->totalLength, 25);
  EXPECT_EQ(header->moduleId, (orbel::ModuleId{6, 1}));
  EXPECT_FALSE(orbel::readHeader(message.bytes().first(17)));
}

TEST(ItemEncoder, FourItemsGiveTheBareHeader) {
  auto items = header();
  orbel::ItemEncoding encoded = orbel::encodeItemList(items);
  ASSERT_TRUE(encoded.message);
  EXPECT_EQ(hexOf(encoded.message), "18 00 FF 00 06 01 CA 32 00 00 1C 2F 00 00 00 00 00 00 00 00 00 00 00 00");
}

TEST(ItemEncoder, WritesNumbersBigEndianInTheirWidthAndBytesAsGiven) {
  auto items = header();
  items.push_back(number(0xAABBCCDD, 3));  // width 3: the top byte is lost
  items.push_back(number(0x1234, 1));
  items.push_back(number(0x01020304, 4));
  items.push_back(bytes({'S', 'I', 'M', '!'}, 3));
  items.push_back(bytes({9, 8}, 2, 3));
  items.push_back(number(0x5678, 2));
  items[4].kind = 2;
  orbel::ItemEncoding encoded = orbel::encodeItemList(items);
  ASSERT_TRUE(encoded.message);
  EXPECT_EQ(hexOf(encoded.message),
            "27 00 FF 00 06 01 CA 32 00 00 1C 2F 00 00 00 00 00 00 0F 00 "
            "BB CC DD 34 01 02 03 04 53 49 4D 09 08 56 78 00 00 00 00");
}

TEST(ItemEncoder, RefusesWhatItCannotEncodeWithNoBuffer) {
  struct Case {
    PARAMETER_ITEM_STRUCT item;
    orbel::ItemEncodeError error;
  };
  const Case cases[] = {
      {bytes({}, 2, 4), orbel::ItemEncodeError::InvalidKind},
      {number(1, 0), orbel::ItemEncodeError::InvalidNumberWidth},
      {number(1, 5), orbel::ItemEncodeError::InvalidNumberWidth},
      {bytes({}, 101), orbel::ItemEncodeError::DataWidthTooLarge},  // would read past the item's data
  };
  for (const Case& c : cases) {
    auto items = header();
    items.push_back(number(7, 2));
    items.push_back(c.item);
    orbel::ItemEncoding encoded = orbel::encodeItemList(items);
    EXPECT_FALSE(encoded.message);
    EXPECT_EQ(encoded.error, c.error);
    EXPECT_EQ(encoded.failedItem, 5u);
  }
  auto tooFew = header();
  tooFew.pop_back();
  EXPECT_EQ(orbel::encodeItemList(tooFew).error, orbel::ItemEncodeError::TooFewItems);
  // The header widths are never looked at; a 100-byte item is the largest allowed.
  auto largest = header();
  largest.push_back(bytes({1}, 100));
  EXPECT_EQ(orbel::encodeItemList(largest).message.length(), 124u);
}

TEST(ItemEncoder, RefusesAMessageLongerThanItsLengthWordCanSay) {
  auto items = header();
  for (int i = 0; i < 656; ++i) items.push_back(bytes({}, 100));  // 65600 + 24 > 65535
  EXPECT_EQ(orbel::encodeItemList(items).error, orbel::ItemEncodeError::PayloadTooLarge);
  items.resize(items.size() - 1);
  items.push_back(bytes({}, 11));  // 65511 + 24 = 65535 fits exactly
  EXPECT_EQ(orbel::encodeItemList(items).message.length(), 65535u);
}

}  // namespace
