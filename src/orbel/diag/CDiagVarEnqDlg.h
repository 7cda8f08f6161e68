// Variable enquiry dialog: the engineer picks a module and one of its
// internal variables, for one instance or all, and the builder frames the
// enquiry.
#pragma once

#include "orbel/diag/CEditEx.h"
#include "orbel/diag/EnquiryCommand.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Dialog.h"
#include "toolkit/Label.h"
#include "toolkit/RadioButton.h"

class CDiagVarEnqDlg : public tk::CDialog {
 public:
  explicit CDiagVarEnqDlg(tk::CWnd* parent = nullptr);
  ~CDiagVarEnqDlg() override;

  // Builds the variable enquiry; see OrbelGetVariableEnqueryBuffer.
  unsigned char* GetDiagCmd(unsigned int* len);

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  int UpdateCombox();

  void OnDiagVarEnqMacRadio();
  void OnDiagVarEnqRlcRadio();
  void OnDiagVarEnqRrcRadio();
  void OnDiagVarEnqPdhRadio();
  void OnDiagVarEnqMmRadio();
  void OnDiagVarEnqSmRadio();
  void OnSelchangeDiagVarEnqVarIdCombx();
  void OnChangeDiagVarEnqInstEdit();

 private:
  void chooseModule(int row);

  tk::RadioGroup m_moduleGroup;
  tk::RadioButton m_macRadio{"module.mac", "MAC", m_moduleGroup};
  tk::RadioButton m_rlcRadio{"module.rlc", "RLC", m_moduleGroup};
  tk::RadioButton m_rrcRadio{"module.rrc", "RRC", m_moduleGroup};
  tk::RadioButton m_pdhRadio{"module.pdh", "PDH", m_moduleGroup};
  tk::RadioButton m_mmRadio{"module.mm", "MM", m_moduleGroup};
  tk::RadioButton m_smRadio{"module.sm", "SM", m_moduleGroup};
  tk::Label m_entryLabel{"label.entry", "&Variable:"};
  tk::ComboBox m_entryList{"entry"};
  tk::Label m_instanceLabel{"label.instance", "&Instance:"};
  // The template shows the "all instances" value the dialog starts with.
  CEditEx m_instanceEdit{"instance", "0xffff"};

  orbel::EnquiryFields m_fields;  // module index, entry index, instance text
};
