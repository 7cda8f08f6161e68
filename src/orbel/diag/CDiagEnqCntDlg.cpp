#include "orbel/diag/CDiagEnqCntDlg.h"

#include "orbel/builders/ModuleLifetime.h"
#include "orbel/diag/EnquiryCommand.h"

namespace {

constexpr int kCcRow = 4;
constexpr int kPdhRow = 5;

}  // namespace

CDiagEnqCntDlg::CDiagEnqCntDlg(tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CDiagEnqCntDlg", "Counter Enquiry"), parent) {

  m_macRadio.onClicked = [this] { OnDiagCounterEnqMacRadio(); };
  m_rrcRadio.onClicked = [this] { OnDiagCounterEnqRrcRadio(); };
  m_mmRadio.onClicked = [this] { OnDiagCounterEnqMmRadio(); };
  m_gmmRadio.onClicked = [this] { OnDiagCounterEnqGmmRadio(); };
  m_ccRadio.onClicked = [this] { OnDiagCounterEnqCcRadio(); };
  m_pdhRadio.onClicked = [this] { OnDiagCounterEnqPdhRadio(); };
  m_entryList.onSelChange = [this] { OnSelchangeDiagCounterEnqTimerIdCombx(); };
  m_instanceEdit.onChange = [this] { OnChangeDiagCounterEnqInstEdit(); };

  m_instanceEdit.enable(false);
  setLayout({
      tk::group("Module", {tk::row({tk::item(m_macRadio), tk::item(m_rrcRadio), tk::item(m_mmRadio),
                                    tk::item(m_gmmRadio), tk::item(m_ccRadio), tk::item(m_pdhRadio)})}),
      tk::row({tk::item(m_entryLabel), tk::item(m_entryList)}),
      tk::row({tk::item(m_instanceLabel), tk::item(m_instanceEdit)}),
  });
}

CDiagEnqCntDlg::~CDiagEnqCntDlg() = default;

unsigned char* CDiagEnqCntDlg::GetDiagCmd(unsigned int* len) {
  return orbel::buildEnquiryCommand(len, orbel::counterEnquiryCatalogue(), orbel::PrimitiveId::CounterEnquiry, *this, m_fields);
}

bool CDiagEnqCntDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_fields.entryIndex = 0;
  m_fields.moduleIndex = 0;
  m_fields.instanceText = "0xffff";
  return true;
}

void CDiagEnqCntDlg::OnOK() {
  if (m_fields.instanceText.empty()) {
    MessageBox("No instance id");
    return;
  }
  CDialog::OnOK();
}

int CDiagEnqCntDlg::UpdateCombox() {
  orbel::showModuleEntries(m_entryList, orbel::counterEnquiryCatalogue(), m_fields);
  m_instanceEdit.enable(m_fields.moduleIndex == kCcRow || m_fields.moduleIndex == kPdhRow);
  m_fields.instanceText = "0xffff";
  m_instanceEdit.setText(m_fields.instanceText);
  return 0;
}

void CDiagEnqCntDlg::chooseModule(int row) {
  m_fields.moduleIndex = row;
  UpdateCombox();
}

void CDiagEnqCntDlg::OnDiagCounterEnqMacRadio() {
  chooseModule(0);
  m_moduleGroup.check(m_macRadio);
}
void CDiagEnqCntDlg::OnDiagCounterEnqRrcRadio() { chooseModule(1); }
void CDiagEnqCntDlg::OnDiagCounterEnqMmRadio() { chooseModule(2); }
void CDiagEnqCntDlg::OnDiagCounterEnqGmmRadio() { chooseModule(3); }
void CDiagEnqCntDlg::OnDiagCounterEnqCcRadio() { chooseModule(4); }
void CDiagEnqCntDlg::OnDiagCounterEnqPdhRadio() { chooseModule(5); }

void CDiagEnqCntDlg::OnSelchangeDiagCounterEnqTimerIdCombx() { m_fields.entryIndex = m_entryList.curSel(); }

void CDiagEnqCntDlg::OnChangeDiagCounterEnqInstEdit() { m_fields.instanceText = m_instanceEdit.text(); }
