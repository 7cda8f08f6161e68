// Text save panel: which content a peer's data saved as text carries, in one
// of two text forms or as one of the alternatives X, Y, Z. It opens modeless,
// glued below the peer save-as dialog, which confirms and closes it.
#pragma once

#include <array>

#include "orbel/primitive/SaveTextChoice.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Dialog.h"
#include "toolkit/RadioButton.h"

class CSaveCfgDlg : public tk::CDialog {
 public:
  // Starts from `choice`; X, Y and Z start unchecked.
  explicit CSaveCfgDlg(const SaveTextChoice& choice, tk::CWnd* parent = nullptr);
  ~CSaveCfgDlg() override;

  bool OnInitDialog() override;
  // Confirmation: reads every box into the held choice; a set X, Y or Z
  // clears the content flags of both forms. The panel stays open: its owner
  // closes it.
  void OnOK() override;
  // Only its owner closes the panel.
  void OnCancel() override {}

  const SaveTextChoice& Choice() const { return m_choice; }

 private:
  void OnSelectAll();
  void OnForm(std::uint32_t form);
  void UpdateEnabling();
  std::array<tk::CheckBox*, 3> alternatives() { return {&m_x, &m_y, &m_z}; }

  SaveTextChoice m_choice;

  tk::CheckBox m_all{"all", "Select &all"};
  std::array<tk::CheckBox, 8> m_content{{{"content.0", "Message &name"},
                                         {"content.1", "&Time stamp"},
                                         {"content.2", "&Direction"},
                                         {"content.3", "&Sender"},
                                         {"content.4", "&Receiver"},
                                         {"content.5", "&Length"},
                                         {"content.6", "&Decoded fields"},
                                         {"content.7", "Raw &bytes"}}};
  tk::RadioGroup m_formGroup;
  tk::RadioButton m_firstForm{"textform.1", "&Full text", m_formGroup};
  tk::RadioButton m_secondForm{"textform.2", "&Summary text", m_formGroup};
  std::array<tk::CheckBox, 3> m_second{{{"second.0", "Message &list"},
                                        {"second.1", "Message &counts"},
                                        {"second.2", "&Errors only"}}};
  tk::CheckBox m_x{"x", "Signalling &flow only (X)"};
  tk::CheckBox m_y{"y", "&Peer data only (Y)"};
  tk::CheckBox m_z{"z", "Time &line only (Z)"};
};
