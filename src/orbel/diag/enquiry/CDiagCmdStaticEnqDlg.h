// Static information enquiry dialog: the engineer chooses a scope and the
// layer-2 target whose static information the terminal is to report.
#pragma once

#include <cstdint>
#include <string>

#include "orbel/diag/CEditEx.h"
#include "toolkit/Dialog.h"
#include "toolkit/Label.h"
#include "toolkit/RadioButton.h"

class CDiagCmdStaticEnqDlg : public tk::CDialog {
 public:
  explicit CDiagCmdStaticEnqDlg(tk::CWnd* parent = nullptr);
  ~CDiagCmdStaticEnqDlg() override;

  // Builds the static information enquiry; see OrbelGetStaticEnqueryBuffer.
  unsigned char* GetDiagCmd(unsigned int* len);

 protected:
  bool OnInitDialog() override;

  void OnDiagStaticEnqScope0Radio();
  void OnDiagStaticEnqScope1Radio();
  void OnDiagStaticEnqTarget11Radio();
  void OnDiagStaticEnqTarget21Radio();

 private:
  tk::RadioGroup m_scopeGroup;
  tk::RadioButton m_scope0Radio{"scope.0", "Scope &0", m_scopeGroup};
  tk::RadioButton m_scope1Radio{"scope.1", "Scope &1", m_scopeGroup};
  tk::RadioGroup m_targetGroup;
  tk::RadioButton m_target11Radio{"target.11", "0x11 (&RLC)", m_targetGroup};
  tk::RadioButton m_target21Radio{"target.21", "0x21 (&task 4, sub-module 1)", m_targetGroup};
  tk::Label m_instanceLabel{"label.instance", "&Instance:"};
  CEditEx m_instanceEdit{"instance"};

  std::uint8_t m_scope = 0;
  std::uint8_t m_target = 0x11;
};
