// Peer save-as dialog: how and where the host saves a peer's recorded data,
// in a binary form with options or as text chosen in a panel glued below.
// Every choice and the path go into the host's SaveAsInfo block on OK.
#pragma once

#include <memory>

#include "host/HostModules.h"
#include "orbel/config/L2ConfigLayout.h"
#include "orbel/primitive/CSaveCfgDlg.h"
#include "orbel/primitive/SaveAsInfo.h"
#include "orbel/primitive/SaveTextChoice.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Dialog.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"
#include "toolkit/RadioButton.h"

class CPeerSaveAsDlg : public tk::CDialog, public PeerSaveAsRun {
 public:
  explicit CPeerSaveAsDlg(tk::CWnd* parent = nullptr);
  ~CPeerSaveAsDlg() override;

  // The block the dialog works on; the host's save-as module sets it before
  // the dialog runs.
  SaveAsInfo* m_pInfo = nullptr;

  // How the host's save-as module points the dialog at the block and runs it.
  void PointAt(SaveAsInfo* info) override { m_pInfo = info; }
  bool RunModally() override { return DoModal() == tk::IDOK; }

  bool OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;

  // The text panel while it is open, else null.
  CSaveCfgDlg* TextPanel() const { return m_textPanel.get(); }

 private:
  void OnRangeCheck();
  void OnL2Check();
  void OnL2EditCheck();
  void OnHlsCheck();
  void OnHlsEditCheck();
  void OnTextCheck();
  void OpenTextPanel();
  // Confirms the open panel, keeps its choice and closes it.
  void CloseTextPanel();
  void UpdateTextEnabling();
  void ReleaseFilterData();
  // The save file dialog until the user cancels it or names a usable file,
  // which goes to m_chosenPath; false when the dialog stays open.
  bool ChoosePath();

  std::unique_ptr<orbel::L2SapRecord> m_l2Record;
  bool m_textFlag = false;
  SaveTextChoice m_textChoice;
  std::unique_ptr<CSaveCfgDlg> m_textPanel;
  std::string m_chosenPath;

  tk::RadioGroup m_formGroup;
  tk::RadioButton m_firstForm{"form.1", "&Binary form 1", m_formGroup};
  tk::RadioButton m_secondForm{"form.2", "Binary form &2", m_formGroup};
  tk::CheckBox m_rangeBox{"range", "Save only a &range"};
  tk::Label m_firstLabel{"range.label.first", "&From:"};
  tk::Edit m_firstEdit{"range.first", "0"};
  tk::Label m_secondLabel{"range.label.second", "&To:"};
  tk::Edit m_secondEdit{"range.second", "0"};
  tk::Label m_rangeNote{"range.note", "Numbers of the first and the last record"};
  tk::CheckBox m_l2Box{"l2", "&Layer-2 configuration"};
  tk::CheckBox m_l2EditBox{"l2.edit", "&Edit layer-2 configuration"};
  tk::CheckBox m_hlsBox{"hls", "&HLS filter"};
  tk::CheckBox m_hlsEditBox{"hls.edit", "Edit HLS f&ilter"};
  tk::CheckBox m_o1Box{"o1", "Option &1"};
  tk::CheckBox m_o2Box{"o2", "Option &2"};
  tk::CheckBox m_o3Box{"o3", "Option &3"};
  tk::CheckBox m_textBox{"text", "Save as te&xt"};
};
