#include "orbel/l1filter/DefaultFilterConfig.h"

#include <string_view>

#include "orbel/catalogue/L1TaskTables.h"
#include "toolkit/Toolkit.h"

namespace orbel {
namespace {

// The task messages the default traces.
constexpr std::string_view kDefaultMessages[] = {
    "MSG_L1_PC_ACCESS_CNF", "MSG_L1_PC_MEM_DUMP_IND", "MSG_L1CC_OAL_MODE_CHANGE_REQ", "MSG_L1_PC_MODE_CHANGE_INFO",
    "MSG_FCP_CST_NO_NET_CS_REQ", "MSG_FCP_PC_HO_INFO", "MSG_FCP_PC_IDLE_SUBSFN_INFO",
    "MSG_BCT_PC_SMALL_UL_FC_DATA_IND", "MSG_JDT_PC_L1CC2JD_BMN_LIST_IND", "MSG_JDT_L1RESP_SMALL_A_IND",
    "MSG_CST_L1RESP_CELL_SEARCH_CNF", "MSG_CST_L1RESP_SCAN_CELL_CNF", "MSG_CST_L1RESP_SCAN_RSSI_CNF",
    "MSG_CST_PC_LOGGING_IND", "MSG_CST_PC_FS_BAND_RESULT_IND", "MSG_CST_PC_FS_FREQ_LIST_RESULT_IND",
    "MSG_CST_PC_RSA_RESULT_IND", "MSG_CST_PC_CS_SYNC_PARA_IND", "MSG_CST_PC_AGC_RAMPING_IND",
    "MSG_CST_PC_PRECISE_FREQ_ADJ_IND", "MSG_CST_PC_ROUGH_FREQ_ADJ_IND", "MSG_L1MEAS_FCP_SB_IND",
    "MSG_L1MEAS_L1RESP_GSM_SEARCH_RSSI_IND", "MSG_L1MEAS_L1RESP_GSM_SEARCH_FCB_IND",
    "MSG_L1MEAS_L1RESP_GSM_SEARCH_SB_IND", "MSG_L1MEAS_L1RESP_GSM_SEARCH_BCCH_IND", "MSG_MEAS_PC_CS_SYNC_RESYNC_IND",
    "MSG_DWCCT_L1RESP_PCCPCH_IND", "MSG_DWCCT_L1RESP_FPACH_IND", "MSG_DWCCT_L1RESP_PICH_IND",
    "MSG_HSDSCCT_PC_HSDPA_STAT_INFO_IND", "MSG_L1RESP_CST_MS_RESULT_CNF", "MSG_L1RESP_PC_DL_FC_DATA_IND",
    "MSG_L1RESP_PC_NCELL_INFO_IND", "MSG_L1RESP_PC_CC_PARA_IND", "MSG_L1RESP_CST_SCAN_SYNC_RSSI_REQ",
    "MSG_L1RESP_CST_DETECT_CELL_REQ", "MSG_HLP_CST_STOPCS_REQ", "MSG_HLP_CST_ICS_REQ", "MSG_HLP_CST_RCS_REQ",
    "MSG_HLP_CST_SEARCH_NEXT_REQ", "MSG_HLP_CST_SCAN_UTRAN_RSSI_REQ", "MSG_HLP_CST_SCAN_UTRAN_CELLS_REQ",
    "MSG_HLP_CST_SCAN_UNSYNC_RSSI_REQ", "MSG_HLP_CST_SCAN_CELL_REQ", "MSG_HLP_CST_AMT_CS_REQ",
    "MSG_GSM_FCP_L1RESP_SYNC_HANDOVER_IND", "MSG_GSM_FCP_L1RESP_HANDOVER_FAIL_IND", "MSG_GSM_FCP_HLP_PT_TX_CNF",
    "MSG_GSM_FCP_HLP_PT_CYCLE_TX_CNF", "MSG_GSM_FCP_PSD_SCELL_INFO", "MSG_FCP_HLP_MEM_ALLOCATE_COMP_ID",
    "MSG_GSM_L1RESP_PSD_TOP6_INFO", "MSG_HLP_FCP_STATE_CHANGE_REQ", "MSG_GSM_HLP_EFRENC_INIT_IND",
    "MSG_GSM_HLP_FCP_CELL_RESELECT_REQ", "MSG_GSM_L1CC_FCP_HO_FAIL_IND", "MSG_GSM_HLP_CST_SEARCH_NEXT_REQ",
    "MSG_GSM_HLP_CST_ICS_REQ", "MSG_GSM_HLP_CST_STOPCS_REQ", "MSG_GSM_HANDOVER_CH_MODE_CHANGE_IND",
    "MSG_GSM_L1CC_FCP_NOCELL_SLEEP_REQ", "MSG_GSM_EQ_L1RESP_SCELL_BEPMEAS_IND", "MSG_GSM_EQ_FCP_USF_DEC_IND",
    "MSG_GSM_EQ_L1RESP_DTX_BEPMEAS_IND", "MSG_GSM_EQ_L1RESP_NCELL_BEPMEAS_IND", "MSG_GSM_JDT_CST_FOE_RESULT_IND",
    "MSG_GSM_MEAS_TDD_PSD_AGC_RAMPING_IND", "MSG_GSM_MEAS_TDD_PSD_RFA_IND", "MSG_GSM_MEAS_TDD_PSD_MM_IND",
    "MSG_GSM_CS_TDD_PSD_RSA_IND", "MSG_GSM_CS_TDD_PSD_PSA_IND", "MSG_GSM_CS_TDD_PSD_AGC_RAMPING_IND",
    "MSG_GSM_CS_TDD_PSD_RFA_IND", "MSG_GSM_CS_TDD_PSD_MM_IND", "MSG_GSM_CS_TDD_PSD_FS_IND",
    "MSG_GSM_CS_TDD_PSD_JD_IND", "MSG_GSM_CS_TDD_PSD_CCDEC_IND", "MSG_GSM_ISR_JDT_JDA_DONE_IND",
    "MSG_GSM_MEAS_TDD_PSD_FS_IND", "MSG_GSM_MEAS_TDD_PSD_RSA_IND", "MSG_GSM_MEAS_TDD_PSD_PSA_IND",
    "MSG_GSM_MEAS_TDD_PSD_NO_CPI_PSA_IND", "MSG_GSM_MEAS_TDD_PSD_RSCP_IND", "MSG_GSM_MEAS_TDD_FCP_RI_SUCC_BY_TS_IND",
    "MSG_GSM_MEAS_TDD_PSD_PSA_AGC_IND", "MSG_GSM_DEC_L1RESP_BSIC_IND", "MSG_GSM_DEC_L1RESP_OUTOFMEM_IND",
    "MSG_GSM_DEC_L1RESP_PTCCH_DATA_IND", "MSG_GSM_DWCCT_L1RESP_PCCPCH_IND", "MSG_GSM_MEAS_L1RESP_FCBFAIL_IND",
    "MSG_GSM_MEAS_FCP_FCBSUCC_IND", "MSG_GSM_MEAS_L1RESP_FCBSUCC_IND", "MSG_COM_PSD_TASK_PC_ALARM_IND",
    "MSG_COM_PSD_TASK_PC_PRINT_IND", "MSG_COM_PSD_TASK_PC_L1STATE_IND", "MSG_COM_PSD_TASK_CONTEXT_SAVE",
};

constexpr PhyFaFilterConfig makeBuiltInDefault() {
  PhyFaFilterConfig config;
  // Rows 32, 37, 38, 39, 43, 60, 0, 2, 22 and 31 of the TD list, in visiting order.
  config.tdPrimitiveIds = {1002, 1011, 1012, 1038, 1042, 1830, 1512, 1513, 1534, 1001};
  // Rows 147 to 150 of the GSM list.
  config.gsmPrimitiveIds = {211027, 21128, 21047, 21034};
  for (std::size_t slot = 10; slot < kPrimitiveSlots; ++slot) config.tdPrimitiveIds[slot] = kEmptyPrimitiveSlot;
  for (std::size_t slot = 4; slot < kPrimitiveSlots; ++slot) config.gsmPrimitiveIds[slot] = kEmptyPrimitiveSlot;
  config.tdStateFrom = 0x00;  // INIT
  config.tdStateTo = 0x48;    // CNNT_RTX_TARGET
  config.tdOptionsA = 0x03FF;
  config.tdOptionsB = 0x00FF;
  config.gsmStateFrom = 0x00;  // INIT
  config.gsmStateTo = 0xE0;    // MANU_TEST
  config.gsmOptionsA = 0x007F;
  config.gsmOptionsB = 0x00FF;
  config.tdTaskMask = 0x000007F7;
  config.gsmTaskMask = 0x000019FA;
  config.commonTaskMask = 0x00000008;
  for (std::string_view name : kDefaultMessages) {
    const std::uint32_t value = L1TaskMessageTable[findTaskMessage(name).value()].value;
    const std::size_t index = indexOfMessage(value);
    config.taskBitmaps[taskSlot(taskOfMessage(value)).value()][index / 32] |= std::uint32_t{1} << (index % 32);
  }
  return config;
}

constexpr PhyFaFilterConfig kBuiltInDefault = makeBuiltInDefault();

// The masks name exactly the tasks that have a bit in the bitmaps.
constexpr bool masksAgreeWithBitmaps(const PhyFaFilterConfig& config) {
  std::uint32_t masks[3] = {};
  for (std::size_t slot = 0; slot < kTaskSlots; ++slot) {
    bool any = false;
    for (std::uint32_t word : config.taskBitmaps[slot]) any = any || word != 0;
    if (!any) continue;
    const TaskMaskBit mask = taskMaskBit(taskOfSlot(slot));
    masks[static_cast<int>(mask.group)] |= std::uint32_t{1} << mask.bit;
  }
  return masks[0] == config.tdTaskMask && masks[1] == config.gsmTaskMask && masks[2] == config.commonTaskMask;
}

constexpr std::size_t bitsSet(const PhyFaFilterConfig& config) {
  std::size_t bits = 0;
  for (const auto& slot : config.taskBitmaps)
    for (std::uint32_t word : slot)
      for (; word != 0; word &= word - 1) ++bits;
  return bits;
}

static_assert(std::size(kDefaultMessages) == 97);
static_assert(bitsSet(kBuiltInDefault) == 97, "the default names every message once");
static_assert(masksAgreeWithBitmaps(kBuiltInDefault));

}  // namespace

const PhyFaFilterConfig& builtInPhyFaFilterConfig() { return kBuiltInDefault; }

PhyFaFilterConfig lastOrDefaultPhyFaFilterConfig() {
  if (tk::Toolkit* toolkit = tk::installedToolkit()) {
    const auto stored = toolkit->profile().getBinary(kLastPhyFaConfigSection, kLastPhyFaConfigKey);
    if (stored) {
      if (std::optional<PhyFaFilterConfig> config = readPhyFaFilterConfig(*stored)) return *config;
    }
  }
  return kBuiltInDefault;
}

void storeLastPhyFaFilterConfig(const PhyFaFilterConfig& config) {
  tk::Toolkit* toolkit = tk::installedToolkit();
  if (toolkit == nullptr) return;
  const PhyFaFilterBytes bytes = toBytes(config);
  toolkit->profile().writeBinary(kLastPhyFaConfigSection, kLastPhyFaConfigKey,
                                 std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

}  // namespace orbel
