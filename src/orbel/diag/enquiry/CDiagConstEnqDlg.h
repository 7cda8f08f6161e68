// Constant enquiry dialog: the engineer picks a module and one group of its
// configuration constants, for one instance or all, and the builder frames
// the enquiry.
#pragma once

#include "orbel/diag/enquiry/CatalogueEnquiryDlg.h"

class CDiagConstEnqDlg : public orbel::CatalogueEnquiryDlg {
 public:
  explicit CDiagConstEnqDlg(tk::CWnd* parent = nullptr);
  ~CDiagConstEnqDlg() override;

  // Builds the constant enquiry; see OrbelGetConstEnqueryBuffer.
  unsigned char* GetDiagCmd(unsigned int* len);

 protected:
  int UpdateCombox();

  void OnDiagConstEnqMacRadio();
  void OnDiagConstEnqRlcRadio();
  void OnDiagConstEnqRrcRadio();
  void OnDiagConstEnqPdhRadio();
  void OnSelchangeDiagConstEnqConstIdCombx();
  void OnChangeDiagConstEnqInstEdit();
};
