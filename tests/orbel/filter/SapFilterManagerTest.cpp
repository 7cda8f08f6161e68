// The SAP filter model: which SAPs reach the message, with which attribute,
// in which order, and the built-in and standard lists it starts from.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>

#include "orbel/catalogue/StandardSapList.h"
#include "orbel/filter/SapFilterManager.h"
#include "orbel/wire/HexText.h"
#include "support/ScopedFeatures.h"

namespace {

// Takes over the message as the host does and releases it with delete[].
std::string take(std::pair<unsigned char*, int> message) {
  std::string hex = orbel::toHex(std::span(message.first, static_cast<std::size_t>(message.second)));
  delete[] message.first;
  return hex;
}

constexpr char kBasicSaps[] = "33 00 00 14 00 00 08 20 00 00 0B DF 00 00 10 04 00 00 10 68 00 00 17 98 01 01 01 01 01";

TEST(SapFilterManager, WhichSapsEnterAndWithWhichAttribute) {
  struct Case {
    const char* fault;  // what a wrong result would mean
    SapList l2, user;
    bool attributeOn, userOnly, basic;  // basic: switch 130 on
    std::string expected;
  };
  const Case cases[] = {
      {"built-in SAPs without switch 130", {}, {}, false, false, false, "33 00 00 00"},
      {"built-in SAPs missing or unsorted", {}, {}, false, false, true, kBasicSaps},
      {"userOnly keeps the built-in SAPs", {}, {}, false, true, true, "33 00 00 00"},
      {"disabled SAPs leak into the message", {{3039, false}}, {{2080, false}}, false, false, false, "33 00 00 00"},
      {"the user list wins over layer 2", {{4200, true}}, {{4200, true}}, false, false, false,
       "33 00 00 04 00 00 10 68 02"},
      {"userOnly takes the layer-2 attribute", {{4200, true}}, {{4200, true}}, false, true, false,
       "33 00 00 04 00 00 10 68 01"},
      {"a disabled layer-2 pair claims its identifier", {{3039, false}}, {{3039, true}}, false, false, false,
       "33 00 00 04 00 00 0B DF 01"},
      {"the user attribute ignores m_attributeOn", {}, {{7, true}}, true, false, false, "33 00 00 04 00 00 00 07 02"},
      {"list order instead of number order", {}, {{4200, true}, {2080, true}}, false, false, false,
       "33 00 00 08 00 00 08 20 00 00 10 68 01 01"},
      {"signed order", {}, {{0x80000000u, true}, {1, true}}, false, false, false,
       "33 00 00 08 00 00 00 01 80 00 00 00 01 01"},
      {"a repeated SAP sent twice", {}, {{5, true}, {5, true}}, true, false, false, "33 00 00 04 00 00 00 05 02"},
      {"a layer-2 SAP among the built-in ones takes their attribute", {{3039, true}}, {}, false, false, true,
       "33 00 00 14 00 00 08 20 00 00 0B DF 00 00 10 04 00 00 10 68 00 00 17 98 01 02 01 01 01"},
  };
  for (const Case& c : cases) {
    std::optional<SapFilterManager> made;
    {
      orbel::test::ScopedFeatures basicSaps(c.basic ? std::set<int>{130} : std::set<int>{});
      made.emplace();
    }
    SapFilterManager& manager = *made;  // the switch is read at construction only
    manager.L2Sap(c.l2);
    manager.UserSap(c.user);
    manager.m_attributeOn = c.attributeOn;
    EXPECT_EQ(take(manager.CreateMessage(c.userOnly)), c.expected) << c.fault;
  }
}

TEST(SapFilterManager, SapSetKeepsEnabledLayer2SapsInListOrderWithRepeats) {
  SapFilterManager manager;
  manager.L2Sap({{3039, true}, {2080, false}, {3039, true}, {1, true}});
  manager.UserSap({{9, true}});  // the user list leaves the set alone
  EXPECT_EQ(manager.getSapSet(), (CDWordArray{3039, 3039, 1}));
  EXPECT_EQ(take(manager.CreateMessage(false)), "33 00 00 0C 00 00 00 01 00 00 00 09 00 00 0B DF 02 01 02");
  manager.L2Sap(manager.L2Sap());  // handing back its own list keeps it
  EXPECT_EQ(manager.getSapSet().size(), 3u);
}

TEST(SapFilterManager, TheLengthFieldNeverWrapsBeyond16383Saps) {
  // 16384 identifiers would write 0x0000 as the list length over 16384 entries.
  SapList user;
  for (std::uint32_t id = 16385; id-- > 0;) user.push_back({id, true});
  SapFilterManager manager;
  manager.UserSap(user);
  const std::string message = take(manager.CreateMessage(true));
  EXPECT_EQ(message.size(), 3 * (4 + 5 * 16383) - 1);
  EXPECT_EQ(message.substr(0, 11), "33 00 FF FC");
  EXPECT_EQ(message.substr(3 * (4 + 4 * 16382), 11), "00 00 3F FE");  // the lowest are kept
}

TEST(StandardSapList, HoldsExactlyItsThreeRepeatedIdentifiersTwice) {
  std::map<std::uint32_t, int> seen;
  for (std::uint32_t id : orbel::StandardSapList) ++seen[id];
  std::vector<std::uint32_t> repeated;
  for (const auto& [id, times] : seen)
    if (times > 1) repeated.push_back(id);
  EXPECT_EQ(repeated, (std::vector<std::uint32_t>{2080, 4100, 4200}));
  EXPECT_EQ(orbel::StandardSapList[38], 7506u);  // the ranges expand in place
  EXPECT_EQ(orbel::StandardSapList[39], 3000u);
  EXPECT_EQ(orbel::StandardSapList.back(), 2304u);
}

}  // namespace
