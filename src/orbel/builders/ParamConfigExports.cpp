#include "orbel/builders/ParamConfigExports.h"

#include "orbel/builders/ExportGuard.h"
#include "orbel/config/COtherParamCfgDlg.h"
#include "orbel/config/CSaveAmrVpDlg.h"

unsigned char* GetOtherParamCfg(unsigned char showDialog, int& length) {
  unsigned char* message = orbel::guardExport<unsigned char*>(nullptr, [&] {
    COtherParamCfgDlg dialog;
    return dialog.GetFullMsg(showDialog, length);
  });
  if (message == nullptr) length = 0;  // as on Cancel
  return message;
}

int GetAmrVpCfg(SaveAmrVpParam& param) {
  return orbel::guardExport(0, [&] {
    CSaveAmrVpDlg dialog(&param);
    return dialog.DoModal() == tk::IDOK ? 1 : 0;
  });
}
