// The timer and counter setting builders.
#include "orbel/builders/DialogBuilder.h"
#include "orbel/builders/Exports.h"
#include "orbel/diag/setting/CDiagCmdCntSetDlg.h"
#include "orbel/diag/setting/CDiagCmdTmrSetDlg.h"

unsigned char* OrbelGetTmrSetBuffer(unsigned int* len) {
  return orbel::buildWithDialog<CDiagCmdTmrSetDlg>(len);
}

unsigned char* OrbelGetCountSetBuffer(unsigned int* len) {
  return orbel::buildWithDialog<CDiagCmdCntSetDlg>(len);
}
