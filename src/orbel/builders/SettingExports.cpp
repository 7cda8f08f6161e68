// The timer and counter setting builders.
#include "orbel/builders/Exports.h"
#include "orbel/diag/CDiagCmdCntSetDlg.h"
#include "orbel/diag/CDiagCmdTmrSetDlg.h"

unsigned char* OrbelGetTmrSetBuffer(unsigned int* len) {
  CDiagCmdTmrSetDlg dialog;
  return dialog.GetDiagCmd(len);
}

unsigned char* OrbelGetCountSetBuffer(unsigned int* len) {
  CDiagCmdCntSetDlg dialog;
  return dialog.GetDiagCmd(len);
}
