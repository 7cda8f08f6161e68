// The compact message filter dialog: the engineer picks one of a few
// predefined trace filter options (or the filter last loaded from a file)
// instead of editing SAP trees, and may record a work mode. Save and Load
// exchange the filter with HLS filter files.
#pragma once

#include "orbel/wire/CommandBuffer.h"
#include "toolkit/Button.h"
#include "toolkit/Dialog.h"
#include "toolkit/Label.h"
#include "toolkit/RadioButton.h"

class CMsgFilterDlg_MINI : public tk::CDialog {
 public:
  explicit CMsgFilterDlg_MINI(unsigned int fullSet = 0, tk::CWnd* parent = nullptr);
  // Frees a message that was built but not handed out.
  ~CMsgFilterDlg_MINI() override;

  // Runs the dialog with `filterType` (0 to 6) and `workMode` chosen, at
  // once confirmed when `interactive` is false. On OK stores the work mode,
  // the filter code, the full flag and the work-mode state and returns the
  // filter message (malloc'ed, its length in its first word; null when none
  // was built); otherwise returns null and changes nothing. Null `fullSet`
  // gives null without a dialog.
  unsigned char* GetFilterMsg(unsigned int* fullSet, unsigned int* workModeState, int& workMode, int& filterType,
                              bool interactive);

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  void OnSave();
  void OnLoad();

 private:
  // Builds the message of the chosen option and records the work mode and
  // filter code in the profile; the OK button and Save both run it.
  void buildFilter();
  tk::RadioButton* optionButton(int code);

  tk::RadioGroup m_optionGroup;
  tk::RadioButton m_baseRadio{"filter.base", "&Base SAP set", m_optionGroup};
  tk::RadioButton m_option1Radio{"filter.option1", "Option &1", m_optionGroup};
  tk::RadioButton m_option2Radio{"filter.option2", "Option &2", m_optionGroup};
  tk::RadioButton m_option3Radio{"filter.option3", "Option &3", m_optionGroup};
  tk::RadioButton m_fullRadio{"filter.full", "&Full set", m_optionGroup};
  tk::RadioButton m_option5Radio{"filter.option5", "Option &5", m_optionGroup};
  tk::RadioButton m_storedRadio{"filter.stored", "Filter loaded from &file", m_optionGroup};
  tk::Label m_workModeLabel{"workmode.label", "Work mode:"};
  tk::RadioGroup m_workModeGroup;
  tk::RadioButton m_workModeOnRadio{"workmode.on", "O&n", m_workModeGroup};
  tk::RadioButton m_workModeOffRadio{"workmode.off", "O&ff", m_workModeGroup};
  tk::Button m_saveButton{"save", "&Save..."};
  tk::Button m_loadButton{"load", "&Load..."};

  orbel::CommandBuffer m_message;
  unsigned int m_fullSet;
  unsigned int m_workModeState = 0;
  int m_workMode = 0;
  int m_filterType = 0;
  bool m_interactive = true;
};
