#include "orbel/diag/cell/CDiagMeasIntervalDlg.h"

#include <array>
#include <optional>

#include "orbel/builders/ModuleLifetime.h"
#include "orbel/diag/NumberText.h"
#include "orbel/wire/DiagMessage.h"
#include "orbel/wire/StackModules.h"

CDiagMeasIntervalDlg::CDiagMeasIntervalDlg(tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CDiagMeasIntervalDlg", "Measurement Report Interval"), parent) {
  setLayout({tk::row({tk::item(m_intervalLabel), tk::item(m_intervalEdit)})});
}

CDiagMeasIntervalDlg::~CDiagMeasIntervalDlg() = default;

unsigned char* CDiagMeasIntervalDlg::GetDiagCmd(unsigned int* len) {
  if (len == nullptr || DoModal() != tk::IDOK) return nullptr;
  const std::array<std::uint8_t, 1> payload{m_interval};
  return orbel::frameMessage(orbel::modules::kTask9, orbel::MessageGroup::ProtocolStack, orbel::PrimitiveId::MeasurementInterval,
                             payload)
      .handOver(len);
}

// The field holds a signed decimal integer of which the message carries the
// low 8 bits ("300" is 0x2C, "-1" is 0xFF). Any other text is refused rather
// than sent as 0.
void CDiagMeasIntervalDlg::OnOK() {
  std::optional<std::int32_t> interval = orbel::parseDecimalInteger(m_intervalEdit.text());
  if (!interval) {
    MessageBox("Input invalid: the interval must be a decimal number.");
    return;
  }
  m_interval = static_cast<std::uint8_t>(static_cast<std::uint32_t>(*interval) & 0xFF);
  CDialog::OnOK();
}
