#include "orbel/builders/SearchExports.h"

#include <memory>

#include "orbel/builders/ExportGuard.h"
#include "orbel/search/CTrcSrchDlg.h"

int SrchDlgGetSearchMethod(TAG_KOVA_SERACH_METHOD_RECORD* record, int tabs, bool&) {
  return orbel::guardExport(0, [&] {
    if (record->dialog != nullptr) {
      record->dialog->DestroyWindow();
      delete record->dialog;
      record->dialog = nullptr;
    }
    auto dialog = std::make_unique<CTrcSrchDlg>(tabs);
    dialog->AttachRecord(record);
    // The record names its dialog before the window opens: a host may reach
    // the dialog from the first notification on.
    record->dialog = dialog.get();
    bool created = false;
    try {
      created = dialog->Create();
    } catch (...) {
      record->dialog = nullptr;  // the dialog goes with the failure: the record must not name it
      throw;
    }
    if (created)
      dialog.release();
    else
      record->dialog = nullptr;
    return 0;
  });
}

int SrchDlgGetSearchString(tk::CString& text) {
  return orbel::guardExport(-1, [&] {
    CTrcSrchDlg dialog;
    if (dialog.DoModal() != tk::IDOK) return -1;
    text = dialog.GetResultText();
    return 0;
  });
}
