// The cell-control builders (lock cell, disable request, physical-layer
// parameter request, measurement report interval) and the layer-1 info
// report configuration.
#include "orbel/builders/DialogBuilder.h"
#include "orbel/builders/ExportGuard.h"
#include "orbel/builders/Exports.h"
#include "orbel/diag/cell/CDiagCmdDisableDlg.h"
#include "orbel/diag/cell/CDiagCmdLockCellDlg.h"
#include "orbel/diag/cell/CDiagCmdPhyInfoReqDlg.h"
#include "orbel/diag/cell/CDiagMeasIntervalDlg.h"
#include "orbel/diag/cell/CL1ConfigDlg.h"

unsigned char* OrbelGetLockCellBuffer(unsigned int* len, unsigned long presetFlags, unsigned char cellId,
                                      unsigned short frequency, bool b1, bool b2, bool b3, bool b4) {
  return orbel::guardExport<unsigned char*>(nullptr, [&] {
    CDiagCmdLockCellDlg dialog(b1, b2, b3, b4);
    dialog.SetPreset(presetFlags, cellId, frequency);
    return dialog.GetDiagCmd(len);
  });
}

unsigned char* DiagCmdDisableReqBuffer(unsigned int* len) {
  return orbel::buildWithDialog<CDiagCmdDisableDlg>(len);
}

unsigned char* OrbelGetPhyParamInfoReqBuffer(unsigned int* len) {
  return orbel::buildWithDialog<CDiagCmdPhyInfoReqDlg>(len);
}

unsigned char* GetMeasReportInterval(unsigned int* len) {
  return orbel::buildWithDialog<CDiagMeasIntervalDlg>(len);
}

unsigned char* GetL1infoReportCfg(unsigned int* len) {
  return orbel::buildWithDialog<CL1ConfigDlg>(len);
}
