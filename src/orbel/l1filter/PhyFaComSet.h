// Port-setting dialog: one tick box. The host constructs it, runs it
// modally and after OK takes the layer-1 port-setting command from the
// public frame pointer; the frame stays the dialog's and is released with it.
#pragma once

#include "orbel/Export.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Dialog.h"

class ORBEL_EXPORT PhyFaComSet : public tk::CDialog {
 public:
  explicit PhyFaComSet(tk::CWnd* parent = nullptr);
  ~PhyFaComSet() override;

  bool OnInitDialog() override;
  void OnOK() override;

  // The command frame after OK (its length is the little-endian word at
  // offset 0); null until then. Owned by the dialog.
  unsigned char* m_pFrame = nullptr;

 private:
  tk::CheckBox m_optionCheck{"option", "&Port option"};
};
