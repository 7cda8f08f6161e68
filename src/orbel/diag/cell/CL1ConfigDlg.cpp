#include "orbel/diag/cell/CL1ConfigDlg.h"

#include <optional>
#include <string>

#include "orbel/builders/ModuleLifetime.h"
#include "orbel/diag/HexByteList.h"
#include "orbel/diag/NumberText.h"
#include "orbel/wire/ByteOrder.h"
#include "orbel/wire/DiagMessage.h"
#include "orbel/wire/StackModules.h"

namespace {

using orbel::PrimitiveId;

constexpr std::uint32_t idOf(PrimitiveId id) { return static_cast<std::uint32_t>(id); }

constexpr std::size_t kBytesHeader = 6;  // two bytes, list length, 16-bit value

}  // namespace

CL1ConfigDlg::CL1ConfigDlg(tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CL1ConfigDlg", "Layer 1 Info Report Configuration"), parent) {
  m_numberRadio.onClicked = [this] { OnL1ConfigNumberRadio(); };
  m_maskRadio.onClicked = [this] { OnL1ConfigMaskRadio(); };
  m_bytesRadio.onClicked = [this] { OnL1ConfigBytesRadio(); };

  auto reports = [this](std::size_t from) {
    return tk::row({tk::item(m_reportChecks[from]), tk::item(m_reportChecks[from + 1]),
                    tk::item(m_reportChecks[from + 2]), tk::item(m_reportChecks[from + 3])});
  };
  // Each command in a frame of its own, its radio button over its fields.
  setLayout({
      tk::group("", {tk::item(m_numberRadio), tk::row({tk::item(m_numberLabel), tk::item(m_numberEdit)})}),
      tk::group("", {tk::item(m_maskRadio), reports(0), reports(4)}),
      tk::group("", {tk::item(m_bytesRadio), tk::row({tk::item(m_firstLabel), tk::item(m_firstEdit)}),
                     tk::row({tk::item(m_secondLabel), tk::item(m_secondEdit)}),
                     tk::row({tk::item(m_valueLabel), tk::item(m_valueEdit)}),
                     tk::row({tk::item(m_bytesLabel), tk::item(m_bytesEdit)})}),
  });
}

CL1ConfigDlg::~CL1ConfigDlg() = default;

unsigned char* CL1ConfigDlg::GetDiagCmd(unsigned int* len) {
  if (len == nullptr || DoModal() != tk::IDOK) return nullptr;
  unsigned char* message = orbel::frameMessage(orbel::modules::kTask0, orbel::MessageGroup::Layer1Report,
                                               static_cast<PrimitiveId>(m_command), m_payload)
                               .handOver(len);
  m_payload.clear();
  return message;
}

void CL1ConfigDlg::OnOK() {
  switch (m_command) {
    case idOf(PrimitiveId::Layer1ReportConfig):
      if (!prepareNumberPayload()) return;
      break;
    case idOf(PrimitiveId::Layer1ReportParameter): prepareMaskPayload(); break;
    case idOf(PrimitiveId::Layer1ReportBytes):
      if (!prepareBytesPayload()) return;
      break;
    default: MessageBox("Select Command Type!"); return;
  }
  CDialog::OnOK();
}

// Decimal digits only (an empty field is 0), sent in 16 bits.
bool CL1ConfigDlg::prepareNumberPayload() {
  const std::string& text = m_numberEdit.text();
  if (!orbel::isDecimalDigits(text)) {
    MessageBox("Input invalid");
    return false;
  }
  m_payload.assign(2, 0);
  orbel::writeU16BE(m_payload, 0, static_cast<std::uint16_t>(orbel::leadingDecimalValue(text)));
  return true;
}

// 0x00, then bit i set for report box i + 1.
void CL1ConfigDlg::prepareMaskPayload() {
  std::uint8_t mask = 0;
  for (std::size_t i = 0; i < m_reportChecks.size(); ++i)
    if (m_reportChecks[i].check() == 1) mask = static_cast<std::uint8_t>(mask | 1u << i);
  m_payload = {0x00, mask};
}

// First and second byte, the list length and the 16-bit value, then the
// list. The number fields count what their text starts with, 0 for no
// number; a list longer than the terminal takes is refused.
bool CL1ConfigDlg::prepareBytesPayload() {
  std::optional<std::vector<std::uint8_t>> list = orbel::decodeHexByteList(m_bytesEdit.text());
  if (!list) {
    MessageBox("The byte list holds more than " + std::to_string(orbel::kMaxHexByteList) + " bytes.");
    return false;
  }
  m_payload.assign(kBytesHeader + list->size(), 0);
  orbel::writeU8(m_payload, 0, static_cast<std::uint8_t>(orbel::leadingDecimalValue(m_firstEdit.text())));
  orbel::writeU8(m_payload, 1, static_cast<std::uint8_t>(orbel::leadingDecimalValue(m_secondEdit.text())));
  orbel::writeU16BE(m_payload, 2, static_cast<std::uint16_t>(list->size()));
  orbel::writeU16BE(m_payload, 4, static_cast<std::uint16_t>(orbel::leadingDecimalValue(m_valueEdit.text())));
  std::copy(list->begin(), list->end(), m_payload.begin() + kBytesHeader);
  return true;
}

void CL1ConfigDlg::OnL1ConfigNumberRadio() { m_command = idOf(PrimitiveId::Layer1ReportConfig); }
void CL1ConfigDlg::OnL1ConfigMaskRadio() { m_command = idOf(PrimitiveId::Layer1ReportParameter); }
void CL1ConfigDlg::OnL1ConfigBytesRadio() { m_command = idOf(PrimitiveId::Layer1ReportBytes); }
