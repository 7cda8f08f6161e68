// Counter setting dialog: the engineer picks a module, one of its counters,
// an instance and the counter's new value, and the builder frames the setting.
#pragma once

#include "orbel/diag/CEditEx.h"
#include "orbel/diag/SettingCommand.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Dialog.h"
#include "toolkit/Label.h"
#include "toolkit/RadioButton.h"

class CDiagCmdCntSetDlg : public tk::CDialog {
 public:
  explicit CDiagCmdCntSetDlg(tk::CWnd* parent = nullptr);
  ~CDiagCmdCntSetDlg() override;

  // Builds the counter setting; see OrbelGetCountSetBuffer.
  unsigned char* GetDiagCmd(unsigned int* len);

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  int UpdateCombox();

  void OnDiagCmdCntSetMacRadio();
  void OnDiagCmdCntSetRrcRadio();
  void OnDiagCmdCntSetMmRadio();
  void OnDiagCmdCntSetGmmRadio();
  void OnDiagCmdCntSetCcRadio();
  void OnDiagCmdCntSetPdhRadio();
  void OnSelchangeDiagCmdCntSetCounterIdCombx();
  void OnChangeDiagCmdCntSetInstEdit();
  void OnChangeDiagCmdCntSetValueEdit();

 private:
  void chooseModule(int row);

  tk::RadioGroup m_moduleGroup;
  tk::RadioButton m_macRadio{"module.mac", "MAC", m_moduleGroup};
  tk::RadioButton m_rrcRadio{"module.rrc", "RRC", m_moduleGroup};
  tk::RadioButton m_mmRadio{"module.mm", "MM", m_moduleGroup};
  tk::RadioButton m_gmmRadio{"module.gmm", "GMM", m_moduleGroup};
  tk::RadioButton m_ccRadio{"module.cc", "CC", m_moduleGroup};
  tk::RadioButton m_pdhRadio{"module.pdh", "PDH", m_moduleGroup};
  tk::Label m_entryLabel{"label.entry", "&Counter:"};
  tk::ComboBox m_entryList{"entry"};
  tk::Label m_instanceLabel{"label.instance", "&Instance:"};
  CEditEx m_instanceEdit{"instance"};
  tk::Label m_valueLabel{"label.value", "New &value:"};
  CEditEx m_valueEdit{"value"};

  orbel::SettingFields m_fields;  // module, entry, instance text, new-value text
};
