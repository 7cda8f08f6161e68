// The layer-1 tasks and the internal messages they send each other, in the
// order of the layer-1 filter tree: tasks in table order, each task's
// messages below it in the order of the message table. A message's value is
// its task number times 65536 plus its index within the task.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orbel {

struct L1Task {
  std::string_view name;
  std::uint32_t number;
};

struct L1TaskMessage {
  std::string_view name;
  std::uint32_t value;
};

constexpr std::uint32_t taskMessageValue(std::uint32_t task, std::uint32_t index) { return task << 16 | index; }
// Bits 16 to 23 of a message value.
constexpr std::uint32_t taskOfMessage(std::uint32_t value) { return value >> 16 & 0xFF; }
// Bits 0 to 15 of a message value.
constexpr std::uint32_t indexOfMessage(std::uint32_t value) { return value & 0xFFFF; }

inline constexpr std::size_t kL1TaskCount = 26;
inline constexpr std::size_t kL1TaskMessageCount = 268;

// Tasks 0 to 14 run the TD-SCDMA layer 1, 33 to 44 the GSM layer 1, 129 and
// 131 serve both.
inline constexpr std::array<L1Task, kL1TaskCount> L1TaskTable{{
    {"FCP", 1},
    {"L1RESP", 9},
    {"L1CC_HSDSCH_DWCC", 8},
    {"L1CC_UPCC", 3},
    {"L1CC_DWCC", 7},
    {"L1CC_JDA", 4},
    {"L1CC_MEAS", 6},
    {"L1CC_BC", 2},
    {"L1CC_PRE_JDT", 11},
    {"HLP", 10},
    {"L1CC_CS", 5},
    {"L1CC_IQ_PREPROCESS", 13},
    {"GSM_FCP", 33},
    {"GSM_EQ_MC", 37},
    {"GSM_CC_DEC_MC", 40},
    {"GSM_MEAS_MC", 44},
    {"GSM_EFR_ENC_MC", 41},
    {"GSM_MEAS_TDD_MC", 39},
    {"COMMON_PSEUDO_TASK", 131},
    {"INT_TASK", 129},
    {"SYS", 0},
    {"GSM_L1_RESP", 35},
    {"GSM_HLP", 36},
    {"GSM_TDD_JD_MC", 38},
    {"GSM_TDD_CC_DEC_MC", 43},
    {"L1CC_MACE", 14},
}};

inline constexpr std::array<L1TaskMessage, kL1TaskMessageCount> L1TaskMessageTable{{
    // FCP (task 1): 15
    {"MSG_FCP_UPCCT_DATA_ENC_REQ", taskMessageValue(1, 1)},
    {"MSG_FCP_BCT_BC_REQ", taskMessageValue(1, 2)},
    {"MSG_FCP_CST_NO_NET_CS_REQ", taskMessageValue(1, 3)},
    {"MSG_FCP_L1RESP_RL_CNF", taskMessageValue(1, 4)},
    {"MSG_FCP_L1RESP_CFN_IND", taskMessageValue(1, 5)},
    {"MSG_FCP_PC_MEAS_FREQ_TAB_INFO", taskMessageValue(1, 6)},
    {"MSG_FCP_PC_MEAS_FRAME_TASK_INFO", taskMessageValue(1, 7)},
    {"MSG_FCP_PC_HO_INFO", taskMessageValue(1, 8)},
    {"MSG_FCP_PC_AGC_INFO", taskMessageValue(1, 9)},
    {"MSG_FCP_DWCC_EHICH_INFO", taskMessageValue(1, 10)},
    {"MSG_FCP_L1RESP_HSUPA_CFG_CNF", taskMessageValue(1, 11)},
    {"MSG_FCP_MACE_FRAME_INFO", taskMessageValue(1, 12)},
    {"MSG_FCP_PC_IDLE_SUBSFN_INFO", taskMessageValue(1, 13)},
    {"MSG_FCP_L1RESP_HSDPA_CFG_CNF", taskMessageValue(1, 14)},
    {"MSG_FCP_L1RESP_ISCP_DEL", taskMessageValue(1, 15)},
    // L1RESP (task 9): 28
    {"MSG_L1RESP_UPCCT_RACH_ENC_REQ", taskMessageValue(9, 1)},
    {"MSG_L1RESP_CST_MS_RESULT_CNF", taskMessageValue(9, 2)},
    {"MSG_L1RESP_PC_HSDPA_STATISITIC_INFO_IND", taskMessageValue(9, 3)},
    {"MSG_L1RESP_PC_DL_FC_DATA_IND", taskMessageValue(9, 4)},
    {"MSG_L1RESP_PC_NCELL_INFO_IND", taskMessageValue(9, 5)},
    {"MSG_L1RESP_PC_CC_PARA_IND", taskMessageValue(9, 6)},
    {"MSG_L1RESP_PC_MEAS_RESULT_INFO", taskMessageValue(9, 11)},
    {"MSG_L1RESP_PC_SINTRA_EVALUATE", taskMessageValue(9, 7)},
    {"MSG_L1RESP_PC_SINTER_EVALUATE", taskMessageValue(9, 8)},
    {"MSG_L1RESP_PC_SINTERRAT_EVALUATE", taskMessageValue(9, 9)},
    {"MSG_L1RESP_PC_RCS_EVALUATE_CELL_INFO", taskMessageValue(9, 10)},
    {"MSG_L1RESP_PC_RA_INFO", taskMessageValue(9, 12)},
    {"MSG_L1RESP_PC_CELL_RESELECT_INFO", taskMessageValue(9, 13)},
    {"MSG_L1RESP_PC_PCCH_DATA_IND", taskMessageValue(9, 14)},
    {"MSG_L1RESP_PC_GSM_RSSI_INFO", taskMessageValue(9, 15)},
    {"MSG_L1RESP_PC_GSM_INIT_BSIC_INFO", taskMessageValue(9, 16)},
    {"MSG_L1RESP_PC_GSM_REBSIC_INFO", taskMessageValue(9, 17)},
    {"MSG_L1RESP_PC_GSM_SYNC_INFO", taskMessageValue(9, 18)},
    {"MSG_L1RESP_MACE_RA_RESULT", taskMessageValue(9, 19)},
    {"MSG_L1RESP2FCP_PRACH_INFO", taskMessageValue(9, 20)},
    {"MSG_L1RESP_CST_SCAN_SYNC_RSSI_REQ", taskMessageValue(9, 21)},
    {"MSG_L1RESP_CST_DETECT_CELL_REQ", taskMessageValue(9, 22)},
    {"MSG_L1RESP_PC_ADJUST_AFC_INFO", taskMessageValue(9, 23)},
    {"MSG_L1RESP_PC_SNPL_TOP6_IND", taskMessageValue(9, 24)},
    {"MSG_L1RESP2FCP_CFG_SB_INFO", taskMessageValue(9, 25)},
    {"MSG_L1RESP_PC_TOGGLE_MOBILITY_STATUS", taskMessageValue(9, 26)},
    {"MSG_L1RESP_PC_HCS_RCS_EVALUATE_CELL_INFO", taskMessageValue(9, 27)},
    {"MSG_L1RESP_PC_HCS_CELL_S_RULE_INFO", taskMessageValue(9, 28)},
    // L1CC_HSDSCH_DWCC (task 8): 4
    {"MSG_HSDSCCT_L1RESP_DATA_IND", taskMessageValue(8, 1)},
    {"MSG_HSDSCCT_BCT_ACK_NACK_IND", taskMessageValue(8, 2)},
    {"MSG_HSDSCCT_PC_HSDPA_STAT_INFO_IND", taskMessageValue(8, 3)},
    {"MSG_HSDSCCT_PC_HSPDSCH_INFO_IND", taskMessageValue(8, 4)},
    // L1CC_UPCC (task 3): 3
    {"MSG_UPCCT_BCT_UPCC_OUTPUT_IND", taskMessageValue(3, 1)},
    {"MSG_UPCCT_FCP_TSN_IND", taskMessageValue(3, 2)},
    {"MSG_UPCCT_TFCI_INFO", taskMessageValue(3, 3)},
    // L1CC_DWCC (task 7): 12
    {"MSG_DWCCT_L1RESP_DPCH_SCCPCH_IND", taskMessageValue(7, 1)},
    {"MSG_DWCCT_L1RESP_PCCPCH_IND", taskMessageValue(7, 2)},
    {"MSG_DWCCT_L1RESP_FPACH_IND", taskMessageValue(7, 3)},
    {"MSG_DWCCT_L1RESP_PICH_IND", taskMessageValue(7, 4)},
    {"MSG_DWCCT_FCP_EAGCH_IND", taskMessageValue(7, 5)},
    {"MSG_DWCCT_MACE_EHICH_IND", taskMessageValue(7, 6)},
    {"MSG_DWCCT_BCT_EAGCH_TPC_SS_IND", taskMessageValue(7, 7)},
    {"MSG_DWCCT_BCT_EHICH_TPC_SS_IND", taskMessageValue(7, 8)},
    {"MSG_DWCCT_L1RESP_EAGCH_IND", taskMessageValue(7, 9)},
    {"MSG_DWCCT_EAGCH_INFO", taskMessageValue(7, 10)},
    {"MSG_DWCCT_EHICH_INFO", taskMessageValue(7, 11)},
    {"MSG_DWCCT_L1RESP_MICH_IND", taskMessageValue(7, 12)},
    // L1CC_JDA (task 4): 14
    {"MSG_AJDT_DWCCT_DATA_DEC_REQ", taskMessageValue(4, 1)},
    {"MSG_JDT_BCT_HSPDSCH_SNR_IND", taskMessageValue(4, 2)},
    {"MSG_AJDT_BCT_HSPDSCH_CHAN_CFG_IND", taskMessageValue(4, 3)},
    {"MSG_AJDT_BCT_TPC_SS_IND", taskMessageValue(4, 4)},
    {"MSG_AJD_HSDSCCT_DATA_DEC_REQ", taskMessageValue(4, 5)},
    {"MSG_JDT_L1RESP_IND", taskMessageValue(4, 6)},
    {"MSG_JDT_CST_FOE_RESULT_IND", taskMessageValue(4, 7)},
    {"MSG_JDT_PC_DATA_BEFORE_MODULATION_TDD_IND", taskMessageValue(4, 8)},
    {"MSG_AJD_PC_HSSCCH_INFO", taskMessageValue(4, 9)},
    {"MSG_JDT_PC_L1CC2JD_BMN_LIST_IND", taskMessageValue(4, 10)},
    {"MSG_JDT_PC_HIGH_SPEED_FOE_INFO", taskMessageValue(4, 11)},
    {"MSG_JDT_L1RESP_SMALL_A_IND", taskMessageValue(4, 12)},
    {"MSG_JDT_L1RESP_HSPDSCH_MEAS_RESULT_IND", taskMessageValue(4, 14)},
    {"MSG_JDT_L1RESP_SMALL_L_IND", taskMessageValue(4, 15)},
    // L1CC_MEAS (task 6): 13
    {"MSG_L1MEAS_L1RESP_GENERAL_IND", taskMessageValue(6, 1)},
    {"MSG_L1MEAS_L1RESP_BSIC_IND", taskMessageValue(6, 2)},
    {"MSG_L1MEAS_FCP_SB_IND", taskMessageValue(6, 3)},
    {"MSG_L1MEAS_PC_TS0_MEAS_CONFIG_CELL_INFO", taskMessageValue(6, 4)},
    {"MSG_L1MEAS_PC_DWPTS_MEAS_CONFIG_CELL_INFO", taskMessageValue(6, 5)},
    {"MSG_L1MEAS_L1RESP_GSM_SEARCH_RSSI_IND", taskMessageValue(6, 6)},
    {"MSG_L1MEAS_L1RESP_GSM_SEARCH_FCB_IND", taskMessageValue(6, 7)},
    {"MSG_L1MEAS_L1RESP_GSM_SEARCH_SB_IND", taskMessageValue(6, 8)},
    {"MSG_L1MEAS_L1RESP_GSM_SEARCH_BCCH_IND", taskMessageValue(6, 9)},
    {"MSG_L1MEAS_L1RESP_GSM_MEAS_RSSI_IND", taskMessageValue(6, 10)},
    {"MSG_L1MEAS_L1RESP_GSM_MEAS_SB_IND", taskMessageValue(6, 11)},
    {"MSG_MEAS_PC_CS_SYNC_RESYNC_IND", taskMessageValue(6, 12)},
    {"MSG_MEAS_PC_CS_SYNC_OTD2_IND", taskMessageValue(6, 13)},
    // L1CC_BC (task 2): 5
    {"MSG_BCT_PC_HSSICH_DATA_IND", taskMessageValue(2, 1)},
    {"MSG_BCT_UL_PC_FC_DATA_IND", taskMessageValue(2, 3)},
    {"MSG_BCT_PC_HSSICH_INFO", taskMessageValue(2, 4)},
    {"MSG_BCT_PC_COMPACT_UL_FC_DATA_IND", taskMessageValue(2, 5)},
    {"MSG_BCT_PC_SMALL_UL_FC_DATA_IND", taskMessageValue(2, 6)},
    // L1CC_PRE_JDT (task 11): 4
    {"MSG_PJDT_JDT_PREJD_DONE_IND", taskMessageValue(11, 1)},
    {"MSG_PJDT_PC_CHE_IND", taskMessageValue(11, 2)},
    {"MSG_PJDT_PC_TS0_JD_CONFIG_CELL_INFO", taskMessageValue(11, 3)},
    {"MSG_PJDT_L1RESP_HSPDSCH_MEAS_RESULT_IND", taskMessageValue(11, 4)},
    // HLP (task 10): 19
    {"MSG_HLP_CST_STOPCS_REQ", taskMessageValue(10, 1)},
    {"MSG_HLP_CST_ICS_REQ", taskMessageValue(10, 2)},
    {"MSG_HLP_CST_RCS_REQ", taskMessageValue(10, 3)},
    {"MSG_HLP_CST_SEARCH_NEXT_REQ", taskMessageValue(10, 4)},
    {"MSG_HLP_CST_SCAN_UTRAN_RSSI_REQ", taskMessageValue(10, 5)},
    {"MSG_HLP_CST_SCAN_UTRAN_CELLS_REQ", taskMessageValue(10, 6)},
    {"MSG_HLP_PAGING_INFO", taskMessageValue(10, 7)},
    {"MSG_HLP_PC_DW_DPCH_CCTRCH_INFO_IND", taskMessageValue(10, 8)},
    {"MSG_HLP_PC_DW_DPCH_TRCH_INFO_IND", taskMessageValue(10, 9)},
    {"MSG_HLP_PC_UP_DPCH_CCTRCH_INFO_IND", taskMessageValue(10, 10)},
    {"MSG_HLP_PC_UP_DPCH_TRCH_INFO_IND", taskMessageValue(10, 11)},
    {"MSG_HLP_PC_MEAS_TABLE_UPDATE_TIME_IND", taskMessageValue(10, 12)},
    {"MSG_HLP_PC_MEAS_TABLE_IND", taskMessageValue(10, 13)},
    {"MSG_HLP_PC_EXCLUDED_STRONG_NCELL_IND", taskMessageValue(10, 14)},
    {"MSG_HLP_PC_MEAS_TABLE_IND_2", taskMessageValue(10, 15)},
    {"MSG_HLP_CST_SCAN_UNSYNC_RSSI_REQ", taskMessageValue(10, 16)},
    {"MSG_HLP_CST_SCAN_CELL_REQ", taskMessageValue(10, 17)},
    {"MSG_HLP_CST_AMT_CS_REQ", taskMessageValue(10, 18)},
    {"MSG_HLP_PC_HCS_MEAS_TABLE_IND", taskMessageValue(10, 19)},
    // L1CC_CS (task 5): 20
    {"MSG_CST_FCP_RX_CFG_REQ", taskMessageValue(5, 1)},
    {"MSG_CST_FCP_SCELL_SYNC_ADJ", taskMessageValue(5, 2)},
    {"MSG_CST_L1RESP_CELL_SEARCH_CNF", taskMessageValue(5, 3)},
    {"MSG_CST_L1RESP_SCAN_CELL_CNF", taskMessageValue(5, 4)},
    {"MSG_CST_L1RESP_SCAN_RSSI_CNF", taskMessageValue(5, 5)},
    {"MSG_CST_PREJDT_CAL_FOE_REQ", taskMessageValue(5, 6)},
    {"MSG_CST_PC_LOGGING_IND", taskMessageValue(5, 7)},
    {"MSG_CST_PC_FS_BAND_RESULT_IND", taskMessageValue(5, 8)},
    {"MSG_CST_PC_FS_FREQ_LIST_RESULT_IND", taskMessageValue(5, 9)},
    {"MSG_CST_PC_RSA_RESULT_IND", taskMessageValue(5, 10)},
    {"MSG_CST_PC_PSA_PEAK_OTD_RESULT_IND", taskMessageValue(5, 11)},
    {"MSG_CST_PC_PSA_COR_POW_IND", taskMessageValue(5, 12)},
    {"MSG_CST_PC_PSA2L1CC_IND", taskMessageValue(5, 13)},
    {"MSG_CST_PC_MM2L1CC_IND", taskMessageValue(5, 14)},
    {"MSG_CST_PC_CS_SYNC_PARA_IND", taskMessageValue(5, 15)},
    {"MSG_CST_PC_PSA_RESULT_IND", taskMessageValue(5, 16)},
    {"MSG_CST_PC_AGC_RAMPING_IND", taskMessageValue(5, 17)},
    {"MSG_CST_PC_PRECISE_FREQ_ADJ_IND", taskMessageValue(5, 18)},
    {"MSG_CST_PC_ROUGH_FREQ_ADJ_IND", taskMessageValue(5, 19)},
    {"MSG_CST_JDT_CAL_FOE_REQ", taskMessageValue(5, 20)},
    // L1CC_IQ_PREPROCESS (task 13): 4
    {"MSG_IQPREPRO_L1MEAS_REQ", taskMessageValue(13, 6)},
    {"MSG_IQPREPRO_PREJDT_REQ", taskMessageValue(13, 11)},
    {"MSG_IQPREPRO_JDT_REQ", taskMessageValue(13, 4)},
    {"MSG_IQPREPRO_CST_REQ", taskMessageValue(13, 5)},
    // GSM_FCP (task 33): 11
    {"MSG_GSM_FCP_PC_TCH_ARFCN_IND", taskMessageValue(33, 1)},
    {"MSG_GSM_FCP_ENC_DATA_REQ", taskMessageValue(33, 2)},
    {"MSG_GSM_FCP_L1RESP_SYNC_HANDOVER_IND", taskMessageValue(33, 3)},
    {"MSG_FCP_HLP_MEM_ALLOCATE_COMP_ID", taskMessageValue(33, 48)},
    {"MSG_GSM_FCP_PSD_FRAMETASK_INFO", taskMessageValue(33, 32)},
    {"MSG_GSM_FCP_L1RESP_HANDOVER_FAIL_IND", taskMessageValue(33, 4)},
    {"MSG_GSM_FCP_L1RESP_MEAS_FN_IND", taskMessageValue(33, 5)},
    {"MSG_GSM_FCP_HLP_PT_TX_CNF", taskMessageValue(33, 16)},
    {"MSG_GSM_FCP_HLP_PT_CYCLE_TX_CNF", taskMessageValue(33, 17)},
    {"MSG_GSM_FCP_PSD_SCELL_INFO", taskMessageValue(33, 33)},
    {"MSG_GSM_FCP_PSD_DD_EVENT_INFO", taskMessageValue(33, 34)},
    // GSM_EQ_MC (task 37): 7
    {"MSG_GSM_EQ_DEC_DATA_IND", taskMessageValue(37, 1)},
    {"MSG_GSM_EQ_L1RESP_SCELL_BEPMEAS_IND", taskMessageValue(37, 2)},
    {"MSG_GSM_EQ_FCP_USF_DEC_IND", taskMessageValue(37, 3)},
    {"MSG_GSM_EQ_PC_DATA_BEFORE_EQ_GSM_IND", taskMessageValue(37, 4)},
    {"MSG_GSM_EQ_L1RESP_DTX_BEPMEAS_IND", taskMessageValue(37, 5)},
    {"MSG_GSM_EQ_L1RESP_NCELL_BEPMEAS_IND", taskMessageValue(37, 6)},
    {"MSG_GSM_EQ_PSD_XACCH_IQ_INFO", taskMessageValue(37, 32)},
    // GSM_CC_DEC_MC (task 40): 7
    {"MSG_GSM_DEC_L1RESP_BSIC_IND", taskMessageValue(40, 1)},
    {"MSG_GSM_DEC_L1RESP_DATA_IND", taskMessageValue(40, 2)},
    {"MSG_GSM_DEC_L1RESP_OUTOFMEM_IND", taskMessageValue(40, 3)},
    {"MSG_GSM_DEC_EFRDEC_DATA_IND", taskMessageValue(40, 4)},
    {"MSG_GSM_DEC_L1RESP_DTX_DATA_IND", taskMessageValue(40, 5)},
    {"MSG_GSM_DEC_FCP_USF_DEC_IND", taskMessageValue(40, 6)},
    {"MSG_GSM_DEC_L1RESP_PTCCH_DATA_IND", taskMessageValue(40, 7)},
    // GSM_MEAS_MC (task 44): 6
    {"MSG_GSM_MEAS_L1RESP_RSSIMEAS_IND", taskMessageValue(44, 1)},
    {"MSG_GSM_MEAS_L1RESP_FCBFAIL_IND", taskMessageValue(44, 2)},
    {"MSG_GSM_MEAS_FCP_FCBSUCC_IND", taskMessageValue(44, 3)},
    {"MSG_GSM_MEAS_MC_PC_IND", taskMessageValue(44, 4)},
    {"MSG_GSM_MEAS_L1RESP_FCBSUCC_IND", taskMessageValue(44, 35)},
    {"MSG_GSM_MEAS_HLP_PT_FCB_CNF", taskMessageValue(44, 48)},
    // GSM_EFR_ENC_MC (task 41): 1
    {"MSG_GSM_EFRENC_ENC_DATA_REQ", taskMessageValue(41, 1)},
    // GSM_MEAS_TDD_MC (task 39): 9
    {"MSG_GSM_MEAS_TDD_PSD_FS_IND", taskMessageValue(39, 1)},
    {"MSG_GSM_MEAS_TDD_PSD_RSA_IND", taskMessageValue(39, 2)},
    {"MSG_GSM_MEAS_TDD_PSD_PSA_IND", taskMessageValue(39, 3)},
    {"MSG_GSM_MEAS_TDD_PSD_NO_CPI_PSA_IND", taskMessageValue(39, 6)},
    {"MSG_GSM_MEAS_TDD_PSD_RSCP_IND", taskMessageValue(39, 7)},
    {"MSG_GSM_MEAS_TDD_FCP_RI_SUCC_BY_TS_IND", taskMessageValue(39, 8)},
    {"MSG_GSM_MEAS_TDD_PSD_PSA_AGC_IND", taskMessageValue(39, 9)},
    {"MSG_GSM_MEAS_TDD_PSD_128_IQ_DATA_IND", taskMessageValue(39, 10)},
    {"MSG_GSM_MEAS_TDD_PSD_192_IQ_DATA_IND", taskMessageValue(39, 11)},
    // COMMON_PSEUDO_TASK (task 131): 22
    {"MSG_COM_PSD_TASK_PC_ALARM_IND", taskMessageValue(131, 0)},
    {"MSG_COM_PSD_TASK_PC_PRINT_IND", taskMessageValue(131, 1)},
    {"MSG_COM_PSD_TASK_PC_OSC_SET", taskMessageValue(131, 2)},
    {"MSG_COM_PSD_TASK_PC_OSC_CLEAR", taskMessageValue(131, 3)},
    {"MSG_COM_PSD_TASK_PC_OSC_TOGGLE", taskMessageValue(131, 4)},
    {"MSG_COM_PSD_TASK_PC_COUNTER_REQ", taskMessageValue(131, 5)},
    {"MSG_COM_PSD_TASK_PC_COUNTER_CLEAN_REQ", taskMessageValue(131, 6)},
    {"MSG_COM_PSD_TASK_PC_TMP_INFO_IND", taskMessageValue(131, 8)},
    {"MSG_COM_PSD_TASK_PC_GSM_FC_IND", taskMessageValue(131, 9)},
    {"MSG_COM_PSD_TASK_PC_OAL_MM_ACB_IND", taskMessageValue(131, 32)},
    {"MSG_COM_PSD_TASK_PC_OAL_MM_GPCB_IND", taskMessageValue(131, 33)},
    {"MSG_COM_PSD_TASK_PC_OAL_MM_DPCB_IND", taskMessageValue(131, 34)},
    {"MSG_COM_PSD_TASK_PC_OAL_MM_TCB_IND", taskMessageValue(131, 35)},
    {"MSG_COM_PSD_TASK_PC_OAL_MM_SCB_IND", taskMessageValue(131, 36)},
    {"MSG_COM_PSD_TASK_DAMAGE_ERROR", taskMessageValue(131, 10)},
    {"MSG_COM_PSD_TASK_CONTEXT_SAVE", taskMessageValue(131, 11)},
    {"MSG_COM_PSD_TASK_PC_DATA_LOST_IND", taskMessageValue(131, 12)},
    {"MSG_COM_PSD_TASK_PC_THROUGHPUT_IND", taskMessageValue(131, 13)},
    {"MSG_CMD_PSD_TASK_PC_SCELL_MEAS_INFO", taskMessageValue(131, 14)},
    {"MSG_COM_PSD_TASK_PC_RX_IQ_DATA", taskMessageValue(131, 15)},
    {"MSG_COM_PSD_TASK_PC_L1STATE_IND", taskMessageValue(131, 7)},
    {"MSG_COM_PSD_TASK_TEST_RESULT_IND", taskMessageValue(131, 20)},
    // INT_TASK (task 129): 15
    {"MSG_ISR_IQPREPRO_REQ", taskMessageValue(129, 1)},
    {"MSG_ISR_FCP_REQ", taskMessageValue(129, 2)},
    {"MSG_WAKEUPISR_FCP_REQ", taskMessageValue(129, 3)},
    {"MSG_ISR_JDA_INPUT_READY_IND", taskMessageValue(129, 4)},
    {"MSG_ISR_JDT_JDA_DONE_IND", taskMessageValue(129, 5)},
    {"MSG_ISR_AMR_REQ", taskMessageValue(129, 6)},
    {"MSG_ISR_FCP_FRAMETIMER_IND", taskMessageValue(129, 129)},
    {"MSG_GSM_ISR_EQ_DATA_IND", taskMessageValue(129, 130)},
    {"MSG_GSM_ISR_MEAS_FCB_IND", taskMessageValue(129, 131)},
    {"MSG_GSM_ISR_EFRENC_AUDIODATA_IND", taskMessageValue(129, 133)},
    {"MSG_GSM_ISR_TDDMEAS_DATA_IND", taskMessageValue(129, 134)},
    {"MSG_GSM_ISR_TDDJD_DATA_IND", taskMessageValue(129, 135)},
    {"MSG_GSM_ISR_MEAS_DATA_IND", taskMessageValue(129, 132)},
    {"MSG_GSM_ISR_EFRENC_INIT_IND", taskMessageValue(129, 136)},
    {"MSG_GSM_ISR_TDDCS_DATA_IND", taskMessageValue(129, 137)},
    // SYS (task 0): 12
    {"MSG_TPC_PC_DUMP_CMD_IND", taskMessageValue(0, 1)},
    {"MSG_TPC_PC_COM_SET_IND", taskMessageValue(0, 2)},
    {"MSG_TPC_PC_LOG_CMD_IND", taskMessageValue(0, 3)},
    {"MSG_L1_PC_ACCESS_CNF", taskMessageValue(0, 4)},
    {"MSG_L1_PC_RELEASE_CNF", taskMessageValue(0, 5)},
    {"MSG_L1_PC_RELEASE_IND", taskMessageValue(0, 6)},
    {"MSG_L1_PC_ACCESS_IND", taskMessageValue(0, 7)},
    {"MSG_L1_PC_MEM_DUMP_IND", taskMessageValue(0, 8)},
    {"MSG_L1CC_OAL_MODE_CHANGE_REQ", taskMessageValue(0, 9)},
    {"MSG_L1_PC_MODE_CHANGE_INFO", taskMessageValue(0, 10)},
    {"MSG_L1_TASK_CYCLES_INFO", taskMessageValue(0, 11)},
    {"MSG_L1_MEM_INFO", taskMessageValue(0, 12)},
    // GSM_L1_RESP (task 35): 3
    {"MSG_L1RESP_HLP_NOCELL_SEARCH_RF_RESULT", taskMessageValue(35, 48)},
    {"MSG_GSM_L1RESP_HLP_PT_RSSI_RX_CNF", taskMessageValue(35, 49)},
    {"MSG_GSM_L1RESP_PSD_TOP6_INFO", taskMessageValue(35, 32)},
    // GSM_HLP (task 36): 9
    {"MSG_HLP_FCP_STATE_CHANGE_REQ", taskMessageValue(36, 48)},
    {"MSG_GSM_HLP_EFRENC_INIT_IND", taskMessageValue(36, 50)},
    {"MSG_GSM_HLP_FCP_CELL_RESELECT_REQ", taskMessageValue(36, 51)},
    {"MSG_GSM_L1CC_FCP_HO_FAIL_IND", taskMessageValue(36, 52)},
    {"MSG_GSM_HLP_CST_SEARCH_NEXT_REQ", taskMessageValue(36, 53)},
    {"MSG_GSM_HLP_CST_ICS_REQ", taskMessageValue(36, 55)},
    {"MSG_GSM_HLP_CST_STOPCS_REQ", taskMessageValue(36, 56)},
    {"MSG_GSM_HANDOVER_CH_MODE_CHANGE_IND", taskMessageValue(36, 57)},
    {"MSG_GSM_L1CC_FCP_NOCELL_SLEEP_REQ", taskMessageValue(36, 58)},
    // GSM_TDD_JD_MC (task 38): 17
    {"MSG_GSM_ISR_JDT_JDA_DONE_IND", taskMessageValue(38, 38)},
    {"MSG_GSM_TDDJD_DEC_DATA_REQ", taskMessageValue(38, 43)},
    {"MSG_GSM_JDT_CST_FOE_RESULT_IND", taskMessageValue(38, 1)},
    {"MSG_GSM_CST_PREJDT_CAL_FOE_REQ", taskMessageValue(38, 2)},
    {"MSG_GSM_MEAS_TDD_PSD_AGC_RAMPING_IND", taskMessageValue(38, 6)},
    {"MSG_GSM_MEAS_TDD_PSD_RFA_IND", taskMessageValue(38, 7)},
    {"MSG_GSM_MEAS_TDD_PSD_MM_IND", taskMessageValue(38, 8)},
    {"MSG_GSM_CS_TDD_PSD_RSA_IND", taskMessageValue(38, 9)},
    {"MSG_GSM_CS_TDD_PSD_PSA_IND", taskMessageValue(38, 10)},
    {"MSG_GSM_CS_TDD_PSD_AGC_RAMPING_IND", taskMessageValue(38, 11)},
    {"MSG_GSM_CS_TDD_PSD_RFA_IND", taskMessageValue(38, 12)},
    {"MSG_GSM_CS_TDD_PSD_MM_IND", taskMessageValue(38, 13)},
    {"MSG_GSM_CS_TDD_PSD_FS_IND", taskMessageValue(38, 14)},
    {"MSG_GSM_CS_TDD_PSD_JD_IND", taskMessageValue(38, 15)},
    {"MSG_GSM_CS_TDD_PSD_RSSI_IND", taskMessageValue(38, 16)},
    {"MSG_GSM_CS_TDD_PSD_JD_REQ", taskMessageValue(38, 17)},
    {"MSG_GSM_CS_TDD_PSD_CCDEC_IND", taskMessageValue(38, 18)},
    // GSM_TDD_CC_DEC_MC (task 43): 1
    {"MSG_GSM_DWCCT_L1RESP_PCCPCH_IND", taskMessageValue(43, 35)},
    // L1CC_MACE (task 14): 7
    {"MSG_MACE_PC_INFO_OUTPUT", taskMessageValue(14, 3)},
    {"MSG_MACE_PC_STEP_OUTPUT", taskMessageValue(14, 4)},
    {"MSG_MACE_PC_DATA_OUTPUT", taskMessageValue(14, 5)},
    {"MSG_MACE_PC_STATISTIC_OUTPUT", taskMessageValue(14, 6)},
    {"MSG_MACE_PC_PDU_INFO_OUTPUT", taskMessageValue(14, 7)},
    {"MSG_MACE_UPCCT_ENC_REQ", taskMessageValue(14, 1)},
    {"MSG_MACE_HLP_ACCES_REQ", taskMessageValue(14, 2)},
}};

// The row of the task message called `name`, if any.
constexpr std::optional<std::size_t> findTaskMessage(std::string_view name) {
  for (std::size_t row = 0; row < kL1TaskMessageCount; ++row)
    if (L1TaskMessageTable[row].name == name) return row;
  return std::nullopt;
}

// Position of task `number` in the task table, if it is there.
constexpr std::optional<std::size_t> findTask(std::uint32_t number) {
  for (std::size_t position = 0; position < kL1TaskCount; ++position)
    if (L1TaskTable[position].number == number) return position;
  return std::nullopt;
}

namespace l1catalogue_checks {

// Each message belongs to a listed task, the messages come grouped by task in
// the order of the task table, and every task has messages.
constexpr bool messagesFollowTaskOrder() {
  std::size_t position = 0;
  std::size_t messagesOfTask = 0;
  for (const L1TaskMessage& message : L1TaskMessageTable) {
    std::optional<std::size_t> task = findTask(taskOfMessage(message.value));
    if (!task || *task < position) return false;
    if (*task > position) {
      if (*task != position + 1 || messagesOfTask == 0) return false;
      position = *task;
      messagesOfTask = 0;
    }
    ++messagesOfTask;
  }
  return position == kL1TaskCount - 1 && messagesOfTask > 0;
}

constexpr bool indexesFitAByte() {
  for (const L1TaskMessage& message : L1TaskMessageTable)
    if (indexOfMessage(message.value) >= 256) return false;
  return true;
}

// Names are unique too; comparing every pair of names is too long for a
// compile-time check, so a test covers them.
constexpr bool valuesUnique() {
  for (std::size_t a = 0; a < kL1TaskMessageCount; ++a)
    for (std::size_t b = a + 1; b < kL1TaskMessageCount; ++b)
      if (L1TaskMessageTable[a].value == L1TaskMessageTable[b].value) return false;
  return true;
}

constexpr bool taskNumbersUnique() {
  for (std::size_t a = 0; a < kL1TaskCount; ++a)
    for (std::size_t b = a + 1; b < kL1TaskCount; ++b)
      if (L1TaskTable[a].number == L1TaskTable[b].number) return false;
  return true;
}

}  // namespace l1catalogue_checks

static_assert(l1catalogue_checks::taskNumbersUnique());
static_assert(l1catalogue_checks::messagesFollowTaskOrder());
static_assert(l1catalogue_checks::indexesFitAByte());
static_assert(l1catalogue_checks::valuesUnique());

}  // namespace orbel
