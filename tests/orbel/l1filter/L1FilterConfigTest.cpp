// The layer-1 filter configuration: its byte layout, the rules that turn a
// selection into a configuration and back, the built-in default and the
// export that hands out the last or the default configuration.
#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "orbel/builders/L1FilterExports.h"
#include "orbel/l1filter/DefaultFilterConfig.h"
#include "orbel/l1filter/FilterConfigCodec.h"
#include "orbel/wire/ByteOrder.h"
#include "support/ScriptedHost.h"

namespace {

using namespace orbel;

std::vector<std::size_t> tickedRows(const std::bitset<kL1PrimitiveCount>& rows) {
  std::vector<std::size_t> ticked;
  for (std::size_t row = 0; row < rows.size(); ++row)
    if (rows.test(row)) ticked.push_back(row);
  return ticked;
}

std::vector<std::uint32_t> usedSlots(const std::array<std::uint32_t, kPrimitiveSlots>& slots) {
  std::vector<std::uint32_t> used;
  for (std::uint32_t id : slots)
    if (id != kEmptyPrimitiveSlot) used.push_back(id);
  return used;
}

PhyFaSelection messagesTicked(std::initializer_list<const char*> names) {
  PhyFaSelection selection;
  for (const char* name : names) selection.taskMessages.set(findTaskMessage(name).value());
  return selection;
}

PhyFaFilterConfig roundTrip(const PhyFaFilterConfig& config) {
  return encodeFilterSelection(decodeFilterConfig(config));
}

TEST(BuiltInDefault, DecodesToTenTdRowsFourGsmRowsAndNinetySevenMessages) {
  const PhyFaSelection selection = decodeFilterConfig(builtInPhyFaFilterConfig());
  EXPECT_EQ(tickedRows(selection.primitives),
            (std::vector<std::size_t>{0, 2, 22, 31, 32, 37, 38, 39, 43, 60, 147, 148, 149, 150}));
  EXPECT_EQ(selection.taskMessages.count(), 97u);
  EXPECT_EQ(TdL1StateTable[selection.tdStateTo].name, "CNNT_RTX_TARGET");
  EXPECT_EQ(GsmL1StateTable[selection.gsmStateTo].name, "MANU_TEST");
  EXPECT_EQ(selection.tdStateFrom + selection.gsmStateFrom, 0u);
  EXPECT_EQ(selection.switches, (std::array<bool, 4>{}));
}

TEST(BuiltInDefault, BytesAsListed) {
  const PhyFaFilterBytes bytes = toBytes(builtInPhyFaFilterConfig());
  const std::span<const std::uint8_t> in(bytes);
  const std::uint32_t tdIds[] = {1002, 1011, 1012, 1038, 1042, 1830, 1512, 1513, 1534, 1001};
  for (std::size_t slot = 0; slot < kPrimitiveSlots; ++slot) {
    EXPECT_EQ(readU32LE(in, 4 + 4 * slot), slot < 10 ? tdIds[slot] : kEmptyPrimitiveSlot) << slot;
    const std::uint32_t gsmIds[] = {211027, 21128, 21047, 21034};
    EXPECT_EQ(readU32LE(in, 68 + 4 * slot), slot < 4 ? gsmIds[slot] : kEmptyPrimitiveSlot) << slot;
  }
  EXPECT_EQ(readU32LE(in, 0), 0u);
  EXPECT_EQ(readU32LE(in, 132), 0x00004800u);  // from INIT, to CNNT_RTX_TARGET, reserved 0
  EXPECT_EQ(readU32LE(in, 136), 0x00FF03FFu);  // options A and B
  EXPECT_EQ(readU32LE(in, 140), 0x0000E000u);  // from INIT, to MANU_TEST
  EXPECT_EQ(readU32LE(in, 144), 0x00FF007Fu);
  EXPECT_EQ(readU32LE(in, 148) | readU32LE(in, 152), 0u);
  EXPECT_EQ(readU32LE(in, 156), 0x000007F7u);
  EXPECT_EQ(readU32LE(in, 160), 0x000019FAu);
  EXPECT_EQ(readU32LE(in, 164), 0x00000008u);

  // Every non-zero bitmap word: {slot, word, bits}, worked out from the 97 listed message names.
  struct Word {
    std::size_t slot, word;
    std::uint32_t bits;
  };
  const Word words[] = {
      {0, 0, 0x00000710},  {1, 0, 0x00002108},  {2, 0, 0x00000040},  {4, 0, 0x00001400},  {5, 0, 0x000E87B8},
      {6, 0, 0x000013C8},  {7, 0, 0x0000001C},  {8, 0, 0x00000008},  {9, 0, 0x00600074},  {10, 0, 0x0007007E},
      {14, 0, 0x00030018}, {14, 1, 0x00010002}, {16, 1, 0x00000001}, {17, 1, 0x07BD0000}, {18, 0, 0x0000006C},
      {19, 0, 0x0004FFC2}, {19, 1, 0x00000040}, {20, 0, 0x000003CE}, {21, 0, 0x0000008A}, {24, 1, 0x00000008},
      {25, 0, 0x0000000C}, {25, 1, 0x00000008}, {28, 0, 0x00000883},
  };
  std::size_t next = 0;
  for (std::size_t slot = 0; slot < kTaskSlots; ++slot) {
    for (std::size_t word = 0; word < kTaskSlotWords; ++word) {
      const bool listed = next < std::size(words) && words[next].slot == slot && words[next].word == word;
      EXPECT_EQ(readU32LE(in, 168 + 32 * slot + 4 * word), listed ? words[next].bits : 0u) << slot << '/' << word;
      next += listed ? 1 : 0;
    }
  }
}

TEST(FilterConfigLayout, ReadingAndWritingKeepsEveryByteAndRefusesOtherLengths) {
  std::mt19937 random(7);
  PhyFaFilterBytes bytes;
  for (std::uint8_t& byte : bytes) byte = static_cast<std::uint8_t>(random());
  const std::optional<PhyFaFilterConfig> config = readPhyFaFilterConfig(bytes);
  ASSERT_TRUE(config);
  EXPECT_EQ(toBytes(*config), bytes);
  EXPECT_EQ(config->tdStateTo, bytes[133]);
  EXPECT_EQ(config->gsmOptionsB, readU16LE(bytes, 146));
  EXPECT_EQ(config->taskBitmaps[29][7], readU32LE(bytes, 1124));
  for (const auto& [length, fault] :
       {std::pair{0u, ReadFault::Truncated}, {1127u, ReadFault::Truncated}, {1129u, ReadFault::Malformed}}) {
    std::vector<std::uint8_t> other(length, 0);
    EXPECT_FALSE(readPhyFaFilterConfig(other)) << length;
    const auto parsed = parsePhyFaFilterConfig(other);
    ASSERT_TRUE(std::holds_alternative<ReadFault>(parsed)) << length;
    EXPECT_EQ(std::get<ReadFault>(parsed), fault) << length;
  }
}

TEST(FilterEncoding, TdRowsAreVisitedFromRow32AndEachListStopsAt16) {
  PhyFaSelection selection;
  selection.primitives.set(0).set(40);
  PhyFaFilterConfig config = encodeFilterSelection(selection);
  EXPECT_EQ(usedSlots(config.tdPrimitiveIds), (std::vector<std::uint32_t>{1013, 1512}));
  EXPECT_EQ(config.tdPrimitiveIds[2], kEmptyPrimitiveSlot);
  EXPECT_EQ(usedSlots(config.gsmPrimitiveIds), std::vector<std::uint32_t>{});

  selection.primitives.set();  // every row of both lists
  config = encodeFilterSelection(selection);
  EXPECT_EQ(config.tdPrimitiveIds.front(), L1PrimitiveTable[32].identifier);
  EXPECT_EQ(config.tdPrimitiveIds.back(), L1PrimitiveTable[47].identifier);
  EXPECT_EQ(config.gsmPrimitiveIds.front(), L1PrimitiveTable[64].identifier);
  EXPECT_EQ(config.gsmPrimitiveIds.back(), L1PrimitiveTable[79].identifier);
}

TEST(FilterEncoding, TaskMessagesSetTheirSlotBitAndTheirTasksMaskBit) {
  struct Case {
    const char* message;
    std::size_t offset;  // of the byte holding the bit
    std::uint8_t bit;
    std::uint32_t td, gsm, common;  // masks
  };
  const Case cases[] = {
      // Task 14 has the last slot (29, from byte 1096), not slot 14.
      {"MSG_MACE_UPCCT_ENC_REQ", 1096, 0x02, 0x4000, 0, 0},
      {"MSG_TPC_PC_DUMP_CMD_IND", 168, 0x02, 0x0001, 0, 0},
      {"MSG_FCP_HLP_MEM_ALLOCATE_COMP_ID", 168 + 32 * 14 + 6, 0x01, 0, 0x0002, 0},  // task 33, index 48
      {"MSG_GSM_MEAS_HLP_PT_FCB_CNF", 168 + 32 * 25 + 6, 0x01, 0, 0x1000, 0},       // task 44, index 48
      {"MSG_GSM_ISR_TDDCS_DATA_IND", 168 + 32 * 26 + 17, 0x02, 0, 0, 0x0002},       // task 129, index 137
      {"MSG_COM_PSD_TASK_PC_ALARM_IND", 168 + 32 * 28, 0x01, 0, 0, 0x0008},         // task 131, index 0
  };
  for (const Case& c : cases) {
    const PhyFaFilterConfig config = encodeFilterSelection(messagesTicked({c.message}));
    const PhyFaFilterBytes bytes = toBytes(config);
    std::size_t setBytes = 0;
    for (std::size_t at = phyfa::kTaskBitmaps; at < bytes.size(); ++at) setBytes += bytes[at] != 0 ? 1 : 0;
    EXPECT_EQ(setBytes, 1u) << c.message;
    EXPECT_EQ(bytes[c.offset], c.bit) << c.message;
    EXPECT_EQ(config.tdTaskMask, c.td) << c.message;
    EXPECT_EQ(config.gsmTaskMask, c.gsm) << c.message;
    EXPECT_EQ(config.commonTaskMask, c.common) << c.message;
    EXPECT_EQ(decodeFilterConfig(config).taskMessages, messagesTicked({c.message}).taskMessages);
  }
}

TEST(FilterEncoding, StatesSwitchesAndOptionsAreStoredAsChosen) {
  PhyFaSelection selection;
  selection.switches = {true, false, false, true};
  selection.tdStateFrom = 1;   // ICS
  selection.tdStateTo = 17;    // CNNT_RTX_TARGET
  selection.gsmStateFrom = 13; // SLEEP
  selection.gsmStateTo = 15;   // MANU_TEST
  selection.tdOptionsA = 0xFFFF;  // only ten boxes exist
  selection.tdOptionsB = 0x0181;
  selection.gsmOptionsA = 0x0201;
  selection.gsmOptionsB = 0x0080;
  const PhyFaFilterBytes bytes = toBytes(encodeFilterSelection(selection));
  EXPECT_EQ(readU32LE(bytes, 0), 0x01000001u);
  EXPECT_EQ(readU32LE(bytes, 132), 0x00004811u);
  EXPECT_EQ(readU32LE(bytes, 136), 0x008103FFu);
  EXPECT_EQ(readU32LE(bytes, 140), 0x0000E0A0u);
  EXPECT_EQ(readU32LE(bytes, 144), 0x00800201u);

  PhyFaSelection expected = selection;
  expected.tdOptionsA = 0x03FF;
  expected.tdOptionsB = 0x0081;
  EXPECT_EQ(decodeFilterConfig(encodeFilterSelection(selection)), expected);
}

TEST(FilterDecoding, TheFirstRowOfAListWinsAndTheFirstEmptySlotEndsIt) {
  PhyFaFilterConfig config = encodeFilterSelection({});
  config.tdPrimitiveIds[0] = 1534;   // rows 22 (TD) and 120 (GSM)
  config.gsmPrimitiveIds[0] = 21245; // rows 97 and 124, both GSM
  config.gsmPrimitiveIds[1] = 1534;
  config.gsmPrimitiveIds[2] = kEmptyPrimitiveSlot;
  config.gsmPrimitiveIds[3] = 21128;  // after the end: ignored
  EXPECT_EQ(tickedRows(decodeFilterConfig(config).primitives), (std::vector<std::size_t>{22, 97, 120}));

  // A TD identifier only counts against TD rows, a GSM one against GSM rows.
  config = encodeFilterSelection({});
  config.tdPrimitiveIds[0] = 21128;
  config.gsmPrimitiveIds[0] = 1512;
  EXPECT_EQ(tickedRows(decodeFilterConfig(config).primitives), std::vector<std::size_t>{});
}

TEST(FilterDecoding, StateCodesOutsideTheTablesAndNonZeroReservedBytesReadAsInit) {
  struct Case {
    std::size_t offset;
    std::uint8_t value;
    std::size_t PhyFaSelection::*row;
    std::size_t expected;
  };
  const Case cases[] = {
      {133, 0x48, &PhyFaSelection::tdStateTo, 17},
      {134, 0x01, &PhyFaSelection::tdStateTo, 0},   // 0x48 with a non-zero reserved byte
      {135, 0x80, &PhyFaSelection::tdStateTo, 0},
      {132, 0x99, &PhyFaSelection::tdStateFrom, 0},
      {132, 0x48, &PhyFaSelection::tdStateFrom, 17},
      {141, 0xE0, &PhyFaSelection::gsmStateTo, 15},
      {142, 0x01, &PhyFaSelection::gsmStateTo, 0},
      {140, 0x48, &PhyFaSelection::gsmStateFrom, 0},  // a TD code only
  };
  PhyFaFilterBytes bytes = toBytes(encodeFilterSelection({}));
  for (const Case& c : cases) {
    bytes[c.offset] = c.value;  // cumulative: 134 keeps 133 at 0x48
    EXPECT_EQ(decodeFilterConfig(*readPhyFaFilterConfig(bytes)).*c.row, c.expected) << c.offset;
  }
}

TEST(FilterDecoding, WhatNoRowNamesIsDroppedWhenEncodedAgain) {
  PhyFaFilterConfig config = encodeFilterSelection(messagesTicked({"MSG_FCP_PC_HO_INFO"}));
  config.tdPrimitiveIds[0] = 99999;  // no row
  config.tdPrimitiveIds[1] = 1512;
  config.gsmPrimitiveIds[0] = 1512;  // a TD identifier in the GSM list
  config.taskBitmaps[3][3] = 0x80000000;  // task 3 has no message 127
  config.taskBitmaps[12][0] = 0x1;        // task 12 has no messages at all
  config.tdTaskMask = 0xFFFFFFFF;         // masks are recomputed from the bitmaps
  config.reserved = {1, 2};
  config.switches = {2, 1, 0, 0xFF};      // only 1 means on
  config.gsmOptionsB = 0xFF00;

  PhyFaFilterConfig expected = encodeFilterSelection(messagesTicked({"MSG_FCP_PC_HO_INFO"}));
  expected.tdPrimitiveIds[0] = 1512;
  expected.switches = {0, 1, 0, 0};
  EXPECT_EQ(roundTrip(config), expected);
  EXPECT_EQ(roundTrip(expected), expected);
}

TEST(FilterDecoding, TicksEveryMessageOfAFullConfiguration) {
  PhyFaSelection all;
  all.taskMessages.set();
  const PhyFaFilterConfig config = encodeFilterSelection(all);
  EXPECT_EQ(decodeFilterConfig(config).taskMessages.count(), kL1TaskMessageCount);
  // Tasks 12, 34, 42 and 130 have slots but no messages.
  EXPECT_EQ(config.tdTaskMask, 0x6FFFu);
  EXPECT_EQ(config.gsmTaskMask, 0x1BFAu);
  EXPECT_EQ(config.commonTaskMask, 0xAu);
}

const std::vector<std::uint8_t> kDefaultBytes = [] {
  const PhyFaFilterBytes bytes = toBytes(builtInPhyFaFilterConfig());
  return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}();

std::vector<std::uint8_t> callGetPhyFaFilterDefault() {
  unsigned int length = 77;
  unsigned char* block = GetPhyFaFilterDefault(&length);
  EXPECT_NE(block, nullptr);
  return test::takeBuffer(block, length);
}

TEST(GetPhyFaFilterDefault, OnlyAReadableStoredValueOfExactly1128BytesReplacesTheDefault) {
  std::vector<std::uint8_t> stored(1128);
  std::iota(stored.begin(), stored.end(), std::uint8_t{0});
  for (const std::size_t length : {0u, 1127u, 1129u, 1128u}) {  // stored bytes; 0 for none
    test::ScriptedHost host;
    std::vector<std::uint8_t> value = stored;
    value.resize(length, 0xAA);
    if (length > 0) host.profile().writeBinary("Settings", "LastPhyFaConfig", value);
    EXPECT_EQ(callGetPhyFaFilterDefault(), length == 1128 ? stored : kDefaultBytes) << length;
    EXPECT_TRUE(host.toolkit().dialogsRun().empty());
  }
  {
    test::ScriptedHost host;
    host.profile().writeString("Settings", "LastPhyFaConfig", std::string(2256, 'G'));
    EXPECT_EQ(callGetPhyFaFilterDefault(), kDefaultBytes);
    EXPECT_EQ(GetPhyFaFilterDefault(nullptr), nullptr);
  }
  EXPECT_EQ(callGetPhyFaFilterDefault(), kDefaultBytes);  // no toolkit installed, so no profile
}

}  // namespace
