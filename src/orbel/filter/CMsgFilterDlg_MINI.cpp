#include "orbel/filter/CMsgFilterDlg_MINI.h"

#include <algorithm>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "host/FeatureManager.h"
#include "orbel/builders/ModuleLifetime.h"
#include "orbel/filter/CompactFilter.h"
#include "orbel/filter/HlsFilterFile.h"
#include "orbel/filter/StoredFilterMessage.h"
#include "orbel/ui/KovaFileDialog.h"
#include "orbel/wire/ByteOrder.h"
#include "orbel/wire/ByteReader.h"
#include "orbel/wire/DiagMessage.h"
#include "toolkit/Toolkit.h"

namespace {

constexpr int kWorkModeSwitch = 124;
constexpr std::uint32_t kNoSap = 0xFFFFFFFF;

bool workModeShown() { return FeatureManager::Instance().GetFeature(kWorkModeSwitch); }

}  // namespace

CMsgFilterDlg_MINI::CMsgFilterDlg_MINI(unsigned int fullSet, tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CMsgFilterDlg_MINI", "Message Filter"), parent), m_fullSet(fullSet) {
  m_saveButton.onClicked = [this] { OnSave(); };
  m_loadButton.onClicked = [this] { OnLoad(); };
  for (int code = orbel::kFilterBaseOnly; code <= orbel::kFilterOption5; ++code)
    optionButton(code)->setTooltip(orbel::describeCompactOption(static_cast<orbel::CompactFilterCode>(code)));
  m_storedRadio.setTooltip("The filter message last loaded from a file with Load; it is kept in the profile.");

  // Save and Load work on the filter, so they stand beside its options.
  // Scripts and descriptions list the options in their group's order, then
  // the work mode, then Save and Load.
  std::vector<tk::Control*> order(m_optionGroup.members().begin(), m_optionGroup.members().end());
  order.insert(order.end(), {&m_workModeLabel, &m_workModeOnRadio, &m_workModeOffRadio, &m_saveButton, &m_loadButton});
  setLayout(
      {
          tk::row({tk::group("Filter", {tk::item(m_baseRadio), tk::item(m_option1Radio), tk::item(m_option2Radio),
                                        tk::item(m_option3Radio), tk::item(m_option5Radio), tk::item(m_fullRadio),
                                        tk::item(m_storedRadio)}),
                   tk::column({tk::item(m_saveButton), tk::item(m_loadButton), tk::stretch()})}),
          tk::row(
              {tk::item(m_workModeLabel), tk::item(m_workModeOnRadio), tk::item(m_workModeOffRadio), tk::stretch()}),
      },
      std::move(order));
}

CMsgFilterDlg_MINI::~CMsgFilterDlg_MINI() = default;

unsigned char* CMsgFilterDlg_MINI::GetFilterMsg(unsigned int* fullSet, unsigned int* workModeState, int& workMode,
                                                int& filterType, bool interactive) {
  if (fullSet == nullptr) return nullptr;
  m_filterType = filterType;
  m_workMode = workMode;
  m_workModeState = static_cast<unsigned int>(workMode);  // what stays when the work mode is not shown
  m_interactive = interactive;
  if (DoModal() != tk::IDOK) return nullptr;
  workMode = m_workMode;
  filterType = m_filterType;
  *fullSet = m_fullSet;
  if (workModeState != nullptr) *workModeState = m_workModeState;
  unsigned int length = 0;  // the message carries its own length
  return m_message.handOver(&length);
}

tk::RadioButton* CMsgFilterDlg_MINI::optionButton(int code) {
  switch (code) {
    case orbel::kFilterBaseOnly: return &m_baseRadio;
    case orbel::kFilterOption1: return &m_option1Radio;
    case orbel::kFilterOption2: return &m_option2Radio;
    case orbel::kFilterOption3: return &m_option3Radio;
    case orbel::kFilterFull: return &m_fullRadio;
    case orbel::kFilterOption5: return &m_option5Radio;
    case orbel::kFilterStored: return &m_storedRadio;
    default: return nullptr;
  }
}

bool CMsgFilterDlg_MINI::OnInitDialog() {
  CDialog::OnInitDialog();
  if (!workModeShown()) {
    m_workModeLabel.show(false);
    m_workModeOnRadio.show(false);
    m_workModeOffRadio.show(false);
  } else {
    m_workModeGroup.check(m_workMode != 0 ? m_workModeOnRadio : m_workModeOffRadio);
  }
  if (!orbel::readStoredFilterMessage()) {
    m_storedRadio.enable(false);
    if (m_filterType == orbel::kFilterStored) m_filterType = orbel::kFilterBaseOnly;
  }
  if (tk::RadioButton* chosen = optionButton(m_filterType)) m_optionGroup.check(*chosen);
  if (!m_interactive) OnOK();
  return true;
}

void CMsgFilterDlg_MINI::OnOK() {
  buildFilter();
  EndDialog(tk::IDOK);
}

void CMsgFilterDlg_MINI::buildFilter() {
  m_message = {};
  m_filterType = orbel::kFilterBaseOnly;
  if (m_storedRadio.checked()) {
    if (std::optional<std::vector<std::uint8_t>> stored = orbel::readStoredFilterMessage()) {
      m_message = orbel::CommandBuffer::allocate(static_cast<std::uint32_t>(stored->size()));
      if (!m_message) {
        MessageBox("Malloc Failed!");
        return;
      }
      std::copy(stored->begin(), stored->end(), m_message.bytes().begin());
      m_filterType = orbel::kFilterStored;
    }
  } else {
    m_fullSet = 0;
    orbel::SapIdSet ids = orbel::compactBaseSet();
    const bool full = m_fullRadio.checked();
    // The full option takes every option's identifiers; the code ends at 4.
    for (auto code : {orbel::kFilterOption1, orbel::kFilterOption2, orbel::kFilterOption3, orbel::kFilterOption5}) {
      if (!full && !optionButton(code)->checked()) continue;
      orbel::addCompactOption(ids, code);
      m_filterType = code;
    }
    if (full) {
      orbel::addCompactOption(ids, orbel::kFilterFull);
      m_filterType = orbel::kFilterFull;
      m_fullSet = 1;
    }
    ids.erase(kNoSap);
    m_message = orbel::buildCompactFilterMessage(ids);
    if (!m_message) {
      MessageBox("Malloc Failed!");
      return;
    }
  }
  if (workModeShown()) {
    m_workModeState = m_workModeOnRadio.checked() ? 1 : 0;
    m_workMode = static_cast<int>(m_workModeState);
  }
  tk::Toolkit* toolkit = tk::installedToolkit();
  if (toolkit == nullptr) return;  // a dialog runs only under a toolkit; built directly, nothing is recorded
  tk::ProfileStore& profile = toolkit->profile();
  profile.writeInt(orbel::kSettingsSection, "WorkMode", m_workMode);
  profile.writeInt(orbel::kSettingsSection, "FilterType", m_filterType);
}

void CMsgFilterDlg_MINI::OnSave() {
  orbel::KovaFileDialog fileDialog(false, orbel::kHlsFilterExtension, "", orbel::kHlsFilterFileFilter, this);
  if (fileDialog.DoModal() != tk::IDOK) return;
  buildFilter();
  // The payload length word is trusted only as far as the message reaches:
  // a stored message is checked for its total length alone.
  const std::span<const std::uint8_t> message = std::as_const(m_message).bytes();
  orbel::ByteReader reader(message);
  if (message.size() > orbel::kFrameOverhead && reader.skip(orbel::kHeaderSize)) {
    const std::optional<std::uint16_t> payloadLength = reader.u16LE();
    if (payloadLength && orbel::kFrameOverhead + *payloadLength <= message.size()) {
      orbel::SaveHlsFilterFile(fileDialog.GetPathName(), message.data() + orbel::kPayloadOffset,
                               static_cast<int>(*payloadLength), this);
      return;
    }
  }
  orbel::SaveHlsFilterFile(fileDialog.GetPathName(), nullptr, 0, this);
}

void CMsgFilterDlg_MINI::OnLoad() {
  orbel::KovaFileDialog fileDialog(true, orbel::kHlsFilterExtension, "", orbel::kHlsFilterFileFilter, this);
  if (fileDialog.DoModal() != tk::IDOK) return;
  const std::vector<unsigned char> message = orbel::LoadHlsFilterFile(fileDialog.GetPathName(), this);
  if (message.empty()) return;
  orbel::writeStoredFilterMessage(message);
  m_storedRadio.enable(true);
  m_optionGroup.check(m_storedRadio);
}
