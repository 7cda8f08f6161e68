#include "orbel/diag/cell/CDiagCmdPhyInfoReqDlg.h"

#include <array>
#include <optional>
#include <string>

#include "orbel/builders/ModuleLifetime.h"
#include "orbel/diag/NumberText.h"
#include "orbel/wire/DiagMessage.h"
#include "orbel/wire/StackModules.h"

namespace {

constexpr std::uint32_t kLargestNumber = 6;
constexpr std::size_t kReadLimit = 32;

}  // namespace

CDiagCmdPhyInfoReqDlg::CDiagCmdPhyInfoReqDlg(tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CDiagCmdPhyInfoReqDlg", "Physical Layer Parameter Request"), parent) {
  m_item0Radio.onClicked = [this] { OnPhyInfoItem0Radio(); };
  m_item1Radio.onClicked = [this] { OnPhyInfoItem1Radio(); };
  m_item2Radio.onClicked = [this] { OnPhyInfoItem2Radio(); };
  m_numberEdit.onChange = [this] { OnChangePhyInfoNumberEdit(); };

  setLayout({
      tk::group("Item", {tk::row({tk::item(m_item0Radio), tk::item(m_item1Radio), tk::item(m_item2Radio)})}),
      tk::row({tk::item(m_numberLabel), tk::item(m_numberEdit)}),
  });
}

CDiagCmdPhyInfoReqDlg::~CDiagCmdPhyInfoReqDlg() = default;

unsigned char* CDiagCmdPhyInfoReqDlg::GetDiagCmd(unsigned int* len) {
  if (len == nullptr || DoModal() != tk::IDOK) return nullptr;
  const std::array<std::uint8_t, 2> payload{m_item, m_number};
  return orbel::frameMessage(orbel::modules::kTask0, orbel::MessageGroup::PhysicalLayer, orbel::PrimitiveId::PhysicalParameterRequest,
                             payload)
      .handOver(len);
}

bool CDiagCmdPhyInfoReqDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_itemGroup.check(m_item0Radio);  // the item starts at 0, as the button shows
  return true;
}

void CDiagCmdPhyInfoReqDlg::OnPhyInfoItem0Radio() { m_item = 0; }
void CDiagCmdPhyInfoReqDlg::OnPhyInfoItem1Radio() { m_item = 1; }
void CDiagCmdPhyInfoReqDlg::OnPhyInfoItem2Radio() { m_item = 2; }

// Every change is checked at once; a text that is not a number from 0 to 6
// keeps the previous number, and the message says which one is kept.
void CDiagCmdPhyInfoReqDlg::OnChangePhyInfoNumberEdit() {
  std::optional<std::uint32_t> number = orbel::parseUnsignedText(m_numberEdit.text(), kReadLimit);
  if (number && *number <= kLargestNumber) {
    m_number = static_cast<std::uint8_t>(*number);
    return;
  }
  MessageBox("The number must be from 0 to 6; " + std::to_string(m_number) + " is kept.");
}
