// The common shape of a builder export: construct the dialog as a local
// with no parent window, let its builder operation run it, and hand back
// what it built.
#pragma once

namespace orbel {

template <typename Dialog>
unsigned char* buildWithDialog(unsigned int* len) {
  Dialog dialog;
  return dialog.GetDiagCmd(len);
}

}  // namespace orbel
