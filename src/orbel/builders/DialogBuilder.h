// The common shape of a builder export: construct the dialog as a local
// with no parent window, let its builder operation run it, and hand back
// what it built; a failure on the way gives null with *len unchanged.
#pragma once

#include "orbel/builders/ExportGuard.h"

namespace orbel {

template <typename Dialog>
unsigned char* buildWithDialog(unsigned int* len) {
  return guardExport<unsigned char*>(nullptr, [&] {
    Dialog dialog;
    return dialog.GetDiagCmd(len);
  });
}

}  // namespace orbel
