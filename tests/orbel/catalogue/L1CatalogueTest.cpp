// Spot rows of the layer-1 tables from independent examples: task messages in
// filter-tree order, primitives of both lists and states with their codes.
// Sizes, sort order and the intended duplicates are checked beside the tables.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "orbel/catalogue/L1PrimitiveTable.h"
#include "orbel/catalogue/L1StateTables.h"
#include "orbel/catalogue/L1TaskTables.h"

namespace {

using namespace orbel;

TEST(L1TaskTables, SpotMessagesInTreeOrder) {
  struct Spot {
    std::size_t row;
    const char* name;
    std::uint32_t task;
    std::uint32_t index;
  };
  // Tree order is table order; indexes out of numeric order are part of it.
  const Spot spots[] = {
      {0, "MSG_FCP_UPCCT_DATA_ENC_REQ", 1, 1},
      {42, "MSG_L1RESP_PC_HCS_CELL_S_RULE_INFO", 9, 28},
      {137, "MSG_IQPREPRO_L1MEAS_REQ", 13, 6},  // the task lists indexes 6, 11, 4, 5
      {140, "MSG_IQPREPRO_CST_REQ", 13, 5},
      {172, "MSG_GSM_EFRENC_ENC_DATA_REQ", 41, 1},
      {182, "MSG_COM_PSD_TASK_PC_ALARM_IND", 131, 0},
      {266, "MSG_MACE_UPCCT_ENC_REQ", 14, 1},
      {267, "MSG_MACE_HLP_ACCES_REQ", 14, 2},
  };
  for (const Spot& spot : spots) {
    EXPECT_EQ(findTaskMessage(spot.name), spot.row) << spot.name;
    EXPECT_EQ(L1TaskMessageTable[spot.row].value, taskMessageValue(spot.task, spot.index)) << spot.name;
  }
  EXPECT_EQ(taskMessageValue(14, 1), 0x000E0001u);  // the task in the high word, the index in the low
  EXPECT_EQ(L1TaskTable.front().name, "FCP");
  EXPECT_EQ(L1TaskTable.back().name, "L1CC_MACE");
  EXPECT_EQ(L1TaskTable.back().number, 14u);
}

// A name found by a lookup is the only one of its kind; values are checked unique beside the table.
TEST(L1TaskTables, MessageNamesAreUniqueAndAnUnknownOneIsNotFound) {
  std::set<std::string_view> names;
  for (const L1TaskMessage& message : L1TaskMessageTable)
    EXPECT_TRUE(names.insert(message.name).second) << message.name;
  EXPECT_FALSE(findTaskMessage("MSG_NOT_THERE"));
}

TEST(L1PrimitiveTable, RowsOfBothListsWithTheirIdentifiers) {
  ASSERT_EQ(L1PrimitiveTable.size(), 155u);
  struct Spot {
    std::size_t row;
    const char* name;
    std::uint32_t identifier;
  };
  const Spot spots[] = {
      {0, "P_HLS_L1_SEARCHNEXT_REQ", 1512},     {30, "P_L1_HLS_INIT_IND", 1000},
      {60, "P_L1_HLS_MODE_CHANGE_CNF", 1830},   {63, "MSG_ID_RR_MPAL_PDCH_DATA_REQ", 21208},
      {64, "MSG_ID_RR_MPAL_RACH_REQ", 21209},   {116, "MSG_ID_RR_MPAL_CS_DATA_REQ", 21151},
      {147, "MSG_ID_MPAL_RR_CLOSE_TCH_LOOP_CNF", 211027}, {154, "P_L1_HLS_STOP_CELLSEARCH_CNF", 1044},
  };
  for (const Spot& spot : spots) {
    EXPECT_EQ(L1PrimitiveTable[spot.row].name, spot.name) << spot.row;
    EXPECT_EQ(L1PrimitiveTable[spot.row].identifier, spot.identifier) << spot.row;
  }
}

TEST(L1StateTables, SpotStatesWithTheirCodes) {
  EXPECT_EQ(TdL1StateTable[1].name, "ICS");
  EXPECT_EQ(TdL1StateTable[1].code, 0x11u);
  EXPECT_EQ(TdL1StateTable[17].name, "CNNT_RTX_TARGET");  // the built-in default's "to" state
  EXPECT_EQ(findStateRow(TdL1StateTable, 0x48), 17u);
  EXPECT_EQ(GsmL1StateTable[13].name, "SLEEP");
  EXPECT_EQ(GsmL1StateTable[13].code, 0xA0u);
  EXPECT_EQ(findStateRow(GsmL1StateTable, 0xE0), 15u);  // MANU_TEST
  EXPECT_FALSE(findStateRow(GsmL1StateTable, 0x11));
}

}  // namespace
