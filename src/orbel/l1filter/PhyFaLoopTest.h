// Loop-test dialog: a file of up to 10 KB, chosen by path or by browsing,
// and one tick box. The host constructs it, runs it modally and after OK
// takes the layer-1 loop-test command, which carries the file's contents,
// from the public frame pointer; the frame stays the dialog's and is
// released with it.
#pragma once

#include "orbel/Export.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Dialog.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"

class ORBEL_EXPORT PhyFaLoopTest : public tk::CDialog {
 public:
  explicit PhyFaLoopTest(tk::CWnd* parent = nullptr);
  ~PhyFaLoopTest() override;

  bool OnInitDialog() override;
  void OnOK() override;
  void OnBrowse();

  // The command frame after OK (its length is the little-endian word at
  // offset 0); null until then. Owned by the dialog.
  unsigned char* m_pFrame = nullptr;

 private:
  tk::Label m_pathLabel{"label.path", "&File:"};
  tk::Edit m_pathEdit{"path"};
  tk::Button m_browseButton{"browse", "&Browse..."};
  tk::CheckBox m_optionCheck{"option", "&Loop option"};
};
