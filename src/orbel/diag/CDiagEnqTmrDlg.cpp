#include "orbel/diag/CDiagEnqTmrDlg.h"

#include "orbel/builders/ModuleLifetime.h"
#include "orbel/diag/EnquiryCommand.h"

namespace {

constexpr int kRlcRow = 1;
constexpr int kCcRow = 5;

}  // namespace

CDiagEnqTmrDlg::CDiagEnqTmrDlg(tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CDiagEnqTmrDlg", "Timer Enquiry"), parent) {

  m_macRadio.onClicked = [this] { OnDiagTimerEnqueryModuleIdMacRadio(); };
  m_rlcRadio.onClicked = [this] { OnModuleIdRlcRadio(); };
  m_rrcRadio.onClicked = [this] { OnModuleIdRrcRadio(); };
  m_mmRadio.onClicked = [this] { OnModuleIdMmRadio(); };
  m_gmmRadio.onClicked = [this] { OnModuleIdGmmRadio(); };
  m_ccRadio.onClicked = [this] { OnModuleIdCcRadio(); };
  m_smRadio.onClicked = [this] { OnModuleIdSmRadio(); };
  m_gsmsRadio.onClicked = [this] { OnModuleIdGsmsRadio(); };
  m_ssRadio.onClicked = [this] { OnModuleIdSsRadio(); };
  m_entryList.onSelChange = [this] { OnSelchangeDiagTimerEnqueryTimerIdCombx(); };
  m_instanceEdit.onChange = [this] { OnChangeDiagTimerEnqueryInstIdEdit(); };

  okButton().enable(false);
  setLayout({
      tk::group("Module", {tk::row({tk::item(m_macRadio), tk::item(m_rlcRadio), tk::item(m_rrcRadio),
                                    tk::item(m_mmRadio), tk::item(m_gmmRadio)}),
                           tk::row({tk::item(m_ccRadio), tk::item(m_smRadio), tk::item(m_gsmsRadio),
                                    tk::item(m_ssRadio), tk::stretch()})}),
      tk::row({tk::item(m_entryLabel), tk::item(m_entryList)}),
      tk::row({tk::item(m_instanceLabel), tk::item(m_instanceEdit)}),
  });
}

CDiagEnqTmrDlg::~CDiagEnqTmrDlg() = default;

unsigned char* CDiagEnqTmrDlg::GetDiagCmd(unsigned int* len) {
  return orbel::buildEnquiryCommand(len, orbel::timerEnquiryCatalogue(), orbel::PrimitiveId::TimerEnquiry, *this, m_fields);
}

bool CDiagEnqTmrDlg::OkIsAvailable() {
  if (m_listFilled && m_instanceChanged) okButton().enable(true);
  return true;
}

bool CDiagEnqTmrDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_fields.moduleIndex = 0;
  UpdateComBox();
  m_moduleGroup.check(m_macRadio);
  m_instanceEdit.setText(m_fields.instanceText);
  return true;
}

void CDiagEnqTmrDlg::OnOK() {
  if (m_fields.instanceText.empty()) {
    MessageBox("No Instance id");
    return;
  }
  CDialog::OnOK();
}

int CDiagEnqTmrDlg::UpdateComBox() {
  orbel::showModuleEntries(m_entryList, orbel::timerEnquiryCatalogue(), m_fields);
  if (m_fields.moduleIndex == kRlcRow || m_fields.moduleIndex == kCcRow) {
    m_instanceEdit.enable(true);
  } else {
    m_instanceEdit.enable(false);
    m_fields.instanceText = "0xffff";
    m_instanceEdit.setText(m_fields.instanceText);
  }
  m_listFilled = true;
  return 0;
}

void CDiagEnqTmrDlg::chooseModule(int row) {
  m_fields.moduleIndex = row;
  UpdateComBox();
}

void CDiagEnqTmrDlg::OnDiagTimerEnqueryModuleIdMacRadio() {
  chooseModule(0);
  m_moduleGroup.check(m_macRadio);
}
void CDiagEnqTmrDlg::OnModuleIdRlcRadio() { chooseModule(1); }
void CDiagEnqTmrDlg::OnModuleIdRrcRadio() { chooseModule(2); }
void CDiagEnqTmrDlg::OnModuleIdMmRadio() { chooseModule(3); }
void CDiagEnqTmrDlg::OnModuleIdGmmRadio() { chooseModule(4); }
void CDiagEnqTmrDlg::OnModuleIdCcRadio() { chooseModule(5); }
void CDiagEnqTmrDlg::OnModuleIdSmRadio() { chooseModule(6); }
void CDiagEnqTmrDlg::OnModuleIdGsmsRadio() { chooseModule(7); }
void CDiagEnqTmrDlg::OnModuleIdSsRadio() { chooseModule(8); }

void CDiagEnqTmrDlg::OnSelchangeDiagTimerEnqueryTimerIdCombx() {
  m_fields.entryIndex = m_entryList.curSel();
  if (m_instanceChanged && m_listFilled) OkIsAvailable();
}

void CDiagEnqTmrDlg::OnChangeDiagTimerEnqueryInstIdEdit() {
  m_fields.instanceText = m_instanceEdit.text();
  m_instanceChanged = true;
  if (m_listFilled) OkIsAvailable();
}
