#include "orbel/diag/enquiry/CDiagCmdStaticEnqDlg.h"

#include <array>
#include <optional>

#include "orbel/builders/ModuleLifetime.h"
#include "orbel/diag/enquiry/EnquiryCommand.h"
#include "orbel/wire/DiagMessage.h"
#include "orbel/wire/StackModules.h"

namespace {

constexpr std::uint8_t kRlcTarget = 0x11;
constexpr std::uint8_t kTask4Target = 0x21;

}  // namespace

CDiagCmdStaticEnqDlg::CDiagCmdStaticEnqDlg(tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CDiagCmdStaticEnqDlg", "Static Information Enquiry"), parent) {
  m_scope0Radio.onClicked = [this] { OnDiagStaticEnqScope0Radio(); };
  m_scope1Radio.onClicked = [this] { OnDiagStaticEnqScope1Radio(); };
  m_target11Radio.onClicked = [this] { OnDiagStaticEnqTarget11Radio(); };
  m_target21Radio.onClicked = [this] { OnDiagStaticEnqTarget21Radio(); };

  setLayout({
      tk::row({tk::group("Scope", {tk::item(m_scope0Radio), tk::item(m_scope1Radio)}),
               tk::group("Target", {tk::item(m_target11Radio), tk::item(m_target21Radio)})}),
      tk::row({tk::item(m_instanceLabel), tk::item(m_instanceEdit)}),
  });
}

CDiagCmdStaticEnqDlg::~CDiagCmdStaticEnqDlg() = default;

unsigned char* CDiagCmdStaticEnqDlg::GetDiagCmd(unsigned int* len) {
  if (len == nullptr || DoModal() != tk::IDOK) return nullptr;
  // The instance must be a number, although the message does not carry it.
  if (!orbel::parseInstanceText(m_instanceEdit.text())) return nullptr;
  const orbel::ModuleId module = m_target == kRlcTarget ? orbel::modules::kRlc : orbel::modules::kPdhSub1;
  const std::array<std::uint8_t, 4> payload{m_scope, m_target, 0, 0};
  return orbel::frameMessage(module, orbel::MessageGroup::ProtocolStack, orbel::PrimitiveId::StaticEnquiry, payload)
      .handOver(len);
}

bool CDiagCmdStaticEnqDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_scope = 0;
  m_target = kRlcTarget;
  m_scopeGroup.check(m_scope0Radio);
  m_targetGroup.check(m_target11Radio);
  m_instanceEdit.setText("1");
  return true;
}

void CDiagCmdStaticEnqDlg::OnDiagStaticEnqScope0Radio() { m_scope = 0; }
void CDiagCmdStaticEnqDlg::OnDiagStaticEnqScope1Radio() { m_scope = 1; }
void CDiagCmdStaticEnqDlg::OnDiagStaticEnqTarget11Radio() { m_target = kRlcTarget; }
void CDiagCmdStaticEnqDlg::OnDiagStaticEnqTarget21Radio() { m_target = kTask4Target; }

