// Variable enquiry dialog: the engineer picks a module and one of its
// internal variables, for one instance or all, and the builder frames the
// enquiry.
#pragma once

#include "orbel/diag/enquiry/CatalogueEnquiryDlg.h"

class CDiagVarEnqDlg : public orbel::CatalogueEnquiryDlg {
 public:
  explicit CDiagVarEnqDlg(tk::CWnd* parent = nullptr);
  ~CDiagVarEnqDlg() override;

  // Builds the variable enquiry; see OrbelGetVariableEnqueryBuffer.
  unsigned char* GetDiagCmd(unsigned int* len);

 protected:
  int UpdateCombox();

  void OnDiagVarEnqMacRadio();
  void OnDiagVarEnqRlcRadio();
  void OnDiagVarEnqRrcRadio();
  void OnDiagVarEnqPdhRadio();
  void OnDiagVarEnqMmRadio();
  void OnDiagVarEnqSmRadio();
  void OnSelchangeDiagVarEnqVarIdCombx();
  void OnChangeDiagVarEnqInstEdit();
};
