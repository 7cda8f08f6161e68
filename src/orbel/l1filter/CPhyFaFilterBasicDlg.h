// The basic layer-1 filter dialog: picks the current configuration or one of
// the stored layer-1 filter files by its title.
#pragma once

#include <string>

#include "orbel/l1filter/PhyFaFilterBase.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Dialog.h"

inline constexpr char kCurrentConfigChoice[] = "<current config>";

class CPhyFaFilterBasicDlg : public tk::CDialog, private PhyFaFilterBase {
 public:
  explicit CPhyFaFilterBasicDlg(tk::CWnd* parent = nullptr);

  using PhyFaFilterBase::Config;

 protected:
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  tk::ComboBox m_configList{"config"};
};
