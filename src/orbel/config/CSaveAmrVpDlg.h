// AMR voice-path save dialog: the engineer ticks the items to save, may limit
// them to a range of two numbers, and on OK chooses the file. Only a
// confirmed dialog (OK, then a file chosen) writes into the caller's record.
#pragma once

#include <array>

#include "orbel/config/SaveAmrVpParam.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Dialog.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"

class CSaveAmrVpDlg : public tk::CDialog {
 public:
  // `param` is the caller's record; it must outlive the dialog.
  explicit CSaveAmrVpDlg(SaveAmrVpParam* param, tk::CWnd* parent = nullptr);
  ~CSaveAmrVpDlg() override;

 protected:
  // Asks for the file; a cancelled file dialog leaves this dialog open and
  // the record untouched.
  void OnOK() override;
  void OnRangeCheck();

 private:
  static constexpr std::size_t kItemCount = 9;

  std::array<tk::CheckBox, kItemCount> m_itemChecks{{{"item.1", "Uplink &PCM samples"},
                                                     {"item.2", "Uplink &encoded speech frames"},
                                                     {"item.3", "Uplink &codec mode"},
                                                     {"item.4", "Downlink encoded &speech frames"},
                                                     {"item.5", "Do&wnlink PCM samples"},
                                                     {"item.6", "Downlink frame &quality"},
                                                     {"item.7", "&DTX and SID frames"},
                                                     {"item.8", "Codec mode &requests (CMR)"},
                                                     {"item.9", "Frame &timing"}}};
  tk::CheckBox m_rangeCheck{"range", "Save only frames in a ra&nge"};
  tk::Label m_firstLabel{"label.first", "&From frame:"};
  tk::Edit m_firstEdit{"first", "0"};
  tk::Label m_secondLabel{"label.second", "T&o frame:"};
  tk::Edit m_secondEdit{"second", "0"};

  SaveAmrVpParam* m_param;
};
