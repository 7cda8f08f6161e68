// The layer-1 interface primitives that the layer-1 filter can trace, in the
// order of the filter dialog's two primitive lists: rows 0 to 63 form the TD
// list, rows 64 to 154 the GSM list. Identifiers are not unique; whoever maps
// an identifier back to a row takes the first row of the list that carries it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orbel {

// Direction of a primitive, mostly: towards or from layer 1, TD or GSM side.
// Carried as data; no operation reads it.
enum L1PrimitiveKind : std::uint32_t {
  kTdToLayer1 = 1,
  kTdFromLayer1 = 2,
  kGsmToLayer1 = 3,
  kGsmFromLayer1 = 4,
};

struct L1Primitive {
  std::string_view name;
  std::uint32_t identifier;
  std::uint32_t kind;
};

inline constexpr std::size_t kL1PrimitiveCount = 155;
inline constexpr std::size_t kTdPrimitiveFirstRow = 0;
inline constexpr std::size_t kTdPrimitiveRows = 64;
inline constexpr std::size_t kGsmPrimitiveFirstRow = 64;
inline constexpr std::size_t kGsmPrimitiveRows = 91;

// Row 147 carries 211027 where its neighbours suggest 21127: the terminal
// knows the primitive by that identifier, so it is kept as it stands.
inline constexpr std::array<L1Primitive, kL1PrimitiveCount> L1PrimitiveTable{{
    {"P_HLS_L1_SEARCHNEXT_REQ", 1512, kTdToLayer1},  // 0
    {"P_HLS_L1_UEINFO_REQ", 1505, kTdToLayer1},  // 1
    {"P_HLS_L1_CELLSEARCH_REQ", 1513, kTdToLayer1},  // 2
    {"P_HLS_L1_RA_CONF_REQ", 1515, kTdToLayer1},  // 3
    {"P_HLS_L1_READBCH_REQ", 1511, kTdToLayer1},  // 4
    {"P_HLS_L1_STOP_READBCH_REQ", 1509, kTdToLayer1},  // 5
    {"P_HLS_L1_BCCH_MODIFYTIME_REQ", 1504, kTdToLayer1},  // 6
    {"P_HLS_L1_PAGING_CONFIG_REQ", 1514, kTdToLayer1},  // 7
    {"P_HLS_L1_CONFIG_FIN_IND", 1519, kTdToLayer1},  // 8
    {"P_HLS_L1_STOP_MONITOR_GSM_BCCH_REQ", 1526, kTdToLayer1},  // 9
    {"P_HLS_L1_STOP_GSM_SEARCH_REQ", 1530, kTdToLayer1},  // 10
    {"P_HLS_L1_MONITOR_GSM_BCCH_REQ", 1525, kTdToLayer1},  // 11
    {"P_HLS_L1_GSM_SEARCH_REQ", 1524, kTdToLayer1},  // 12
    {"P_HLS_L1_DATA_REQ_EX", 1108, kTdToLayer1},  // 13
    {"P_HLS_L1_DATA_REQ", 1105, kTdToLayer1},  // 14
    {"P_HLS_L1_ACCESS_REQ", 1104, kTdToLayer1},  // 15
    {"P_HLS_L1_UEID_CHG_REQ", 1535, kTdToLayer1},  // 16
    {"P_HLS_L1_MEASURE_REQ", 1508, kTdToLayer1},  // 17
    {"P_HLS_L1_GET_TVF_REQ", 1820, kTdToLayer1},  // 18
    {"P_HLS_L1_SCAN_UTRAN_CELLS_REQ", 12153, kTdToLayer1},  // 19
    {"P_HLS_L1_GSM_CELL_SEL_REQ", 1527, kTdToLayer1},  // 20
    {"P_HLS_L1_RF_SCAN_REQ", 1536, kTdToLayer1},  // 21
    {"P_HLS_L1_NOCELL_REQ", 1534, kTdToLayer1},  // 22
    {"P_HLS_L1_MANU_TEST_REQ", 1806, kTdToLayer1},  // 23
    {"P_HLS_L1_SCAN_UTRAN_RSSI_REQ", 12151, kTdToLayer1},  // 24
    {"P_EXT_INT_OTHER_RADIOPARAM_CONFIG_REQ", 12200, kTdToLayer1},  // 25
    {"P_INT_EXT_OTHER_RADIOPARAM_CONFIG_CNF", 12201, kTdToLayer1},  // 26
    {"P_INT_EXT_OTHER_RADIOPARAM_IND", 12126, kTdToLayer1},  // 27
    {"P_INT_EXT_BASIC_RADIOPARAM_IND", 12125, kTdToLayer1},  // 28
    {"P_DIAG_INT_BASIC_RADIOPARAM_IND", 12105, kTdToLayer1},  // 29
    {"P_L1_HLS_INIT_IND", 1000, kTdFromLayer1},  // 30
    {"P_L1_HLS_CELLSEARCH_CNF", 1001, kTdFromLayer1},  // 31
    {"P_L1_HLS_SEARCHNEXT_CNF", 1002, kTdFromLayer1},  // 32
    {"P_L1_HLS_RA_CONF_CNF", 1006, kTdFromLayer1},  // 33
    {"P_L1_HLS_READBCH_IND", 1010, kTdFromLayer1},  // 34
    {"P_L1_HLS_PAGING_CONFIG_CNF", 1007, kTdFromLayer1},  // 35
    {"P_L1_HLS_BCCH_MODIFYTIME_IND", 1015, kTdFromLayer1},  // 36
    {"P_L1_HLS_INSYNC_IND", 1011, kTdFromLayer1},  // 37
    {"P_L1_HLS_OUTSYNC_IND", 1012, kTdFromLayer1},  // 38
    {"P_L1_HLS_IDLE_OUTSYNC_IND", 1038, kTdFromLayer1},  // 39
    {"P_L1_HLS_MEASURE_CNF", 1013, kTdFromLayer1},  // 40
    {"P_L1_HLS_MEASURE_IND", 1014, kTdFromLayer1},  // 41
    {"P_L1_HLS_CELLRESEL_IND", 1019, kTdFromLayer1},  // 42
    {"P_L1_HLS_MEASEVA_IND", 1042, kTdFromLayer1},  // 43
    {"P_L1_HLS_ACCESS_CNF", 1103, kTdFromLayer1},  // 44
    {"P_L1_HLS_DATA_IND", 1102, kTdFromLayer1},  // 45
    {"P_L1_HLS_NODATA_IND", 1107, kTdFromLayer1},  // 46
    {"P_L1_HLS_CFN_IND", 1101, kTdFromLayer1},  // 47
    {"P_L1_HLS_HSDPA_DATA_IND", 2033, kTdFromLayer1},  // 48
    {"P_L1_HLS_SCAN_UTRAN_RSSI_CNF", 12152, kTdFromLayer1},  // 49
    {"P_L1_HLS_DATA_IND_EX", 1109, kTdFromLayer1},  // 50
    {"P_L1_HLS_SCAN_UTRAN_CELLS_CNF", 12154, kTdFromLayer1},  // 51
    {"P_L1_HLS_GET_TVF_CNF", 1821, kTdFromLayer1},  // 52
    {"P_L1_HLS_GSM_SEARCH_CNF", 1039, kTdFromLayer1},  // 53
    {"P_L1_HLS_GSM_BCCHDATA_IND", 1040, kTdFromLayer1},  // 54
    {"P_L1_HLS_GSM_FAIL_IND", 1041, kTdFromLayer1},  // 55
    {"P_L1_HLS_RF_SCAN_IND", 1043, kTdFromLayer1},  // 56
    {"P_L1_HLS_SWITCHON_IND", 1538, kTdFromLayer1},  // 57
    {"P_L1_HLS_ALARM_IND", 1539, kTdFromLayer1},  // 58
    {"P_L1_HLS_MANU_TEST_CNF", 1807, kTdFromLayer1},  // 59
    {"P_L1_HLS_MODE_CHANGE_CNF", 1830, kTdFromLayer1},  // 60
    {"MSG_ID_RR_MPAL_PDTCH_CONNECT_REQ", 21206, kGsmToLayer1},  // 61
    {"MSG_ID_RR_MPAL_PDTCH_DISCONNECT_REQ", 21207, kGsmToLayer1},  // 62
    {"MSG_ID_RR_MPAL_PDCH_DATA_REQ", 21208, kGsmToLayer1},  // 63
    {"MSG_ID_RR_MPAL_RACH_REQ", 21209, kGsmToLayer1},  // 64
    {"MSG_ID_RR_MPAL_PKT_TIMING_ADV_PWR_CTRL_REQ", 21210, kGsmToLayer1},  // 65
    {"MSG_ID_RR_MPAL_MONITOR_PBCCH_REQ", 21211, kGsmToLayer1},  // 66
    {"MSG_ID_RR_MPAL_MONITOR_PCCCH_REQ", 21212, kGsmToLayer1},  // 67
    {"MSG_ID_RR_MPAL_STOP_MONITOR_PBCCH_REQ", 21213, kGsmToLayer1},  // 68
    {"MSG_ID_RR_MPAL_STOP_MONITOR_PCCCH_REQ", 21214, kGsmToLayer1},  // 69
    {"MSG_ID_RR_MPAL_SERV_CELL_MONITOR_BCCH_REQ", 21215, kGsmToLayer1},  // 70
    {"MSG_ID_RR_MPAL_NEIGHBOR_CELL_MONITOR_BCCH_REQ", 21216, kGsmToLayer1},  // 71
    {"MSG_ID_RR_MPAL_TARGET_CELL_MONITOR_BCCH_REQ", 21217, kGsmToLayer1},  // 72
    {"MSG_ID_RR_MPAL_MONITOR_CCCH_REQ", 21218, kGsmToLayer1},  // 73
    {"MSG_ID_RR_MPAL_SERV_CELL_STOP_MONITOR_BCCH_REQ", 21219, kGsmToLayer1},  // 74
    {"MSG_ID_RR_MPAL_NEIGHBOR_CELL_STOP_MONITOR_BCCH_REQ", 21220, kGsmToLayer1},  // 75
    {"MSG_ID_RR_MPAL_TARGET_CELL_STOP_MONITOR_BCCH_REQ", 21221, kGsmToLayer1},  // 76
    {"MSG_ID_RR_MPAL_STOP_MONITOR_CCCH_REQ", 21222, kGsmToLayer1},  // 77
    {"MSG_ID_RR_MPAL_SEARCH_RF_REQ", 21223, kGsmToLayer1},  // 78
    {"MSG_ID_RR_MPAL_NC_MEAS_REQ", 21224, kGsmToLayer1},  // 79
    {"MSG_ID_RR_MPAL_STOP_NC_MEAS_REQ", 21225, kGsmToLayer1},  // 80
    {"MSG_ID_RR_MPAL_FLUSH_REQ", 21226, kGsmToLayer1},  // 81
    {"MSG_ID_RR_MPAL_HANDOVER_REQ", 21227, kGsmToLayer1},  // 82
    {"MSG_ID_RR_MPAL_DEDICATED_DATA_REQ", 21228, kGsmToLayer1},  // 83
    {"MSG_ID_RR_MPAL_SEND_EMPTY_FRAME_REQ", 21229, kGsmToLayer1},  // 84
    {"MSG_ID_RR_MPAL_DEDICATED_CHANNEL_CONNECT_REQ", 21230, kGsmToLayer1},  // 85
    {"MSG_ID_RR_MPAL_DEDICATED_CHANNEL_DISCONNECT_REQ", 21231, kGsmToLayer1},  // 86
    {"MSG_ID_TIMER_MPAL_READY_TO_SEND", 21232, kGsmToLayer1},  // 87
    {"MSG_ID_TIMER_MPAL_DEDICATED_READY_TO_SEND", 21233, kGsmToLayer1},  // 88
    {"MSG_ID_PH_MPAL_DATA_IND", 21234, kGsmToLayer1},  // 89
    {"MSG_ID_RR_MPAL_STOP_SEARCH_RF_REQ", 21235, kGsmToLayer1},  // 90
    {"MSG_ID_RR_MPAL_OPEN_TCH_LOOP_REQ", 21236, kGsmToLayer1},  // 91
    {"MSG_ID_RR_MPAL_CLOSE_TCH_LOOP_REQ", 21237, kGsmToLayer1},  // 92
    {"MSG_ID_RR_MPAL_STOP_HANDOVER_REQ", 21238, kGsmToLayer1},  // 93
    {"MSG_ID_RR_MPAL_DEDICATED_CHANNEL_RECONFIG_REQ", 21239, kGsmToLayer1},  // 94
    {"MSG_ID_RR_MPAL_STOP_RACH_REQ", 21243, kGsmToLayer1},  // 95
    {"MSG_ID_RR_MPAL_HANDOVER_FAIL_REQ", 21244, kGsmToLayer1},  // 96
    {"MSG_ID_RR_MPAL_IR_MS_OUT_OF_MEMORY", 21245, kGsmToLayer1},  // 97
    {"MSG_ID_RR_MPAL_MONITOR_CBCH_REQ", 21246, kGsmToLayer1},  // 98
    {"MSG_ID_RR_MPAL_CBCH_BITMAP_IND", 21247, kGsmToLayer1},  // 99
    {"MSG_ID_RR_MPAL_STOP_MONITOR_CBCH_REQ", 21248, kGsmToLayer1},  // 100
    {"MSG_ID_RR_MPAL_SKIP_CBCH_CURR_SLOT", 21249, kGsmToLayer1},  // 101
    {"MSG_ID_RR_MPAL_MS_ID_IND", 21250, kGsmToLayer1},  // 102
    {"MSG_ID_RR_MPAL_L1_DEACT_REQ", 21251, kGsmToLayer1},  // 103
    {"MSG_ID_RR_MPAL_BSIC_DECODE_REQ", 21252, kGsmToLayer1},  // 104
    {"MSG_ID_RR_MPAL_STOP_BSIC_DECODE_REQ", 21253, kGsmToLayer1},  // 105
    {"MSG_ID_RR_MPAL_BG_CELL_MONITOR_BCCH_REQ", 21254, kGsmToLayer1},  // 106
    {"MSG_ID_RR_MPAL_BG_CELL_STOP_MONITOR_BCCH_REQ", 21255, kGsmToLayer1},  // 107
    {"MSG_ID_RR_MPAL_3G_SEARCH_REQ", 21256, kGsmToLayer1},  // 108
    {"MSG_ID_RR_MPAL_3G_NEXTSEARCH_REQ", 21257, kGsmToLayer1},  // 109
    {"MSG_ID_RR_MPAL_STOP_3G_CELLSEARCH_REQ", 21258, kGsmToLayer1},  // 110
    {"MSG_ID_RR_MPAL_3G_MEAS_REQ", 21259, kGsmToLayer1},  // 111
    {"MSG_ID_RR_MPAL_STOP_3G_MEAS_REQ", 21260, kGsmToLayer1},  // 112
    {"MSG_ID_RR_MPAL_3G_CELL_SEL_REQ", 21261, kGsmToLayer1},  // 113
    {"MSG_ID_RR_MPAL_MODE_CHANGE_REQ", 21262, kGsmToLayer1},  // 114
    {"MSG_ID_RR_MPAL_DUMMY_DATA_REQ", 21268, kGsmToLayer1},  // 115
    {"MSG_ID_RR_MPAL_CS_DATA_REQ", 21151, kGsmToLayer1},  // 116
    {"MSG_ID_RR_MPAL_LAPDM_FRAME_REQ", 21152, kGsmToLayer1},  // 117
    {"MSG_ID_RR_MPAL_GRR_DATA_REQ", 21153, kGsmToLayer1},  // 118
    {"MSG_ID_RR_MPAL_CHAN_QUAL_REQ", 21154, kGsmToLayer1},  // 119
    {"P_HLS_L1_NOCELL_REQ", 1534, kGsmToLayer1},  // 120
    {"MSG_ID_MPAL_MEAS_TIMER_EXPIRY", 21240, kGsmFromLayer1},  // 121
    {"MSG_ID_MPAL_EXT_TIMER_EXPIRY", 21241, kGsmFromLayer1},  // 122
    {"MSG_ID_MPAL_T3124_HANDOVER_TIMER_EXPIRY", 21242, kGsmFromLayer1},  // 123
    {"MSG_ID_MPAL_RR_IR_MS_OUT_OF_MEMORY", 21245, kGsmFromLayer1},  // 124
    {"MSG_ID_MPAL_RR_3G_SEARCH_CNF", 21263, kGsmFromLayer1},  // 125
    {"MSG_ID_MPAL_RR_3G_NEXTSEARCH_CNF", 21264, kGsmFromLayer1},  // 126
    {"MSG_ID_MPAL_RR_3G_DATA_IND", 21265, kGsmFromLayer1},  // 127
    {"MSG_ID_MPAL_RR_3G_MEAS_REPORT_IND", 21266, kGsmFromLayer1},  // 128
    {"MSG_ID_MPAL_RR_INITIALIZE_IND", 21267, kGsmFromLayer1},  // 129
    {"MSG_ID_MPAL_RR_CBCH_BITMAP_EXHAUST_IND", 21269, kGsmFromLayer1},  // 130
    {"MSG_ID_MPAL_RR_DEDICATED_DATA_IND", 21144, kGsmFromLayer1},  // 131
    {"MSG_ID_MPAL_RR_DEDICATED_READY_TO_SEND_IND", 21145, kGsmFromLayer1},  // 132
    {"MSG_ID_MPAL_RR_DEDICATED_CHANNEL_CONNECT_IND", 21146, kGsmFromLayer1},  // 133
    {"MSG_ID_MPAL_RR_DEDICATED_CHANNEL_DISCONNECT_CNF", 21147, kGsmFromLayer1},  // 134
    {"MSG_ID_MPAL_RR_GRR_DATA_READY_IND", 21148, kGsmFromLayer1},  // 135
    {"MSG_ID_MPAL_RR_CSD_READY_IND", 21149, kGsmFromLayer1},  // 136
    {"MSG_ID_MPAL_RR_LAPDM_READY_IND", 21150, kGsmFromLayer1},  // 137
    {"MSG_ID_MPAL_RR_CHAN_QUAL_IND", 21155, kGsmFromLayer1},  // 138
    {"MSG_ID_MPAL_RR_CONN_FAIL_IND", 21073, kGsmFromLayer1},  // 139
    {"MSG_ID_MPAL_RR_DEDICATED_CHANNEL_RECONFIG_CNF", 21074, kGsmFromLayer1},  // 140
    {"MSG_ID_MPAL_RR_HANDOVER_FAIL_IND", 21075, kGsmFromLayer1},  // 141
    {"MSG_ID_MPAL_RR_HANDOVER_SUCCESS_IND", 21076, kGsmFromLayer1},  // 142
    {"MSG_ID_MPAL_RR_DSC_RESEL_IND", 21080, kGsmFromLayer1},  // 143
    {"MSG_ID_MPAL_RR_DATA_IND", 21061, kGsmFromLayer1},  // 144
    {"MSG_ID_MPAL_RR_CONNECT_IND", 21062, kGsmFromLayer1},  // 145
    {"MSG_ID_MPAL_RR_READY_TO_SEND_IND", 21063, kGsmFromLayer1},  // 146
    {"MSG_ID_MPAL_RR_CLOSE_TCH_LOOP_CNF", 211027, kGsmFromLayer1},  // 147
    {"MSG_ID_MPAL_RR_OPEN_TCH_LOOP_CNF", 21128, kGsmFromLayer1},  // 148
    {"MSG_ID_MPAL_RMPC_NC_MEAS_REPORT_IND", 21047, kGsmFromLayer1},  // 149
    {"MSG_ID_MPAL_RR_SEARCH_RF_IND", 21034, kGsmFromLayer1},  // 150
    {"MSG_ID_MPAL_RMPC_RACH_CONF", 21064, kGsmFromLayer1},  // 151
    {"P_HLS_L1_STOP_CELLSEARCH_REQ", 1541, kTdToLayer1},  // 152
    {"P_HLS_L1_MBMS_DRX_CFG_REQ", 1540, kTdToLayer1},  // 153
    {"P_L1_HLS_STOP_CELLSEARCH_CNF", 1044, kTdFromLayer1},  // 154
}};

namespace l1catalogue_checks {

constexpr std::size_t rowsCarrying(std::uint32_t identifier) {
  std::size_t rows = 0;
  for (const L1Primitive& primitive : L1PrimitiveTable) rows += primitive.identifier == identifier ? 1 : 0;
  return rows;
}

constexpr std::size_t duplicatePairs() {
  std::size_t pairs = 0;
  for (std::size_t a = 0; a < kL1PrimitiveCount; ++a)
    for (std::size_t b = a + 1; b < kL1PrimitiveCount; ++b)
      pairs += L1PrimitiveTable[a].identifier == L1PrimitiveTable[b].identifier ? 1 : 0;
  return pairs;
}

constexpr std::size_t sharedNamePairs() {
  std::size_t pairs = 0;
  for (std::size_t a = 0; a < kL1PrimitiveCount; ++a)
    for (std::size_t b = a + 1; b < kL1PrimitiveCount; ++b)
      pairs += L1PrimitiveTable[a].name == L1PrimitiveTable[b].name ? 1 : 0;
  return pairs;
}

constexpr std::uint32_t expectedKind(std::size_t row) {
  if (row <= 29 || row == 152 || row == 153) return kTdToLayer1;
  if (row <= 60 || row == 154) return kTdFromLayer1;
  return row <= 120 ? kGsmToLayer1 : kGsmFromLayer1;
}

constexpr bool kindsAsGrouped() {
  for (std::size_t row = 0; row < kL1PrimitiveCount; ++row)
    if (L1PrimitiveTable[row].kind != expectedKind(row)) return false;
  return true;
}

}  // namespace l1catalogue_checks

static_assert(kTdPrimitiveFirstRow + kTdPrimitiveRows == kGsmPrimitiveFirstRow);
static_assert(kGsmPrimitiveFirstRow + kGsmPrimitiveRows == kL1PrimitiveCount);
// The two intended duplicates, and no others.
static_assert(L1PrimitiveTable[22].identifier == 1534 && L1PrimitiveTable[120].identifier == 1534);
static_assert(L1PrimitiveTable[97].identifier == 21245 && L1PrimitiveTable[124].identifier == 21245);
static_assert(l1catalogue_checks::rowsCarrying(1534) == 2 && l1catalogue_checks::rowsCarrying(21245) == 2);
static_assert(l1catalogue_checks::duplicatePairs() == 2);
// Row 120 repeats row 22 in the GSM list; rows 97 and 124 differ by name.
static_assert(L1PrimitiveTable[120].name == L1PrimitiveTable[22].name && l1catalogue_checks::sharedNamePairs() == 1);
static_assert(L1PrimitiveTable[147].identifier == 211027 && L1PrimitiveTable[148].identifier == 21128);
static_assert(l1catalogue_checks::kindsAsGrouped());

}  // namespace orbel
