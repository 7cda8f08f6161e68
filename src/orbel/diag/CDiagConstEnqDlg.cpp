#include "orbel/diag/CDiagConstEnqDlg.h"

#include "orbel/builders/ModuleLifetime.h"

namespace {

constexpr int kRlcRow = 1;
constexpr int kPdhRow = 3;

}  // namespace

CDiagConstEnqDlg::CDiagConstEnqDlg(tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CDiagConstEnqDlg", "Constant Enquiry"), parent) {

  m_macRadio.onClicked = [this] { OnDiagConstEnqMacRadio(); };
  m_rlcRadio.onClicked = [this] { OnDiagConstEnqRlcRadio(); };
  m_rrcRadio.onClicked = [this] { OnDiagConstEnqRrcRadio(); };
  m_pdhRadio.onClicked = [this] { OnDiagConstEnqPdhRadio(); };
  m_entryList.onSelChange = [this] { OnSelchangeDiagConstEnqConstIdCombx(); };
  m_instanceEdit.onChange = [this] { OnChangeDiagConstEnqInstEdit(); };

  m_instanceEdit.enable(false);
  setLayout({
      tk::group("Module", {tk::row({tk::item(m_macRadio), tk::item(m_rlcRadio), tk::item(m_rrcRadio),
                                    tk::item(m_pdhRadio)})}),
      tk::row({tk::item(m_entryLabel), tk::item(m_entryList)}),
      tk::row({tk::item(m_instanceLabel), tk::item(m_instanceEdit)}),
  });
}

CDiagConstEnqDlg::~CDiagConstEnqDlg() = default;

unsigned char* CDiagConstEnqDlg::GetDiagCmd(unsigned int* len) {
  return orbel::buildDialogEnquiry(len, orbel::constantEnquiryCatalogue(), orbel::PrimitiveId::ConstantEnquiry, *this,
                                   m_fields);
}

bool CDiagConstEnqDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_fields.instanceText = "0xffff";
  m_fields.moduleIndex = 0;
  m_fields.entryIndex = 0;
  return true;
}

void CDiagConstEnqDlg::OnOK() {
  if (m_fields.instanceText.empty()) {
    MessageBox("No instance id");
    return;
  }
  CDialog::OnOK();
}

int CDiagConstEnqDlg::UpdateCombox() {
  orbel::showModuleEntries(m_entryList, orbel::constantEnquiryCatalogue(), m_fields);
  // Every module starts again at all instances; only RLC and PDH let the
  // engineer name one.
  m_fields.instanceText = "0xffff";
  m_instanceEdit.setText(m_fields.instanceText);
  m_instanceEdit.enable(m_fields.moduleIndex == kRlcRow || m_fields.moduleIndex == kPdhRow);
  return 0;
}

void CDiagConstEnqDlg::chooseModule(int row) {
  m_fields.moduleIndex = row;
  UpdateCombox();
}

void CDiagConstEnqDlg::OnDiagConstEnqMacRadio() {
  chooseModule(0);
  m_moduleGroup.check(m_macRadio);
}
void CDiagConstEnqDlg::OnDiagConstEnqRlcRadio() { chooseModule(1); }
void CDiagConstEnqDlg::OnDiagConstEnqRrcRadio() { chooseModule(2); }
void CDiagConstEnqDlg::OnDiagConstEnqPdhRadio() { chooseModule(3); }

void CDiagConstEnqDlg::OnSelchangeDiagConstEnqConstIdCombx() { m_fields.entryIndex = m_entryList.curSel(); }

void CDiagConstEnqDlg::OnChangeDiagConstEnqInstEdit() { m_fields.instanceText = m_instanceEdit.text(); }
