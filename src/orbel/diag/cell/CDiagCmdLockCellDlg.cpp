#include "orbel/diag/cell/CDiagCmdLockCellDlg.h"

#include <optional>
#include <span>
#include <string>

#include "host/FeatureManager.h"
#include "host/StringTable.h"
#include "host/TdBand.h"
#include "orbel/builders/ModuleLifetime.h"
#include "orbel/diag/NumberText.h"
#include "orbel/ui/ResourceText.h"
#include "orbel/wire/ByteOrder.h"
#include "orbel/wire/DiagMessage.h"
#include "orbel/wire/StackModules.h"

namespace {

using orbel::LockSide;

constexpr char kTdCaption[] = "Cell Param ID:";
constexpr char kGsmCaption[] = "BSIC:";
constexpr std::uint8_t kAnyCell = 0xFF;
constexpr unsigned kTdCellLimit = 128;  // cell parameter ids 0 to 127
constexpr unsigned kGsmCellLimit = 64;  // BSIC 0 to 63

// Host module whose presence offers the GSM modes.
constexpr int kGsmModule = 25;

constexpr unsigned kFrequencyInvalid = 11445;
constexpr unsigned kTdCellInvalid = 11444;
constexpr unsigned kGsmCellInvalid = 12723;
constexpr unsigned kNotInBand = 12930;
constexpr unsigned kExtraCaption = 1240;

LockSide sideOf(std::uint8_t mode) { return orbel::lockSideOf(mode); }

}  // namespace

CDiagCmdLockCellDlg::CDiagCmdLockCellDlg(bool offerModeThree, bool selectLockingMode, bool tdScdmaSide,
                                         bool showExtraCaption, tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CDiagCmdLockCellDlg", "Lock Cell"), parent),
      m_offerModeThree(offerModeThree),
      m_selectLockingMode(selectLockingMode),
      m_tdScdmaSide(tdScdmaSide),
      m_showExtraCaption(showExtraCaption) {
  m_mode0Radio.onClicked = [this] { OnLockCellMode0Radio(); };
  m_mode1Radio.onClicked = [this] { OnLockCellMode1Radio(); };
  m_mode2Radio.onClicked = [this] { OnLockCellMode2Radio(); };
  m_mode3Radio.onClicked = [this] { OnLockCellMode3Radio(); };
  m_mode4Radio.onClicked = [this] { OnLockCellMode4Radio(); };
  m_mode5Radio.onClicked = [this] { OnLockCellMode5Radio(); };
  m_mode6Radio.onClicked = [this] { OnLockCellMode6Radio(); };
  for (std::size_t mode = 0; mode < orbel::kLockCellModes.size(); ++mode)
    m_modeGroup.members()[mode]->setTooltip(orbel::kLockCellModes[mode].tip);

  // One column per side: the modes without a cell, the TD-SCDMA and the GSM
  // locking modes. Scripts and descriptions list the modes in mode order,
  // then the cell before the frequency.
  std::vector<tk::Control*> order(m_modeGroup.members().begin(), m_modeGroup.members().end());
  order.insert(order.end(), {&m_cellLabel, &m_cellEdit, &m_frequencyLabel, &m_frequencyEdit, &m_extraLabel});
  setLayout(
      {
          tk::group("Mode",
                    {tk::row({tk::column({tk::item(m_mode0Radio), tk::item(m_mode3Radio), tk::item(m_mode4Radio)}),
                              tk::column({tk::item(m_mode1Radio), tk::item(m_mode2Radio), tk::stretch()}),
                              tk::column({tk::item(m_mode5Radio), tk::item(m_mode6Radio), tk::stretch()})})}),
          tk::row({tk::item(m_frequencyLabel), tk::item(m_frequencyEdit)}),
          tk::row({tk::item(m_cellLabel), tk::item(m_cellEdit)}),
          tk::row({tk::item(m_extraLabel)}),
      },
      std::move(order));
}

CDiagCmdLockCellDlg::~CDiagCmdLockCellDlg() = default;

void CDiagCmdLockCellDlg::SetPreset(unsigned long presetFlags, unsigned char cellId, unsigned short frequency) {
  m_presetFlags = presetFlags;
  m_presetCell = cellId;
  m_presetFrequency = frequency;
}

unsigned char* CDiagCmdLockCellDlg::GetDiagCmd(unsigned int* len) {
  if (len == nullptr || DoModal() != tk::IDOK) return nullptr;
  std::array<std::uint8_t, 4> payload{m_mode, m_cell};
  orbel::writeU16BE(payload, 2, m_frequency);
  const std::size_t length = sideOf(m_mode) == LockSide::None ? 1 : payload.size();
  // The lock-cell message is the one allocated zero-filled, with calloc.
  return orbel::frameMessage(orbel::modules::kTask9, orbel::MessageGroup::ProtocolStack, orbel::PrimitiveId::LockCell,
                             std::span(payload).first(length), /*zeroed=*/true)
      .handOver(len);
}

bool CDiagCmdLockCellDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_extraLabel.setCaption(m_showExtraCaption ? getResourceStringComm(kExtraCaption) : "");

  // Without the GSM module only the TD-SCDMA side can be locked.
  if (!FeatureManager::Instance().GetModule(kGsmModule)) {
    if (!m_tdScdmaSide) {
      m_tdScdmaSide = true;
      m_selectLockingMode = false;
    }
    m_mode5Radio.enable(false);
    m_mode6Radio.enable(false);
  }

  if (m_offerModeThree)
    m_mode = 3;
  else if (m_selectLockingMode)
    m_mode = m_tdScdmaSide ? 1 : 5;
  else
    m_mode = 0;
  m_modeGroup.check(*m_modeGroup.members()[m_mode]);  // the group holds the buttons in mode order
  m_cellLabel.setCaption(m_tdScdmaSide ? kTdCaption : kGsmCaption);
  showModeFields();

  if (m_presetFlags & 0x1) {
    m_cell = m_presetCell;
    m_cellEdit.setText(m_cell == kAnyCell ? std::string("-") : std::to_string(m_cell));
  }
  if (m_presetFlags & 0x2) {
    m_frequency = m_presetFrequency;
    m_frequencyEdit.setText(std::to_string(m_frequency));
  }
  m_mode3Radio.enable(m_offerModeThree);
  return true;
}

void CDiagCmdLockCellDlg::OnOK() {
  if (sideOf(m_mode) != LockSide::None && (!readFrequency() || !readCell())) return;
  CDialog::OnOK();
}

// The frequency must be a number of 16 bits and, on the TD-SCDMA side, lie
// in a supported band; the message names what is wrong.
bool CDiagCmdLockCellDlg::readFrequency() {
  const std::string& text = m_frequencyEdit.text();
  std::optional<std::uint32_t> frequency = orbel::parseUnsignedText(text, text.size());
  if (!frequency) {
    MessageBox(getResourceStringComm(kFrequencyInvalid));
    return false;
  }
  if (sideOf(m_mode) == LockSide::TdScdma && !TdBand::CheckUarfcn(*frequency)) {
    MessageBox(orbel::formatResourceString(kNotInBand, TdBand::GetAllBandStr()));
    return false;
  }
  if (*frequency > 0xFFFF) {
    MessageBox(getResourceStringComm(kFrequencyInvalid));
    return false;
  }
  m_frequency = static_cast<std::uint16_t>(*frequency);
  return true;
}

// "-" stands for any cell; otherwise a cell parameter id below 128 or a
// BSIC below 64.
bool CDiagCmdLockCellDlg::readCell() {
  const std::string& text = m_cellEdit.text();
  if (text == "-") {
    m_cell = kAnyCell;
    return true;
  }
  const bool td = sideOf(m_mode) == LockSide::TdScdma;
  std::optional<std::uint32_t> cell = orbel::parseUnsignedText(text, text.size());
  if (!cell || *cell >= (td ? kTdCellLimit : kGsmCellLimit)) {
    MessageBox(getResourceStringComm(td ? kTdCellInvalid : kGsmCellInvalid));
    return false;
  }
  m_cell = static_cast<std::uint8_t>(*cell);
  return true;
}

void CDiagCmdLockCellDlg::chooseMode(std::uint8_t mode) {
  m_mode = mode;
  showModeFields();
}

// Both fields are open exactly for the locking modes, whose side also names
// the cell caption; the other modes leave the caption as it is.
void CDiagCmdLockCellDlg::showModeFields() {
  const LockSide side = sideOf(m_mode);
  m_cellEdit.enable(side != LockSide::None);
  m_frequencyEdit.enable(side != LockSide::None);
  if (side == LockSide::TdScdma) m_cellLabel.setCaption(kTdCaption);
  if (side == LockSide::Gsm) m_cellLabel.setCaption(kGsmCaption);
}

void CDiagCmdLockCellDlg::OnLockCellMode0Radio() { chooseMode(0); }
void CDiagCmdLockCellDlg::OnLockCellMode1Radio() { chooseMode(1); }
void CDiagCmdLockCellDlg::OnLockCellMode2Radio() { chooseMode(2); }
void CDiagCmdLockCellDlg::OnLockCellMode3Radio() { chooseMode(3); }
void CDiagCmdLockCellDlg::OnLockCellMode4Radio() { chooseMode(4); }
void CDiagCmdLockCellDlg::OnLockCellMode5Radio() { chooseMode(5); }
void CDiagCmdLockCellDlg::OnLockCellMode6Radio() { chooseMode(6); }
