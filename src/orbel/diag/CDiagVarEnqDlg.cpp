#include "orbel/diag/CDiagVarEnqDlg.h"

#include "orbel/builders/ModuleLifetime.h"

CDiagVarEnqDlg::CDiagVarEnqDlg(tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CDiagVarEnqDlg", "Variable Enquiry"), parent) {

  m_macRadio.onClicked = [this] { OnDiagVarEnqMacRadio(); };
  m_rlcRadio.onClicked = [this] { OnDiagVarEnqRlcRadio(); };
  m_rrcRadio.onClicked = [this] { OnDiagVarEnqRrcRadio(); };
  m_pdhRadio.onClicked = [this] { OnDiagVarEnqPdhRadio(); };
  m_mmRadio.onClicked = [this] { OnDiagVarEnqMmRadio(); };
  m_smRadio.onClicked = [this] { OnDiagVarEnqSmRadio(); };
  m_entryList.onSelChange = [this] { OnSelchangeDiagVarEnqVarIdCombx(); };
  m_instanceEdit.onChange = [this] { OnChangeDiagVarEnqInstEdit(); };

  setLayout({
      tk::group("Module", {tk::row({tk::item(m_macRadio), tk::item(m_rlcRadio), tk::item(m_rrcRadio),
                                    tk::item(m_pdhRadio), tk::item(m_mmRadio), tk::item(m_smRadio)})}),
      tk::row({tk::item(m_entryLabel), tk::item(m_entryList)}),
      tk::row({tk::item(m_instanceLabel), tk::item(m_instanceEdit)}),
  });
}

CDiagVarEnqDlg::~CDiagVarEnqDlg() = default;

unsigned char* CDiagVarEnqDlg::GetDiagCmd(unsigned int* len) {
  return orbel::buildDialogEnquiry(len, orbel::variableEnquiryCatalogue(), orbel::PrimitiveId::VariableEnquiry, *this,
                                   m_fields);
}

bool CDiagVarEnqDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_fields.instanceText = "0xffff";
  m_fields.moduleIndex = 0;
  m_fields.entryIndex = 0;
  m_moduleGroup.check(m_macRadio);
  UpdateCombox();
  return true;
}

void CDiagVarEnqDlg::OnOK() {
  if (m_fields.instanceText.empty()) {
    MessageBox("No instance id");
    return;
  }
  CDialog::OnOK();
}

// The instance field keeps its text for every module.
int CDiagVarEnqDlg::UpdateCombox() {
  orbel::showModuleEntries(m_entryList, orbel::variableEnquiryCatalogue(), m_fields);
  return 0;
}

void CDiagVarEnqDlg::chooseModule(int row) {
  m_fields.moduleIndex = row;
  UpdateCombox();
}

void CDiagVarEnqDlg::OnDiagVarEnqMacRadio() {
  chooseModule(0);
  m_moduleGroup.check(m_macRadio);
}
void CDiagVarEnqDlg::OnDiagVarEnqRlcRadio() { chooseModule(1); }
void CDiagVarEnqDlg::OnDiagVarEnqRrcRadio() { chooseModule(2); }
void CDiagVarEnqDlg::OnDiagVarEnqPdhRadio() { chooseModule(3); }
void CDiagVarEnqDlg::OnDiagVarEnqMmRadio() { chooseModule(4); }
void CDiagVarEnqDlg::OnDiagVarEnqSmRadio() { chooseModule(5); }

void CDiagVarEnqDlg::OnSelchangeDiagVarEnqVarIdCombx() { m_fields.entryIndex = m_entryList.curSel(); }

void CDiagVarEnqDlg::OnChangeDiagVarEnqInstEdit() { m_fields.instanceText = m_instanceEdit.text(); }
