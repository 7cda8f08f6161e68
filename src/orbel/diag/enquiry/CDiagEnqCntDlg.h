// Counter enquiry dialog: the engineer picks a module, one of its counters
// (or all of them) and an instance, and the builder frames the enquiry.
#pragma once

#include "orbel/Export.h"
#include "orbel/diag/enquiry/CatalogueEnquiryDlg.h"

class ORBEL_EXPORT CDiagEnqCntDlg : public orbel::CatalogueEnquiryDlg {
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
};
