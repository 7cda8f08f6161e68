// Timer setting dialog: the engineer picks a module, one of its timers, an
// instance and the timer's new value, and the builder frames the setting.
#pragma once

#include "orbel/diag/setting/CatalogueSettingDlg.h"
#include "toolkit/RadioButton.h"

class CDiagCmdTmrSetDlg : public orbel::CatalogueSettingDlg {
 public:
  explicit CDiagCmdTmrSetDlg(tk::CWnd* parent = nullptr);
  ~CDiagCmdTmrSetDlg() override;

 protected:
  bool OnInitDialog() override;

  void OnDiagCmdTmrSetMacRadio();
  void OnDiagCmdTmrSetRlcRadio();
  void OnDiagCmdTmrSetRrcRadio();
  void OnDiagCmdTmrSetMmRadio();
  void OnDiagCmdTmrSetGmmRadio();
  void OnDiagCmdTmrSetCcRadio();
  void OnDiagCmdTmrSetSmRadio();
  void OnDiagCmdTmrSetGsmsRadio();
  void OnDiagCmdTmrSetSsRadio();

 private:
  tk::RadioGroup m_moduleGroup;
  tk::RadioButton m_macRadio{"module.mac", "MAC", m_moduleGroup};
  tk::RadioButton m_rlcRadio{"module.rlc", "RLC", m_moduleGroup};
  tk::RadioButton m_rrcRadio{"module.rrc", "RRC", m_moduleGroup};
  tk::RadioButton m_mmRadio{"module.mm", "MM", m_moduleGroup};
  tk::RadioButton m_gmmRadio{"module.gmm", "GMM", m_moduleGroup};
  tk::RadioButton m_ccRadio{"module.cc", "CC", m_moduleGroup};
  tk::RadioButton m_smRadio{"module.sm", "SM", m_moduleGroup};
  tk::RadioButton m_gsmsRadio{"module.gsms", "GSMS", m_moduleGroup};
  tk::RadioButton m_ssRadio{"module.ss", "SS", m_moduleGroup};
};
