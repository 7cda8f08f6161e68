#include "orbel/search/CTrcSrchDlg.h"

#include <algorithm>

#include "host/StringTable.h"
#include "host/Utility.h"
#include "orbel/builders/ModuleLifetime.h"
#include "orbel/search/SearchRange.h"
#include "orbel/search/SignalFamilies.h"
#include "toolkit/Toolkit.h"

namespace {

constexpr unsigned kStringTabCaption = 12560;
constexpr unsigned kMessageTabCaption = 12561;
constexpr char kSettingsSection[] = "Settings";
constexpr char kHistoryKey[] = "primsearch";
constexpr char kHistorySeparator[] = "+";
constexpr std::size_t kHistoryLength = 16;
// The longest text read from a range field.
constexpr std::size_t kRangeTextLength = 255;

std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string rangeText(const tk::Edit& field) { return field.text().substr(0, kRangeTextLength); }

}  // namespace

CTrcSrchDlg::CTrcSrchDlg(int tabs, tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CTrcSrchDlg", "Search"), parent), m_tabSet(tabs) {
  m_history.setEditable(true);
  m_tabs.onSelChange = [this] { OnSelchangeTabs(); };
  m_family.onSelChange = [this] { OnSelchangeFamily(); };
  m_message.onSelChange = [this] { OnSelchangeMessage(); };
  m_rangeCheck.onClicked = [this] { OnRangeCheck(); };
  m_timeFormat.onClicked = [this] { OnFormatTimeRadio(); };
  m_numberFormat.onClicked = [this] { OnFormatNumberRadio(); };
  m_start.onChange = [this] { OnChangeStartEdit(); };
  m_end.onChange = [this] { OnChangeEndEdit(); };
  m_extra1Check.onClicked = [this] { OnExtraCheck(1); };
  m_extra2Check.onClicked = [this] { OnExtraCheck(2); };
  m_extra1.onChange = [this] { OnChangeExtraEdit(1); };
  m_extra2.onChange = [this] { OnChangeExtraEdit(2); };
  m_up.onClicked = [this] { OnDirectionRadio(); };
  m_down.onClicked = [this] { OnDirectionRadio(); };
  m_find.onClicked = [this] { OnFind(); };
  m_findClose.onClicked = [this] { OnFindAndClose(); };
  m_numberFormat.setCheck(true);
  m_down.setCheck(true);
  m_start.setTooltip("A number, or a time of day as hours:minutes:seconds");
  m_end.setTooltip("The last number or time to search, included");

  setLayout({
      tk::item(m_tabs),
      tk::item(m_history),
      tk::row({tk::item(m_familyLabel), tk::item(m_family), tk::item(m_messageLabel), tk::item(m_message)}),
      tk::group("Range", {tk::row({tk::item(m_rangeCheck), tk::item(m_timeFormat), tk::item(m_numberFormat)}),
                          tk::row({tk::item(m_startLabel), tk::item(m_start), tk::item(m_endLabel), tk::item(m_end)})}),
      tk::group("Extra texts", {tk::row({tk::item(m_extra1Check), tk::item(m_extra1)}),
                                tk::row({tk::item(m_extra2Check), tk::item(m_extra2)})}),
      tk::row({tk::group("Direction", {tk::row({tk::item(m_up), tk::item(m_down)})}), tk::stretch(),
               tk::item(m_find), tk::item(m_findClose)}),
  });
}

CTrcSrchDlg::~CTrcSrchDlg() = default;

void CTrcSrchDlg::AttachRecord(TAG_KOVA_SERACH_METHOD_RECORD* record) {
  m_record = record;
  m_record->method = 0;
  m_options = 0;
}

TraceSearchOptions CTrcSrchDlg::GetSearchOptions() const {
  return {m_options, m_extraText1, m_extraText2, static_cast<std::uint8_t>(m_direction)};
}

bool CTrcSrchDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_tabSet & kStringSearchTab) m_tabs.insertItem(0, getResourceStringComm(kStringTabCaption));
  if (m_tabSet & kMessageSearchTab) m_tabs.insertItem(1, getResourceStringComm(kMessageTabCaption));
  m_tabs.setCurSel(0);
  m_mode = (m_tabSet & kStringSearchTab) ? 0 : 1;
  showMode();

  for (const std::string& family : orbel::signalFamilyNames()) m_family.addString(family);
  m_family.setCurSel(0);
  fillMessageNames(0);
  OnSelchangeMessage();

  enableRangeFields();
  m_extra1.enable(m_extra1Check.check() == 1);
  m_extra2.enable(m_extra2Check.check() == 1);
  return true;
}

void CTrcSrchDlg::showMode() {
  const bool messages = m_mode == 1;
  for (tk::Control* control : {static_cast<tk::Control*>(&m_familyLabel), static_cast<tk::Control*>(&m_family),
                               static_cast<tk::Control*>(&m_messageLabel), static_cast<tk::Control*>(&m_message)})
    control->show(messages);
  m_history.show(!messages);
  if (!messages) UpdateSearchHistory(false);
}

void CTrcSrchDlg::OnSelchangeTabs() {
  m_mode = m_tabSet == kMessageSearchTab ? 1 : m_tabs.curSel();
  showMode();
}

void CTrcSrchDlg::fillMessageNames(int family) {
  m_message.resetContent();
  for (std::string& name : orbel::offeredMessageNames(orbel::messageNamesOfFamily(family)))
    m_message.addString(std::move(name));
  m_message.setCurSel(0);
}

void CTrcSrchDlg::OnSelchangeFamily() {
  fillMessageNames(m_family.curSel());
  OnSelchangeMessage();
}

void CTrcSrchDlg::OnSelchangeMessage() {
  const int selected = m_message.curSel();
  m_record->text = selected < 0 ? std::string() : m_message.item(selected).text;
}

void CTrcSrchDlg::setOption(std::uint32_t bit, bool on) {
  if (on) {
    m_options |= bit;
    method() |= bit;
  } else {
    m_options &= ~bit;
    method() &= ~bit;
  }
}

void CTrcSrchDlg::enableRangeFields() {
  const bool ranged = m_rangeCheck.check() == 1;
  for (tk::Control* control : {static_cast<tk::Control*>(&m_timeFormat), static_cast<tk::Control*>(&m_numberFormat),
                               static_cast<tk::Control*>(&m_start), static_cast<tk::Control*>(&m_end)})
    control->enable(ranged);
}

void CTrcSrchDlg::OnRangeCheck() {
  const bool ranged = m_rangeCheck.check() == 1;
  setOption(kSearchRange, ranged);
  setOption(kSearchRangeNumbers, ranged);
  setOption(kSearchRangeTimes, false);
  // Ticking the range starts it in numbers: the buttons and both values follow.
  if (ranged) m_formatGroup.check(m_numberFormat);
  enableRangeFields();
  OnChangeStartEdit();
  OnChangeEndEdit();
}

void CTrcSrchDlg::OnFormatTimeRadio() {
  const bool ranged = m_rangeCheck.check() == 1;
  setOption(kSearchRangeTimes, ranged);
  if (ranged) setOption(kSearchRangeNumbers, false);
  // The fields' texts are read again in the new format.
  OnChangeStartEdit();
  OnChangeEndEdit();
}

void CTrcSrchDlg::OnFormatNumberRadio() {
  const bool ranged = m_rangeCheck.check() == 1;
  setOption(kSearchRangeNumbers, ranged);
  if (ranged) setOption(kSearchRangeTimes, false);
  OnChangeStartEdit();
  OnChangeEndEdit();
}

void CTrcSrchDlg::OnChangeStartEdit() {
  m_record->startValue = orbel::rangeStartOf(rangeText(m_start), (method() & kSearchRangeTimes) != 0);
}

void CTrcSrchDlg::OnChangeEndEdit() {
  m_record->endValue = orbel::rangeEndOf(rangeText(m_end), (method() & kSearchRangeTimes) != 0);
}

void CTrcSrchDlg::OnExtraCheck(int which) {
  tk::CheckBox& check = which == 1 ? m_extra1Check : m_extra2Check;
  const bool on = check.check() == 1;
  setOption(which == 1 ? kSearchExtraText1 : kSearchExtraText2, on);
  (which == 1 ? m_extra1 : m_extra2).enable(on);
}

void CTrcSrchDlg::OnChangeExtraEdit(int which) {
  const std::string& text = (which == 1 ? m_extra1 : m_extra2).text();
  (which == 1 ? m_extraText1 : m_extraText2) = text;
  setOption(which == 1 ? kSearchExtraText1 : kSearchExtraText2, !text.empty());
}

void CTrcSrchDlg::OnDirectionRadio() {
  m_direction = m_up.checked() ? 0 : 1;
  m_record->direction = static_cast<std::uint8_t>(m_direction);
}

void CTrcSrchDlg::UpdateSearchHistory(bool adding) {
  tk::Toolkit* toolkit = tk::installedToolkit();
  if (toolkit == nullptr) return;
  CStringList history;
  CUtility::sepString(history, toolkit->profile().getString(kSettingsSection, kHistoryKey), kHistorySeparator);
  const std::string text = trimmed(m_history.editText());
  if (adding && !text.empty()) {
    if (auto same = std::find(history.begin(), history.end(), text); same != history.end()) history.erase(same);
    history.push_front(text);
  }
  if (history.size() > kHistoryLength) history.resize(kHistoryLength);
  m_history.resetContent();
  for (const std::string& entry : history)
    if (!entry.empty()) m_history.addString(entry);
  m_history.setEditText(text);
  if (!adding) return;
  std::string joined;
  CUtility::joinString(joined, history, kHistorySeparator);
  toolkit->profile().writeString(kSettingsSection, kHistoryKey, joined);
}

std::string CTrcSrchDlg::currentSearchText() const {
  if (m_mode == 1) return m_message.curSel() < 0 ? std::string() : m_message.item(m_message.curSel()).text;
  return trimmed(m_history.editText());
}

void CTrcSrchDlg::prepareFind() {
  if (m_mode == 0) {
    UpdateSearchHistory(true);
    m_record->text = m_history.editText();
    method() = kStringSearch;
  } else {
    m_record->text = currentSearchText();
    method() = kMessageSearch;
  }
}

void CTrcSrchDlg::notifyHost() {
  tk::Toolkit* toolkit = tk::installedToolkit();
  if (toolkit == nullptr) return;
  toolkit->notifyHost({kSearchNotification, m_record->text, m_record->hostParam,
                       reinterpret_cast<std::uintptr_t>(m_record)});
}

void CTrcSrchDlg::OnFind() {
  prepareFind();
  m_record->direction = static_cast<std::uint8_t>(m_direction);
  notifyHost();
}

void CTrcSrchDlg::OnFindAndClose() {
  prepareFind();
  m_record->direction = kSearchDirectionClosing;
  notifyHost();
  m_resultText = m_record->text;
  CDialog::OnOK();
}

void CTrcSrchDlg::OnOK() {
  if (isModelessWindow()) {
    CDialog::OnCancel();  // Enter hides the window, as Cancel does
    return;
  }
  if (m_mode == 0) UpdateSearchHistory(true);
  m_resultText = currentSearchText();
  CDialog::OnOK();
}
