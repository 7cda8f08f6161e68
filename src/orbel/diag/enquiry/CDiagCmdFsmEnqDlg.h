// State-machine enquiry dialog: the engineer chooses a protocol module and
// what its state machines are to report.
#pragma once

#include <cstdint>

#include "toolkit/Dialog.h"
#include "toolkit/RadioButton.h"

class CDiagCmdFsmEnqDlg : public tk::CDialog {
 public:
  explicit CDiagCmdFsmEnqDlg(tk::CWnd* parent = nullptr);
  ~CDiagCmdFsmEnqDlg() override;

  // Builds the state-machine enquiry; see OrbelGetFsmEnqueryBuffer.
  unsigned char* GetDiagCmd(unsigned int* len);

 protected:
  bool OnInitDialog() override;

  void OnDiagFsmEnqAction0Radio();
  void OnDiagFsmEnqAction1Radio();
  void OnDiagFsmEnqActionFfRadio();
  void OnDiagFsmEnqRlcRadio();
  void OnDiagFsmEnqRrcRadio();
  void OnDiagFsmEnqMmRadio();
  void OnDiagFsmEnqGmmRadio();
  void OnDiagFsmEnqCcRadio();
  void OnDiagFsmEnqSmRadio();
  void OnDiagFsmEnqGsmsRadio();
  void OnDiagFsmEnqSsRadio();

 private:
  tk::RadioGroup m_actionGroup;
  tk::RadioButton m_action0Radio{"action.0", "Action &0", m_actionGroup};
  tk::RadioButton m_action1Radio{"action.1", "Action &1", m_actionGroup};
  tk::RadioButton m_actionFfRadio{"action.ff", "Action 0x&FF", m_actionGroup};
  tk::RadioGroup m_moduleGroup;
  tk::RadioButton m_rlcRadio{"module.rlc", "RLC", m_moduleGroup};
  tk::RadioButton m_rrcRadio{"module.rrc", "RRC", m_moduleGroup};
  tk::RadioButton m_mmRadio{"module.mm", "MM", m_moduleGroup};
  tk::RadioButton m_gmmRadio{"module.gmm", "GMM", m_moduleGroup};
  tk::RadioButton m_ccRadio{"module.cc", "CC", m_moduleGroup};
  tk::RadioButton m_smRadio{"module.sm", "SM", m_moduleGroup};
  tk::RadioButton m_gsmsRadio{"module.gsms", "GSMS", m_moduleGroup};
  tk::RadioButton m_ssRadio{"module.ss", "SS", m_moduleGroup};

  std::uint8_t m_action = 0;
  int m_moduleIndex = 0;  // row of the state-machine module table
};
