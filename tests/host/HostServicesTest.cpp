// Host stand-ins: number parsing in every notation the dialogs rely on,
// feature switches and the string table.
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "host/FeatureManager.h"
#include "host/PsdlStrToInt.h"
#include "host/ScopedHostState.h"
#include "host/StringTable.h"
#include "host/TdBand.h"

namespace {

// Accepted texts give magnitude and sign apart; refused ones leave the outputs alone.
TEST(PsdlStrToInt, AcceptsDecimalHexOctalAndASignWithinTheLimitAndRefusesEverythingElse) {
  const std::tuple<const char*, int, unsigned, int> accepted[] = {
      {"5", 6, 5, 1},
      {"0x00", 6, 0, 1},  // the text an edit is reset to must read as 0
      {"0xffff", 6, 0xFFFF, 1},
      {"0xFfFf", 6, 0xFFFF, 1},
      {"017", 6, 15, 1},  // leading zero: octal
      {"0", 6, 0, 1},
      {"-12", 6, 12, -1},
      {"-0x10", 6, 16, -1},
      {"1234567", 6, 123456, 1},  // only the first six characters are read
      {"0xffff1", 6, 0xFFFF, 1},
      {"4294967295", 32, 4294967295u, 1},
  };
  for (const auto& [text, limit, expectedValue, expectedSign] : accepted) {
    unsigned value = 99;
    int sign = 99;
    ASSERT_EQ(PsdlStrToInt(text, limit, &value, &sign), 0) << text;
    EXPECT_EQ(value, expectedValue) << text;
    EXPECT_EQ(sign, expectedSign) << text;
  }
  for (const char* text : {"", "-", "0x", "0X1", "+1", " 1", "1 ", "12a", "0x1g", "08", "--1", "4294967296",
                           "0x100000000"}) {
    unsigned value = 99;
    int sign = 99;
    EXPECT_NE(PsdlStrToInt(text, 32, &value, &sign), 0) << '"' << text << '"';
    EXPECT_EQ(value, 99u);
    EXPECT_EQ(sign, 99);
  }
  unsigned value = 0;
  int sign = 0;
  EXPECT_NE(PsdlStrToInt("5", 0, &value, &sign), 0);
  EXPECT_NE(PsdlStrToInt(nullptr, 6, &value, &sign), 0);
  // The limit bounds the read even without a terminating NUL.
  const char unterminated[3] = {'4', '2', '7'};
  ASSERT_EQ(PsdlStrToInt(unterminated, 2, &value, &sign), 0);
  EXPECT_EQ(value, 42u);
}

TEST(FeatureManager, SwitchesAndModulesAreOffUntilSetAndAScopePutsBackWhatItChanged) {
  FeatureManager& manager = FeatureManager::Instance();
  EXPECT_FALSE(manager.GetFeature(124));
  {
    ScopedHostState<FeatureManager> scope(manager);
    manager.SetFeature(124, true);
    manager.SetModule(25, true);
    EXPECT_TRUE(manager.GetFeature(124));
    EXPECT_FALSE(manager.GetModule(124));  // switches and modules are apart
    {
      ScopedHostState<FeatureManager> exactly(manager, {{7}, {}});  // replaces, does not add
      EXPECT_TRUE(manager.GetFeature(7));
      EXPECT_FALSE(manager.GetFeature(124));
      EXPECT_FALSE(manager.GetModule(25));
    }
    EXPECT_FALSE(manager.GetFeature(7));
    EXPECT_TRUE(manager.GetModule(25));
  }
  EXPECT_FALSE(manager.GetFeature(124));
  EXPECT_FALSE(manager.GetModule(25));
}

TEST(StringTable, HoldsEveryNumberedTextTheDialogsUse) {
  for (unsigned id : {157u, 160u, 1240u, 11444u, 11445u, 12363u, 12560u, 12561u, 12723u, 12767u, 12768u, 12930u})
    EXPECT_GT(std::strlen(getResourceStringComm(id)), 0u) << id;
  EXPECT_STREQ(getResourceStringComm(1), "");
  // 12930 is a format with exactly one text placeholder.
  const std::string format = getResourceStringComm(12930);
  EXPECT_EQ(format.find("%s"), format.rfind("%s"));
  EXPECT_NE(format.find("%s"), std::string::npos);
}

// A carrier's whole 1.6 MHz channel must lie in the band: UARFCN (five per
// MHz) from the lower edge + 4 to the upper edge - 4.
TEST(TdBand, AcceptsCarriersInsideBandsAEAndFOnly) {
  const std::pair<unsigned, bool> cases[] = {
      {10053, false}, {10054, true}, {10055, true}, {10121, true}, {10122, false},  // A: 2010-2025 MHz
      {11503, false}, {11504, true}, {11750, true}, {11996, true}, {11997, false},  // E: 2300-2400 MHz
      {9403, false},  {9404, true},  {9500, true},  {9596, true},  {9597, false},   // F: 1880-1920 MHz
      {0, false},     {10000, false}, {10055 + 0x10000, false}, {0xFFFFFFFF, false},
  };
  for (const auto& [uarfcn, valid] : cases) EXPECT_EQ(TdBand::CheckUarfcn(uarfcn), valid) << uarfcn;
}

TEST(TdBand, ListsEveryBandForTheMessage) {
  EXPECT_EQ(TdBand::GetAllBandStr(), "A: 2010-2025 MHz (UARFCN 10054-10121), E: 2300-2400 MHz (UARFCN 11504-11996), "
                                     "F: 1880-1920 MHz (UARFCN 9404-9596)");
}

}  // namespace
