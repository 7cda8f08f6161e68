#include "orbel/builders/ExportGuard.h"

#include "toolkit/Toolkit.h"
#include "toolkit/Types.h"

namespace orbel {

void reportExportFailure(const char* text) noexcept {
  try {
    if (tk::Toolkit* toolkit = tk::installedToolkit())
      toolkit->messageBox(nullptr, text, {}, tk::MB_OK | tk::MB_ICONERROR);
  } catch (...) {
    // The message box itself failed (memory is short): the caller still gets its result.
  }
}

}  // namespace orbel
