#include "orbel/diag/CDiagCmdCntSetDlg.h"

#include <algorithm>

#include "orbel/builders/ModuleLifetime.h"

CDiagCmdCntSetDlg::CDiagCmdCntSetDlg(tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CDiagCmdCntSetDlg", "Counter Setting"), parent) {
  for (tk::RadioButton* radio : m_moduleGroup.members()) addControl(*radio);
  addControl(m_entryLabel);
  addControl(m_entryList);
  addControl(m_instanceLabel);
  addControl(m_instanceEdit);
  addControl(m_valueLabel);
  addControl(m_valueEdit);

  m_macRadio.onClicked = [this] { OnDiagCmdCntSetMacRadio(); };
  m_rrcRadio.onClicked = [this] { OnDiagCmdCntSetRrcRadio(); };
  m_mmRadio.onClicked = [this] { OnDiagCmdCntSetMmRadio(); };
  m_gmmRadio.onClicked = [this] { OnDiagCmdCntSetGmmRadio(); };
  m_ccRadio.onClicked = [this] { OnDiagCmdCntSetCcRadio(); };
  m_pdhRadio.onClicked = [this] { OnDiagCmdCntSetPdhRadio(); };
  m_entryList.onSelChange = [this] { OnSelchangeDiagCmdCntSetCounterIdCombx(); };
  m_instanceEdit.onChange = [this] { OnChangeDiagCmdCntSetInstEdit(); };
  m_valueEdit.onChange = [this] { OnChangeDiagCmdCntSetValueEdit(); };

  setLayout({
      tk::group("Module", {tk::row({tk::item(m_macRadio), tk::item(m_rrcRadio), tk::item(m_mmRadio),
                                    tk::item(m_gmmRadio), tk::item(m_ccRadio), tk::item(m_pdhRadio)})}),
      tk::row({tk::item(m_entryLabel), tk::item(m_entryList)}),
      tk::row({tk::item(m_instanceLabel), tk::item(m_instanceEdit)}),
      tk::row({tk::item(m_valueLabel), tk::item(m_valueEdit)}),
  });
}

CDiagCmdCntSetDlg::~CDiagCmdCntSetDlg() = default;

unsigned char* CDiagCmdCntSetDlg::GetDiagCmd(unsigned int* len) {
  // Counter texts are read as the enquiries read an instance: 7 characters kept, 6 parsed.
  return orbel::buildSettingCommand(len, orbel::counterSettingCatalogue(), orbel::PrimitiveId::CounterSet, *this,
                                    m_fields, {7, 6});
}

bool CDiagCmdCntSetDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_moduleGroup.check(m_macRadio);
  m_fields.moduleIndex = 0;
  m_fields.entryIndex = 0;
  UpdateCombox();
  // Both fields start empty, as their template shows them.
  m_fields.instanceText.clear();
  m_fields.valueText.clear();
  return true;
}

void CDiagCmdCntSetDlg::OnOK() {
  const std::string missing = orbel::missingSettingText(m_fields, "No New Value");
  if (!missing.empty()) {
    MessageBox(missing);
    return;
  }
  CDialog::OnOK();
}

int CDiagCmdCntSetDlg::UpdateCombox() {
  orbel::fillEntryList(m_entryList, orbel::counterSettingCatalogue()[static_cast<std::size_t>(m_fields.moduleIndex)]);
  m_entryList.setCurSel(0);
  m_fields.entryIndex = 0;
  return 0;
}

void CDiagCmdCntSetDlg::chooseModule(int row) {
  m_fields.moduleIndex = row;
  UpdateCombox();
}

void CDiagCmdCntSetDlg::OnDiagCmdCntSetMacRadio() { chooseModule(0); }
void CDiagCmdCntSetDlg::OnDiagCmdCntSetRrcRadio() { chooseModule(1); }
void CDiagCmdCntSetDlg::OnDiagCmdCntSetMmRadio() { chooseModule(2); }
void CDiagCmdCntSetDlg::OnDiagCmdCntSetGmmRadio() { chooseModule(3); }
void CDiagCmdCntSetDlg::OnDiagCmdCntSetCcRadio() { chooseModule(4); }
void CDiagCmdCntSetDlg::OnDiagCmdCntSetPdhRadio() { chooseModule(5); }

void CDiagCmdCntSetDlg::OnSelchangeDiagCmdCntSetCounterIdCombx() {
  m_fields.entryIndex = std::max(m_entryList.curSel(), 0);
}

void CDiagCmdCntSetDlg::OnChangeDiagCmdCntSetInstEdit() { m_fields.instanceText = m_instanceEdit.text(); }

void CDiagCmdCntSetDlg::OnChangeDiagCmdCntSetValueEdit() { m_fields.valueText = m_valueEdit.text(); }
