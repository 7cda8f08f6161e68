#include "orbel/builders/FilterExports.h"

#include <memory>

#include "orbel/builders/ExportGuard.h"
#include "host/SimFilterInfoMan.h"
#include "orbel/filter/CFilterHLSDlg.h"
#include "orbel/filter/CMsgFilterDlg_MINI.h"

namespace {

CFilterHLSDlg::NodeLists hostNodeLists() {
  CSimFilterInfoMan* info = CSimFilterInfoMan::CreateInstance(true);
  CFilterHLSDlg::NodeLists lists{};
  for (int index = 0; index < CFilterHLSDlg::kListCount; ++index)
    lists[static_cast<std::size_t>(index)] = info->GetHlsNodeList(index);
  return lists;
}

// Runs `dialog` modally with `manager`; on OK hands the manager to the
// caller. A manager the dialog made is deleted when it is not handed over.
bool runWithManager(CFilterHLSDlg& dialog, SapFilterManager*& manager) {
  dialog.SetManager(manager);
  const bool confirmed = dialog.DoModal() == tk::IDOK;
  if (confirmed)
    manager = dialog.GetManager();
  else if (dialog.MadeManager())
    delete dialog.GetManager();
  return confirmed;
}

}  // namespace

unsigned char* GetFilterMsgMini(unsigned int* fullSet, unsigned int* workModeState, int& workMode, int& filterType,
                                bool interactive) {
  return orbel::guardExport<unsigned char*>(nullptr, [&] {
    CMsgFilterDlg_MINI dialog(0);
    return dialog.GetFilterMsg(fullSet, workModeState, workMode, filterType, interactive);
  });
}

bool OrbelGetHlsFilterBuffer(SapFilterManager*& manager) {
  return orbel::guardExport(false, [&] {
    const CFilterHLSDlg::NodeLists lists = hostNodeLists();
    CFilterHLSDlg dialog(CFilterHLSDlg::kEditMode, &lists);
    return runWithManager(dialog, manager);
  });
}

unsigned char* OrbelGetDisplayFilterBuffer(unsigned int* len, unsigned int* flag, SapFilterManager*& manager) {
  if (len == nullptr || flag == nullptr) return nullptr;
  return orbel::guardExport<unsigned char*>(nullptr, [&]() -> unsigned char* {
    const CFilterHLSDlg::NodeLists lists = hostNodeLists();
    CFilterHLSDlg dialog(CFilterHLSDlg::kDisplayFilterMode, &lists);
    if (!runWithManager(dialog, manager)) return nullptr;
    *flag = dialog.DisplayFlag();
    return dialog.TakeDisplayMessage(len);
  });
}

void OrbelGetDefaultFilterTT(SapFilterManager*& manager) {
  orbel::guardExport([&] {
    const CFilterHLSDlg::NodeLists lists = hostNodeLists();
    CFilterHLSDlg dialog(CFilterHLSDlg::kDefaultMode, &lists);
    if (!dialog.Create()) return;
    dialog.SelectFilterType(1);
    if (dialog.MadeManager()) delete dialog.GetManager();
    std::unique_ptr<SapFilterManager> made(manager == nullptr ? new SapFilterManager : nullptr);
    dialog.SetManager(made ? made.get() : manager);
    dialog.RunOkStep();
    if (made) manager = made.release();
    dialog.DestroyWindow();
  });
}
