// SIM command dialog: the engineer picks one of the SIM commands that the
// host defines (a tree of groups and commands), fills the command's fields
// in the scrollable form, and OK encodes them into a diagnostic message.
#pragma once

#include <cstdint>

#include "host/SimDefinitions.h"
#include "orbel/ui/CDlgScrollable.h"
#include "orbel/wire/CommandBuffer.h"
#include "toolkit/Dialog.h"
#include "toolkit/TreeControl.h"

class CSimFilterInfoMan;

class CDiagSimCmdDlg : public tk::CDialog {
 public:
  // Image indices of the tree's image list: a group shows image 1 and,
  // when selected, image 0.
  static constexpr int kGroupImage = 1;
  static constexpr int kGroupSelectedImage = 0;
  // Height of the placeholder the pane is placed over, in pixels.
  static constexpr int kPaneHeight = 7 * CDlgScrollable::kRowHeight;

  explicit CDiagSimCmdDlg(tk::CWnd* parent = nullptr);
  ~CDiagSimCmdDlg() override;

  // Runs the dialog; after OK stores the message length through `len` and
  // returns the message, which is null with length 0 when the item encoder
  // refused the command. Null without a dialog for a null `len`; null with
  // *len untouched when the dialog was cancelled.
  unsigned char* GetDiagCmd(unsigned int* len);

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  void OnSelchangedSimCmdTree();

 private:
  void showField(int row, const SimFieldEntry& field);

  tk::TreeControl m_tree{"commands"};
  CDlgScrollable m_pane;

  CSimFilterInfoMan* m_filterInfo = nullptr;
  std::uint16_t m_rowCount = 0;  // rows of the selected command
  orbel::CommandBuffer m_result;
};
