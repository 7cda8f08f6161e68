// Timer enquiry dialog: the engineer picks a module, one of its timers (or
// all of them) and an instance, and the builder frames the enquiry.
#pragma once

#include "orbel/Export.h"
#include "orbel/diag/enquiry/CatalogueEnquiryDlg.h"

class ORBEL_EXPORT CDiagEnqTmrDlg : public orbel::CatalogueEnquiryDlg {
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
};
