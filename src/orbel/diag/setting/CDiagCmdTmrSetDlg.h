// Timer setting dialog: the engineer picks a module, one of its timers, an
// instance and the timer's new value, and the builder frames the setting.
#pragma once

#include "orbel/diag/setting/CatalogueSettingDlg.h"

class CDiagCmdTmrSetDlg : public orbel::CatalogueSettingDlg {
 public:
  explicit CDiagCmdTmrSetDlg(tk::CWnd* parent = nullptr);
  ~CDiagCmdTmrSetDlg() override;
};
