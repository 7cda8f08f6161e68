// The layer-1 tables as layer 1 knows them: the tasks and their messages in
// filter-tree order, the primitives of both lists with their intended
// duplicate identifiers, and the two state tables.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "orbel/catalogue/L1PrimitiveTable.h"
#include "orbel/catalogue/L1StateTables.h"
#include "orbel/catalogue/L1TaskTables.h"

namespace {

using namespace orbel;

TEST(L1TaskTables, EachTaskListsItsMessagesInTreeOrder) {
  struct Task {
    const char* name;
    std::uint32_t number;
    const char* first;
    const char* last;
    const char* indexes;  // message indexes in table order
  };
  // Table order is tree order; indexes out of numeric order are part of it.
  const Task tasks[] = {
      {"FCP", 1, "MSG_FCP_UPCCT_DATA_ENC_REQ", "MSG_FCP_L1RESP_ISCP_DEL", "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15"},
      {"L1RESP", 9, "MSG_L1RESP_UPCCT_RACH_ENC_REQ", "MSG_L1RESP_PC_HCS_CELL_S_RULE_INFO",
       "1 2 3 4 5 6 11 7 8 9 10 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28"},
      {"L1CC_HSDSCH_DWCC", 8, "MSG_HSDSCCT_L1RESP_DATA_IND", "MSG_HSDSCCT_PC_HSPDSCH_INFO_IND", "1 2 3 4"},
      {"L1CC_UPCC", 3, "MSG_UPCCT_BCT_UPCC_OUTPUT_IND", "MSG_UPCCT_TFCI_INFO", "1 2 3"},
      {"L1CC_DWCC", 7, "MSG_DWCCT_L1RESP_DPCH_SCCPCH_IND", "MSG_DWCCT_L1RESP_MICH_IND", "1 2 3 4 5 6 7 8 9 10 11 12"},
      {"L1CC_JDA", 4, "MSG_AJDT_DWCCT_DATA_DEC_REQ", "MSG_JDT_L1RESP_SMALL_L_IND", "1 2 3 4 5 6 7 8 9 10 11 12 14 15"},
      {"L1CC_MEAS", 6, "MSG_L1MEAS_L1RESP_GENERAL_IND", "MSG_MEAS_PC_CS_SYNC_OTD2_IND",
       "1 2 3 4 5 6 7 8 9 10 11 12 13"},
      {"L1CC_BC", 2, "MSG_BCT_PC_HSSICH_DATA_IND", "MSG_BCT_PC_SMALL_UL_FC_DATA_IND", "1 3 4 5 6"},
      {"L1CC_PRE_JDT", 11, "MSG_PJDT_JDT_PREJD_DONE_IND", "MSG_PJDT_L1RESP_HSPDSCH_MEAS_RESULT_IND", "1 2 3 4"},
      {"HLP", 10, "MSG_HLP_CST_STOPCS_REQ", "MSG_HLP_PC_HCS_MEAS_TABLE_IND",
       "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19"},
      {"L1CC_CS", 5, "MSG_CST_FCP_RX_CFG_REQ", "MSG_CST_JDT_CAL_FOE_REQ",
       "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20"},
      {"L1CC_IQ_PREPROCESS", 13, "MSG_IQPREPRO_L1MEAS_REQ", "MSG_IQPREPRO_CST_REQ", "6 11 4 5"},
      {"GSM_FCP", 33, "MSG_GSM_FCP_PC_TCH_ARFCN_IND", "MSG_GSM_FCP_PSD_DD_EVENT_INFO", "1 2 3 48 32 4 5 16 17 33 34"},
      {"GSM_EQ_MC", 37, "MSG_GSM_EQ_DEC_DATA_IND", "MSG_GSM_EQ_PSD_XACCH_IQ_INFO", "1 2 3 4 5 6 32"},
      {"GSM_CC_DEC_MC", 40, "MSG_GSM_DEC_L1RESP_BSIC_IND", "MSG_GSM_DEC_L1RESP_PTCCH_DATA_IND", "1 2 3 4 5 6 7"},
      {"GSM_MEAS_MC", 44, "MSG_GSM_MEAS_L1RESP_RSSIMEAS_IND", "MSG_GSM_MEAS_HLP_PT_FCB_CNF", "1 2 3 4 35 48"},
      {"GSM_EFR_ENC_MC", 41, "MSG_GSM_EFRENC_ENC_DATA_REQ", "MSG_GSM_EFRENC_ENC_DATA_REQ", "1"},
      {"GSM_MEAS_TDD_MC", 39, "MSG_GSM_MEAS_TDD_PSD_FS_IND", "MSG_GSM_MEAS_TDD_PSD_192_IQ_DATA_IND",
       "1 2 3 6 7 8 9 10 11"},
      {"COMMON_PSEUDO_TASK", 131, "MSG_COM_PSD_TASK_PC_ALARM_IND", "MSG_COM_PSD_TASK_TEST_RESULT_IND",
       "0 1 2 3 4 5 6 8 9 32 33 34 35 36 10 11 12 13 14 15 7 20"},
      {"INT_TASK", 129, "MSG_ISR_IQPREPRO_REQ", "MSG_GSM_ISR_TDDCS_DATA_IND",
       "1 2 3 4 5 6 129 130 131 133 134 135 132 136 137"},
      {"SYS", 0, "MSG_TPC_PC_DUMP_CMD_IND", "MSG_L1_MEM_INFO", "1 2 3 4 5 6 7 8 9 10 11 12"},
      {"GSM_L1_RESP", 35, "MSG_L1RESP_HLP_NOCELL_SEARCH_RF_RESULT", "MSG_GSM_L1RESP_PSD_TOP6_INFO", "48 49 32"},
      {"GSM_HLP", 36, "MSG_HLP_FCP_STATE_CHANGE_REQ", "MSG_GSM_L1CC_FCP_NOCELL_SLEEP_REQ",
       "48 50 51 52 53 55 56 57 58"},
      {"GSM_TDD_JD_MC", 38, "MSG_GSM_ISR_JDT_JDA_DONE_IND", "MSG_GSM_CS_TDD_PSD_CCDEC_IND",
       "38 43 1 2 6 7 8 9 10 11 12 13 14 15 16 17 18"},
      {"GSM_TDD_CC_DEC_MC", 43, "MSG_GSM_DWCCT_L1RESP_PCCPCH_IND", "MSG_GSM_DWCCT_L1RESP_PCCPCH_IND", "35"},
      {"L1CC_MACE", 14, "MSG_MACE_PC_INFO_OUTPUT", "MSG_MACE_HLP_ACCES_REQ", "3 4 5 6 7 1 2"},
  };
  ASSERT_EQ(std::size(tasks), L1TaskTable.size());
  ASSERT_EQ(L1TaskMessageTable.size(), 268u);
  std::size_t row = 0;
  for (std::size_t position = 0; position < L1TaskTable.size(); ++position) {
    const Task& expected = tasks[position];
    EXPECT_EQ(L1TaskTable[position].name, expected.name);
    EXPECT_EQ(L1TaskTable[position].number, expected.number);
    const std::size_t first = row;
    std::string indexes;
    for (; row < L1TaskMessageTable.size() && taskOfMessage(L1TaskMessageTable[row].value) == expected.number; ++row)
      indexes += (indexes.empty() ? "" : " ") + std::to_string(indexOfMessage(L1TaskMessageTable[row].value));
    EXPECT_EQ(indexes, expected.indexes) << expected.name;
    ASSERT_GT(row, first) << expected.name;
    EXPECT_EQ(L1TaskMessageTable[first].name, expected.first);
    EXPECT_EQ(L1TaskMessageTable[row - 1].name, expected.last);
  }
  EXPECT_EQ(row, L1TaskMessageTable.size());
}

TEST(L1TaskTables, MessageNamesAreUniqueAndFindable) {
  std::set<std::string_view> names;
  for (const L1TaskMessage& message : L1TaskMessageTable)
    EXPECT_TRUE(names.insert(message.name).second) << message.name;
  EXPECT_EQ(findTaskMessage("MSG_MACE_UPCCT_ENC_REQ"), 266u);
  EXPECT_EQ(L1TaskMessageTable[266].value, 0x000E0001u);  // task 14, index 1
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

TEST(L1PrimitiveTable, OnlyTheIntendedRowsShareNamesOrIdentifiers) {
  std::multiset<std::uint32_t> identifiers;
  std::multiset<std::string_view> names;
  for (const L1Primitive& primitive : L1PrimitiveTable) {
    identifiers.insert(primitive.identifier);
    names.insert(primitive.name);
  }
  std::set<std::uint32_t> sharedIds;
  for (std::uint32_t id : identifiers)
    if (identifiers.count(id) > 1) sharedIds.insert(id);
  EXPECT_EQ(sharedIds, (std::set<std::uint32_t>{1534, 21245}));
  // Row 120 repeats row 22 in the GSM list; rows 97 and 124 differ by name.
  EXPECT_EQ(L1PrimitiveTable[120].name, L1PrimitiveTable[22].name);
  EXPECT_EQ(names.size() - std::set<std::string_view>(names.begin(), names.end()).size(), 1u);
  EXPECT_EQ(L1PrimitiveTable[97].name, "MSG_ID_RR_MPAL_IR_MS_OUT_OF_MEMORY");
  EXPECT_EQ(L1PrimitiveTable[124].name, "MSG_ID_MPAL_RR_IR_MS_OUT_OF_MEMORY");
}

std::string joined(std::span<const L1State> table) {
  std::string text;
  for (const L1State& state : table) {
    char code[8];
    std::snprintf(code, sizeof code, "%02X", state.code);
    text += (text.empty() ? "" : " ") + std::string(state.name) + '=' + code;
  }
  return text;
}

TEST(L1StateTables, StatesInChoiceOrderWithTheirCodes) {
  EXPECT_EQ(joined(TdL1StateTable),
            "INIT=00 ICS=11 RCS=12 HHO_RCS=13 SYNC_CS=14 IDLE=20 SLEEP=21 RA_READY=31 RA_WAIT_SCCPCH=32 "
            "RA_WAIT_FPACH=33 CNNT_INIT=41 CNNT_NORMAL=42 CNNT_OUTOFSYNC=43 CNNT_RL_MODIFY=44 L1_CNNT_HO_MEAS_OTD=45 "
            "CNNT_HHO_ULSYNC=46 CNNT_BHO_TX_TARGET=47 CNNT_RTX_TARGET=48");
  EXPECT_EQ(joined(GsmL1StateTable),
            "INIT=00 SEARCH_RF=10 CS=20 FCB=21 SB=22 SYNC=23 CS_IDLE=30 PS_IDLE=40 CS_RACH=50 PS_RACH=60 "
            "DEDICATED=70 HANDOVER=80 TRANSFER=90 SLEEP=A0 NOCELL=B0 MANU_TEST=E0");
}

}  // namespace
