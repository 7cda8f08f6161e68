#include "orbel/diag/enquiry/CDiagCmdFsmEnqDlg.h"

#include <array>

#include "orbel/builders/ModuleLifetime.h"
#include "orbel/wire/DiagMessage.h"
#include "orbel/wire/StackModules.h"

namespace {

// The modules whose state machines can be asked for, in button order.
constexpr std::array<orbel::ModuleId, 8> kStateMachineModules{{
    orbel::modules::kRlc,
    orbel::modules::kRrc,
    orbel::modules::kMm,
    orbel::modules::kGmm,
    orbel::modules::kCc,
    orbel::modules::kSm,
    orbel::modules::kGsms,
    orbel::modules::kSs,
}};

}  // namespace

CDiagCmdFsmEnqDlg::CDiagCmdFsmEnqDlg(tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CDiagCmdFsmEnqDlg", "State Machine Enquiry"), parent) {
  m_action0Radio.onClicked = [this] { OnDiagFsmEnqAction0Radio(); };
  m_action1Radio.onClicked = [this] { OnDiagFsmEnqAction1Radio(); };
  m_actionFfRadio.onClicked = [this] { OnDiagFsmEnqActionFfRadio(); };
  m_rlcRadio.onClicked = [this] { OnDiagFsmEnqRlcRadio(); };
  m_rrcRadio.onClicked = [this] { OnDiagFsmEnqRrcRadio(); };
  m_mmRadio.onClicked = [this] { OnDiagFsmEnqMmRadio(); };
  m_gmmRadio.onClicked = [this] { OnDiagFsmEnqGmmRadio(); };
  m_ccRadio.onClicked = [this] { OnDiagFsmEnqCcRadio(); };
  m_smRadio.onClicked = [this] { OnDiagFsmEnqSmRadio(); };
  m_gsmsRadio.onClicked = [this] { OnDiagFsmEnqGsmsRadio(); };
  m_ssRadio.onClicked = [this] { OnDiagFsmEnqSsRadio(); };

  setLayout({
      tk::group("Action", {tk::row({tk::item(m_action0Radio), tk::item(m_action1Radio), tk::item(m_actionFfRadio)})}),
      tk::group("Module", {tk::row({tk::item(m_rlcRadio), tk::item(m_rrcRadio), tk::item(m_mmRadio),
                                    tk::item(m_gmmRadio)}),
                           tk::row({tk::item(m_ccRadio), tk::item(m_smRadio), tk::item(m_gsmsRadio),
                                    tk::item(m_ssRadio)})}),
  });
}

CDiagCmdFsmEnqDlg::~CDiagCmdFsmEnqDlg() = default;

unsigned char* CDiagCmdFsmEnqDlg::GetDiagCmd(unsigned int* len) {
  if (len == nullptr || DoModal() != tk::IDOK) return nullptr;
  const std::array<std::uint8_t, 1> payload{m_action};
  return orbel::frameMessage(kStateMachineModules[static_cast<std::size_t>(m_moduleIndex)],
                             orbel::MessageGroup::ProtocolStack, orbel::PrimitiveId::StateMachineEnquiry, payload)
      .handOver(len);
}

bool CDiagCmdFsmEnqDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_action = 0;
  m_moduleIndex = 0;
  m_actionGroup.check(m_action0Radio);
  m_moduleGroup.check(m_rlcRadio);
  return true;
}

void CDiagCmdFsmEnqDlg::OnDiagFsmEnqAction0Radio() { m_action = 0; }
void CDiagCmdFsmEnqDlg::OnDiagFsmEnqAction1Radio() { m_action = 1; }
void CDiagCmdFsmEnqDlg::OnDiagFsmEnqActionFfRadio() { m_action = 0xFF; }
void CDiagCmdFsmEnqDlg::OnDiagFsmEnqRlcRadio() { m_moduleIndex = 0; }
void CDiagCmdFsmEnqDlg::OnDiagFsmEnqRrcRadio() { m_moduleIndex = 1; }
void CDiagCmdFsmEnqDlg::OnDiagFsmEnqMmRadio() { m_moduleIndex = 2; }
void CDiagCmdFsmEnqDlg::OnDiagFsmEnqGmmRadio() { m_moduleIndex = 3; }
void CDiagCmdFsmEnqDlg::OnDiagFsmEnqCcRadio() { m_moduleIndex = 4; }
void CDiagCmdFsmEnqDlg::OnDiagFsmEnqSmRadio() { m_moduleIndex = 5; }
void CDiagCmdFsmEnqDlg::OnDiagFsmEnqGsmsRadio() { m_moduleIndex = 6; }
void CDiagCmdFsmEnqDlg::OnDiagFsmEnqSsRadio() { m_moduleIndex = 7; }
