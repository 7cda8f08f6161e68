#include "orbel/builders/SaveAsExports.h"

#include "host/HostModules.h"
#include "orbel/builders/ExportGuard.h"
#include "orbel/primitive/CPeerSaveAsDlg.h"

int OrbelGetSaveAsInfo(SaveAsInfo* options) {
  IKovaSaveAs* module = ModuleLib<IKovaSaveAs>::sm_Instance;
  if (options == nullptr || module == nullptr) return 0;
  return orbel::guardExport(0, [&] {
    CPeerSaveAsDlg dialog;
    return module->RunPeerSaveAs(dialog, options);
  });
}
