// Constant enquiry dialog: the engineer picks a module and one group of its
// configuration constants, for one instance or all, and the builder frames
// the enquiry.
#pragma once

#include "orbel/diag/CEditEx.h"
#include "orbel/diag/EnquiryCommand.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Dialog.h"
#include "toolkit/Label.h"
#include "toolkit/RadioButton.h"

class CDiagConstEnqDlg : public tk::CDialog {
 public:
  explicit CDiagConstEnqDlg(tk::CWnd* parent = nullptr);
  ~CDiagConstEnqDlg() override;

  // Builds the constant enquiry; see OrbelGetConstEnqueryBuffer.
  unsigned char* GetDiagCmd(unsigned int* len);

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  int UpdateCombox();

  void OnDiagConstEnqMacRadio();
  void OnDiagConstEnqRlcRadio();
  void OnDiagConstEnqRrcRadio();
  void OnDiagConstEnqPdhRadio();
  void OnSelchangeDiagConstEnqConstIdCombx();
  void OnChangeDiagConstEnqInstEdit();

 private:
  void chooseModule(int row);

  tk::RadioGroup m_moduleGroup;
  tk::RadioButton m_macRadio{"module.mac", "MAC", m_moduleGroup};
  tk::RadioButton m_rlcRadio{"module.rlc", "RLC", m_moduleGroup};
  tk::RadioButton m_rrcRadio{"module.rrc", "RRC", m_moduleGroup};
  tk::RadioButton m_pdhRadio{"module.pdh", "PDH", m_moduleGroup};
  tk::Label m_entryLabel{"label.entry", "&Constants:"};
  tk::ComboBox m_entryList{"entry"};
  tk::Label m_instanceLabel{"label.instance", "&Instance:"};
  // The template shows the "all instances" value, closed as for MAC, until a
  // module is chosen.
  CEditEx m_instanceEdit{"instance", "0xffff"};

  orbel::EnquiryFields m_fields;  // module index, entry index, instance text
};
