// The primitive command builder.
#include "orbel/builders/PrimitiveExports.h"

#include "orbel/builders/ExportGuard.h"
#include "orbel/primitive/CDiagCmdPsdlDlg.h"

unsigned char* OrbelGetPsdlCmdBuffer(CPsdlSystem_ns::tVLink* link, unsigned char h2, unsigned char h3, unsigned char h4,
                                     unsigned char h5, unsigned int group, unsigned int primitive, unsigned int* len) {
  return orbel::guardExport<unsigned char*>(nullptr, [&] {
    CDiagCmdPsdlDlg dialog;
    return dialog.GetDiagCmd(link, h2, h3, h4, h5, group, primitive, len);
  });
}
