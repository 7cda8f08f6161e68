// Trace search dialog: the user chooses a text or a protocol message to find
// in the host's trace view, optionally within a range of numbers or times and
// with two further texts; every change goes into the host's search record at
// once, and each Find notifies the host, which does the searching.
#pragma once

#include <cstdint>
#include <string>

#include "orbel/Export.h"
#include "orbel/search/SearchRecord.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Dialog.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"
#include "toolkit/RadioButton.h"
#include "toolkit/TabControl.h"

// The tabs a dialog offers: bit 0 string search, bit 1 message search.
inline constexpr int kStringSearchTab = 1;
inline constexpr int kMessageSearchTab = 2;

// What the user chose besides the search kind and text. A Find replaces the
// option bits of the record's `method` by the kind, so a host that handles
// the notification reads them here, through the record's `dialog`.
struct TraceSearchOptions {
  std::uint32_t bits = 0;  // kSearchRange, kSearchRangeTimes, ... as they were before the Find
  std::string extraText1;
  std::string extraText2;
  std::uint8_t direction = 1;  // the direction buttons' choice, also after Find-and-close
};

class ORBEL_EXPORT CTrcSrchDlg : public tk::CDialog {
 public:
  // `tabs`: kStringSearchTab, kMessageSearchTab or both. Until AttachRecord
  // the dialog writes into a record of its own (modal use).
  explicit CTrcSrchDlg(int tabs = kStringSearchTab | kMessageSearchTab, tk::CWnd* parent = nullptr);
  ~CTrcSrchDlg() override;

  // Serves `record` from now on (which must outlive the dialog); its
  // `method` starts at 0.
  void AttachRecord(TAG_KOVA_SERACH_METHOD_RECORD* record);
  TraceSearchOptions GetSearchOptions() const;
  // The search text of the last confirmation (OK or Find-and-close).
  const std::string& GetResultText() const { return m_resultText; }

  bool OnInitDialog() override;
  // Modal: confirms with the current search text. Modeless: hides the
  // dialog, as Cancel does.
  void OnOK() override;

 protected:
  void OnSelchangeTabs();
  void OnSelchangeFamily();
  void OnSelchangeMessage();
  void OnRangeCheck();
  void OnFormatTimeRadio();
  void OnFormatNumberRadio();
  void OnChangeStartEdit();
  void OnChangeEndEdit();
  void OnExtraCheck(int which);
  void OnChangeExtraEdit(int which);
  void OnDirectionRadio();
  void OnFind();
  void OnFindAndClose();

 private:
  void showMode();
  void fillMessageNames(int family);
  // Reads the history from the profile, refills the list and, when
  // `adding`, puts the current text first and stores the list again.
  void UpdateSearchHistory(bool adding);
  // Writes the kind and the text of the current mode into the record.
  void prepareFind();
  void notifyHost();
  void setOption(std::uint32_t bit, bool on);
  void enableRangeFields();
  std::string currentSearchText() const;
  std::uint32_t& method() { return m_record->method; }

  tk::TabControl m_tabs{"tabs"};
  tk::ComboBox m_history{"history"};
  tk::Label m_familyLabel{"label.family", "Signal famil&y:"};
  tk::ComboBox m_family{"family"};
  tk::Label m_messageLabel{"label.message", "&Message:"};
  tk::ComboBox m_message{"message"};
  tk::CheckBox m_rangeCheck{"range", "&Range"};
  tk::RadioGroup m_formatGroup;
  tk::RadioButton m_timeFormat{"format.time", "&Times (h:m:s)", m_formatGroup};
  tk::RadioButton m_numberFormat{"format.number", "&Numbers", m_formatGroup};
  tk::Label m_startLabel{"label.start", "&Start:"};
  tk::Edit m_start{"start"};
  tk::Label m_endLabel{"label.end", "&End:"};
  tk::Edit m_end{"end"};
  tk::CheckBox m_extra1Check{"extra.1", "&And also:"};
  tk::Edit m_extra1{"extra.1.text"};
  tk::CheckBox m_extra2Check{"extra.2", "And a&lso:"};
  tk::Edit m_extra2{"extra.2.text"};
  tk::RadioGroup m_directionGroup;
  tk::RadioButton m_up{"direction.0", "&Up", m_directionGroup};
  tk::RadioButton m_down{"direction.1", "&Down", m_directionGroup};
  tk::Button m_find{"find", "&Find"};
  tk::Button m_findClose{"find.close", "Find and &Close"};

  int m_direction = 1;
  int m_tabSet;
  int m_mode = 0;  // 0 string search, 1 message search
  std::uint32_t m_options = 0;
  std::string m_resultText;
  std::string m_extraText1;
  std::string m_extraText2;
  TAG_KOVA_SERACH_METHOD_RECORD m_ownRecord;
  TAG_KOVA_SERACH_METHOD_RECORD* m_record = &m_ownRecord;
};
