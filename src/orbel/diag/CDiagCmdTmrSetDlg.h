// Timer setting dialog: the engineer picks a module, one of its timers, an
// instance and the timer's new value, and the builder frames the setting.
#pragma once

#include "orbel/diag/CEditEx.h"
#include "orbel/diag/SettingCommand.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Dialog.h"
#include "toolkit/Label.h"
#include "toolkit/RadioButton.h"

class CDiagCmdTmrSetDlg : public tk::CDialog {
 public:
  explicit CDiagCmdTmrSetDlg(tk::CWnd* parent = nullptr);
  ~CDiagCmdTmrSetDlg() override;

  // Builds the timer setting; see OrbelGetTmrSetBuffer.
  unsigned char* GetDiagCmd(unsigned int* len);

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  int UpdateComBox();

  void OnDiagCmdTmrSetMacRadio();
  void OnDiagCmdTmrSetRlcRadio();
  void OnDiagCmdTmrSetRrcRadio();
  void OnDiagCmdTmrSetMmRadio();
  void OnDiagCmdTmrSetGmmRadio();
  void OnDiagCmdTmrSetCcRadio();
  void OnDiagCmdTmrSetSmRadio();
  void OnDiagCmdTmrSetGsmsRadio();
  void OnDiagCmdTmrSetSsRadio();
  void OnSelchangeDiagCmdTmrSetTimerIdCombx();
  void OnChangeDiagCmdTmrSetInstEdit();
  void OnChangeDiagCmdTmrSetValueEdit();

 private:
  void chooseModule(int row);

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
  tk::Label m_entryLabel{"label.entry", "&Timer:"};
  tk::ComboBox m_entryList{"entry"};
  tk::Label m_instanceLabel{"label.instance", "&Instance:"};
  CEditEx m_instanceEdit{"instance"};
  tk::Label m_valueLabel{"label.value", "New &value:"};
  CEditEx m_valueEdit{"value"};

  orbel::SettingFields m_fields;  // module, entry, instance text, new-value text
};
