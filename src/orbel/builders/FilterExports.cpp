#include "orbel/builders/FilterExports.h"

#include "orbel/builders/ExportGuard.h"
#include "orbel/filter/CMsgFilterDlg_MINI.h"

unsigned char* GetFilterMsgMini(unsigned int* fullSet, unsigned int* workModeState, int& workMode, int& filterType,
                                bool interactive) {
  return orbel::guardExport<unsigned char*>(nullptr, [&] {
    CMsgFilterDlg_MINI dialog(0);
    return dialog.GetFilterMsg(fullSet, workModeState, workMode, filterType, interactive);
  });
}
