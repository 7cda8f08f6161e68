#include "orbel/builders/ParamConfigExports.h"

#include "orbel/config/COtherParamCfgDlg.h"
#include "orbel/config/CSaveAmrVpDlg.h"

unsigned char* GetOtherParamCfg(unsigned char showDialog, int& length) {
  COtherParamCfgDlg dialog;
  return dialog.GetFullMsg(showDialog, length);
}

int GetAmrVpCfg(SaveAmrVpParam& param) {
  CSaveAmrVpDlg dialog(&param);
  return dialog.DoModal() == tk::IDOK ? 1 : 0;
}
