#include "orbel/builders/Exports.h"
#include "orbel/diag/CDiagEnqCntDlg.h"
#include "orbel/diag/CDiagEnqTmrDlg.h"
#include "orbel/diag/EnquiryCommand.h"

// A pre-set value shows nothing, so the pre-set path builds the message
// without constructing a dialog the user would never see.

unsigned char* OrbelGetTmrEnqueryBuffer(unsigned int* len) {
  if (len != nullptr && *len != 0)
    return orbel::buildPresetEnquiry(len, orbel::timerEnquiryCatalogue(), orbel::PrimitiveId::TimerEnquiry);
  CDiagEnqTmrDlg dialog;
  return dialog.GetDiagCmd(len);
}

unsigned char* OrbelGetCountEnqueryBuffer(unsigned int* len) {
  if (len != nullptr && *len != 0)
    return orbel::buildPresetEnquiry(len, orbel::counterEnquiryCatalogue(), orbel::PrimitiveId::CounterEnquiry);
  CDiagEnqCntDlg dialog;
  return dialog.GetDiagCmd(len);
}
