#include "orbel/builders/Exports.h"
#include "orbel/diag/CDiagEnqCntDlg.h"
#include "orbel/diag/CDiagEnqTmrDlg.h"

unsigned char* OrbelGetTmrEnqueryBuffer(unsigned int* len) {
  CDiagEnqTmrDlg dialog;
  return dialog.GetDiagCmd(len);
}

unsigned char* OrbelGetCountEnqueryBuffer(unsigned int* len) {
  CDiagEnqCntDlg dialog;
  return dialog.GetDiagCmd(len);
}
