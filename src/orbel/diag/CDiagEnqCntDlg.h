// Counter enquiry dialog: the engineer picks a module, one of its counters
// (or all of them) and an instance, and the builder frames the enquiry.
#pragma once

#include "orbel/Export.h"
#include "orbel/diag/CEditEx.h"
#include "orbel/diag/EnquiryCommand.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Dialog.h"
#include "toolkit/Label.h"
#include "toolkit/RadioButton.h"

class ORBEL_EXPORT CDiagEnqCntDlg : public tk::CDialog {
 public:
  explicit CDiagEnqCntDlg(tk::CWnd* parent = nullptr);
  ~CDiagEnqCntDlg() override;

  // Builds the counter enquiry; see OrbelGetCountEnqueryBuffer.
  unsigned char* GetDiagCmd(unsigned int* len);

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  int UpdateCombox();

  void OnDiagCounterEnqMacRadio();
  void OnDiagCounterEnqRrcRadio();
  void OnDiagCounterEnqMmRadio();
  void OnDiagCounterEnqGmmRadio();
  void OnDiagCounterEnqCcRadio();
  void OnDiagCounterEnqPdhRadio();
  void OnSelchangeDiagCounterEnqTimerIdCombx();
  void OnChangeDiagCounterEnqInstEdit();

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
  // The template shows the "all instances" value until a module is chosen.
  CEditEx m_instanceEdit{"instance", "0xffff"};

  orbel::EnquiryFields m_fields;  // module index, entry index, instance text
};
