// Counter setting dialog: the engineer picks a module, one of its counters,
// an instance and the counter's new value, and the builder frames the setting.
#pragma once

#include "orbel/diag/setting/CatalogueSettingDlg.h"
#include "toolkit/RadioButton.h"

class CDiagCmdCntSetDlg : public orbel::CatalogueSettingDlg {
 public:
  explicit CDiagCmdCntSetDlg(tk::CWnd* parent = nullptr);
  ~CDiagCmdCntSetDlg() override;

 protected:
  bool OnInitDialog() override;

  void OnDiagCmdCntSetMacRadio();
  void OnDiagCmdCntSetRrcRadio();
  void OnDiagCmdCntSetMmRadio();
  void OnDiagCmdCntSetGmmRadio();
  void OnDiagCmdCntSetCcRadio();
  void OnDiagCmdCntSetPdhRadio();

 private:
  tk::RadioGroup m_moduleGroup;
  tk::RadioButton m_macRadio{"module.mac", "MAC", m_moduleGroup};
  tk::RadioButton m_rrcRadio{"module.rrc", "RRC", m_moduleGroup};
  tk::RadioButton m_mmRadio{"module.mm", "MM", m_moduleGroup};
  tk::RadioButton m_gmmRadio{"module.gmm", "GMM", m_moduleGroup};
  tk::RadioButton m_ccRadio{"module.cc", "CC", m_moduleGroup};
  tk::RadioButton m_pdhRadio{"module.pdh", "PDH", m_moduleGroup};
};
