// The SAP filter model: which SAPs reach the message, with which attribute,
// in which order, and the built-in and standard lists it starts from.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "host/FeatureManager.h"
#include "orbel/catalogue/StandardSapList.h"
#include "orbel/decode/HexText.h"
#include "orbel/filter/SapFilterManager.h"

namespace {

constexpr int kBasicSapSwitch = 130;

// Takes over the message as the host does and releases it with delete[].
std::vector<std::uint8_t> take(std::pair<unsigned char*, int> message) {
  std::vector<std::uint8_t> bytes(message.first, message.first + message.second);
  delete[] message.first;
  return bytes;
}

std::string messageHex(SapFilterManager& manager, bool userOnly) {
  return orbel::toHex(take(manager.CreateMessage(userOnly)));
}

class SapFilterManagerTest : public ::testing::Test {
 protected:
  void SetUp() override { FeatureManager::Instance().Reset(); }
  void TearDown() override { FeatureManager::Instance().Reset(); }
};

TEST_F(SapFilterManagerTest, BuiltInSapsFollowSwitch130AsItWasAtConstruction) {
  SapFilterManager without;
  FeatureManager::Instance().SetFeature(kBasicSapSwitch, true);
  SapFilterManager with;
  FeatureManager::Instance().SetFeature(kBasicSapSwitch, false);  // read once: `with` keeps its SAPs

  EXPECT_EQ(messageHex(without, false), "33 00 00 00");
  EXPECT_EQ(messageHex(with, false),
            "33 00 00 14 00 00 08 20 00 00 0B DF 00 00 10 04 00 00 10 68 00 00 17 98 01 01 01 01 01");
  EXPECT_EQ(messageHex(with, true), "33 00 00 00");  // userOnly leaves the built-in SAPs out
  EXPECT_FALSE(with.m_attributeOn);
  EXPECT_TRUE(with.m_standardSet);
  EXPECT_TRUE(with.L2Sap().empty() && with.UserSap().empty() && with.getSapSet().empty());
}

TEST_F(SapFilterManagerTest, WhichSapsEnterAndWithWhichAttribute) {
  struct Case {
    const char* fault;  // what a wrong result would mean
    SapList l2;
    SapList user;
    bool attributeOn;
    bool userOnly;
    bool basic;  // switch 130 on
    std::string expected;
  };
  const Case cases[] = {
      {"disabled SAPs leak into the message", {{3039, false}}, {{2080, false}}, false, false, false, "33 00 00 00"},
      {"the layer-2 attribute does not win over the user list", {{4200, true}}, {{4200, true}}, false, false, false,
       "33 00 00 04 00 00 10 68 02"},
      {"userOnly still takes the layer-2 attribute", {{4200, true}}, {{4200, true}}, false, true, false,
       "33 00 00 04 00 00 10 68 01"},
      {"a disabled layer-2 pair claims its identifier", {{3039, false}}, {{3039, true}}, false, false, false,
       "33 00 00 04 00 00 0B DF 01"},
      {"the user attribute ignores m_attributeOn", {}, {{7, true}}, true, false, false, "33 00 00 04 00 00 00 07 02"},
      {"identifiers follow list order, not number order", {}, {{4200, true}, {2080, true}}, false, false, false,
       "33 00 00 08 00 00 08 20 00 00 10 68 01 01"},
      {"identifiers sort as signed numbers", {}, {{0x80000000u, true}, {1, true}}, false, false, false,
       "33 00 00 08 00 00 00 01 80 00 00 00 01 01"},
      {"a repeated user SAP is sent twice", {}, {{5, true}, {5, true}}, true, false, false,
       "33 00 00 04 00 00 00 05 02"},
      {"a layer-2 SAP among the built-in ones loses its attribute", {{3039, true}}, {}, false, false, true,
       "33 00 00 14 00 00 08 20 00 00 0B DF 00 00 10 04 00 00 10 68 00 00 17 98 01 02 01 01 01"},
  };
  for (const Case& c : cases) {
    FeatureManager::Instance().SetFeature(kBasicSapSwitch, c.basic);
    SapFilterManager manager;
    manager.L2Sap(c.l2);
    manager.UserSap(c.user);
    manager.m_attributeOn = c.attributeOn;
    EXPECT_EQ(messageHex(manager, c.userOnly), c.expected) << c.fault;
  }
}

TEST_F(SapFilterManagerTest, SapSetKeepsEnabledLayer2SapsInListOrderWithRepeats) {
  SapFilterManager manager;
  manager.L2Sap({{3039, true}, {2080, false}, {3039, true}, {1, true}});
  EXPECT_EQ(manager.getSapSet(), (CDWordArray{3039, 3039, 1}));
  EXPECT_EQ(messageHex(manager, false), "33 00 00 08 00 00 00 01 00 00 0B DF 02 02");  // 3039 once

  manager.UserSap({{9, true}});  // the user list leaves the set alone
  EXPECT_EQ(manager.getSapSet(), (CDWordArray{3039, 3039, 1}));
  manager.L2Sap(manager.L2Sap());  // handing back its own list keeps it
  EXPECT_EQ(manager.L2Sap().size(), 4u);
  EXPECT_EQ(manager.getSapSet().size(), 3u);
  manager.L2Sap({});
  EXPECT_TRUE(manager.getSapSet().empty());
}

TEST_F(SapFilterManagerTest, TheLengthFieldNeverWrapsBeyond16383Saps) {
  // 16384 identifiers would write 0x0000 as the list length over 16384 entries.
  for (std::uint32_t count : {16383u, 16385u}) {
    SapList user;
    for (std::uint32_t id = count; id-- > 0;) user.push_back({id, true});
    SapFilterManager manager;
    manager.UserSap(user);
    const std::vector<std::uint8_t> message = take(manager.CreateMessage(true));
    ASSERT_EQ(message.size(), 4u + 5u * 16383u) << count;
    EXPECT_EQ(orbel::toHex(std::span(message).first(4)), "33 00 FF FC");
    EXPECT_EQ(orbel::toHex(std::span(message).subspan(4 + 4 * 16382, 4)), "00 00 3F FE");  // the lowest are kept
  }
}

TEST(StandardSapList, HoldsItsThreeRepeatedIdentifiersTwiceAndStartsAndEndsAsListed) {
  std::map<std::uint32_t, int> seen;
  for (std::uint32_t id : orbel::StandardSapList) ++seen[id];
  std::vector<std::uint32_t> repeated;
  for (const auto& [id, times] : seen)
    if (times > 1) repeated.push_back(id);
  EXPECT_EQ(repeated, (std::vector<std::uint32_t>{2080, 4100, 4200}));
  EXPECT_EQ(orbel::StandardSapList.front(), 1600u);
  EXPECT_EQ(orbel::StandardSapList[2], 25001u);
  EXPECT_EQ(orbel::StandardSapList.back(), 2304u);
  // 3000-3036 starts right after 7506, the twentieth entry in the written list
  const auto at = std::find(orbel::StandardSapList.begin(), orbel::StandardSapList.end(), 3000u);
  EXPECT_EQ(*(at - 1), 7506u);
  EXPECT_EQ(*(at + 36), 3036u);
}

}  // namespace
