// The scenario editor export.
#include "orbel/builders/ScenarioExports.h"

#include <cstring>

#include "orbel/builders/ExportGuard.h"
#include "orbel/primitive/CPrimtiveCtrlDlg.h"

int ScenarioFileCreate(CPsdlSystem_ns::tVLink* link, const char* path) {
  if (link == nullptr || path == nullptr) return -1;
  // The editor holds the path in 256 bytes; a longer one is refused rather than cut.
  if (std::strlen(path) >= orbel::kScenarioNameField) return -1;
  return orbel::guardExport<int>(-1, [&] {
    CPrimtiveCtrlDlg dialog;
    dialog.setScenarioPath(path);
    dialog.setLink(link);
    return dialog.DoModal() == tk::IDOK ? 0 : -1;
  });
}
