// Timer enquiry dialog: the engineer picks a module, one of its timers (or
// all of them) and an instance, and the builder frames the enquiry.
#pragma once

#include <array>

#include "orbel/Export.h"
#include "orbel/diag/CEditEx.h"
#include "orbel/diag/EnquiryCommand.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Dialog.h"
#include "toolkit/Label.h"
#include "toolkit/RadioButton.h"

class ORBEL_EXPORT CDiagEnqTmrDlg : public tk::CDialog {
 public:
  explicit CDiagEnqTmrDlg(tk::CWnd* parent = nullptr);
  ~CDiagEnqTmrDlg() override;

  // Builds the timer enquiry; see OrbelGetTmrEnqueryBuffer.
  unsigned char* GetDiagCmd(unsigned int* len);
  // Enables OK once the list is filled and the instance field has changed.
  bool OkIsAvailable();

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  int UpdateComBox();

  void OnDiagTimerEnqueryModuleIdMacRadio();
  void OnModuleIdRlcRadio();
  void OnModuleIdRrcRadio();
  void OnModuleIdMmRadio();
  void OnModuleIdGmmRadio();
  void OnModuleIdCcRadio();
  void OnModuleIdSmRadio();
  void OnModuleIdGsmsRadio();
  void OnModuleIdSsRadio();
  void OnSelchangeDiagTimerEnqueryTimerIdCombx();
  void OnChangeDiagTimerEnqueryInstIdEdit();

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

  orbel::EnquiryFields m_fields;  // module index, entry index, instance text
  bool m_instanceChanged = false;
  bool m_listFilled = false;
};
