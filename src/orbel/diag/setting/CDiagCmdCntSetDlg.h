// Counter setting dialog: the engineer picks a module, one of its counters,
// an instance and the counter's new value, and the builder frames the setting.
#pragma once

#include "orbel/diag/setting/CatalogueSettingDlg.h"

class CDiagCmdCntSetDlg : public orbel::CatalogueSettingDlg {
 public:
  explicit CDiagCmdCntSetDlg(tk::CWnd* parent = nullptr);
  ~CDiagCmdCntSetDlg() override;
};
