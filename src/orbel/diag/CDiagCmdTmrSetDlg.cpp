#include "orbel/diag/CDiagCmdTmrSetDlg.h"

#include <algorithm>

#include "orbel/builders/ModuleLifetime.h"

CDiagCmdTmrSetDlg::CDiagCmdTmrSetDlg(tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CDiagCmdTmrSetDlg", "Timer Setting"), parent) {
  for (tk::RadioButton* radio : m_moduleGroup.members()) addControl(*radio);
  addControl(m_entryLabel);
  addControl(m_entryList);
  addControl(m_instanceLabel);
  addControl(m_instanceEdit);
  addControl(m_valueLabel);
  addControl(m_valueEdit);

  m_macRadio.onClicked = [this] { OnDiagCmdTmrSetMacRadio(); };
  m_rlcRadio.onClicked = [this] { OnDiagCmdTmrSetRlcRadio(); };
  m_rrcRadio.onClicked = [this] { OnDiagCmdTmrSetRrcRadio(); };
  m_mmRadio.onClicked = [this] { OnDiagCmdTmrSetMmRadio(); };
  m_gmmRadio.onClicked = [this] { OnDiagCmdTmrSetGmmRadio(); };
  m_ccRadio.onClicked = [this] { OnDiagCmdTmrSetCcRadio(); };
  m_smRadio.onClicked = [this] { OnDiagCmdTmrSetSmRadio(); };
  m_gsmsRadio.onClicked = [this] { OnDiagCmdTmrSetGsmsRadio(); };
  m_ssRadio.onClicked = [this] { OnDiagCmdTmrSetSsRadio(); };
  m_entryList.onSelChange = [this] { OnSelchangeDiagCmdTmrSetTimerIdCombx(); };
  m_instanceEdit.onChange = [this] { OnChangeDiagCmdTmrSetInstEdit(); };
  m_valueEdit.onChange = [this] { OnChangeDiagCmdTmrSetValueEdit(); };

  setLayout({
      tk::group("Module", {tk::row({tk::item(m_macRadio), tk::item(m_rlcRadio), tk::item(m_rrcRadio),
                                    tk::item(m_mmRadio), tk::item(m_gmmRadio)}),
                           tk::row({tk::item(m_ccRadio), tk::item(m_smRadio), tk::item(m_gsmsRadio),
                                    tk::item(m_ssRadio), tk::stretch()})}),
      tk::row({tk::item(m_entryLabel), tk::item(m_entryList)}),
      tk::row({tk::item(m_instanceLabel), tk::item(m_instanceEdit)}),
      tk::row({tk::item(m_valueLabel), tk::item(m_valueEdit)}),
  });
}

CDiagCmdTmrSetDlg::~CDiagCmdTmrSetDlg() = default;

unsigned char* CDiagCmdTmrSetDlg::GetDiagCmd(unsigned int* len) {
  // The timer dialog reads long values: up to 31 characters, all of them parsed.
  return orbel::buildSettingCommand(len, orbel::timerSettingCatalogue(), orbel::PrimitiveId::TimerSet, *this,
                                    m_fields, {31, 32});
}

bool CDiagCmdTmrSetDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_fields.entryIndex = 0;
  m_fields.moduleIndex = 0;
  m_fields.instanceText = "0xffff";
  m_fields.valueText.clear();
  m_instanceEdit.setText(m_fields.instanceText);
  m_moduleGroup.check(m_macRadio);
  UpdateComBox();
  return true;
}

void CDiagCmdTmrSetDlg::OnOK() {
  const std::string missing = orbel::missingSettingText(m_fields, "No Timer Interval");
  if (!missing.empty()) {
    MessageBox(missing);
    return;
  }
  CDialog::OnOK();
}

int CDiagCmdTmrSetDlg::UpdateComBox() {
  orbel::fillEntryList(m_entryList, orbel::timerSettingCatalogue()[static_cast<std::size_t>(m_fields.moduleIndex)]);
  m_entryList.setCurSel(0);
  m_fields.entryIndex = 0;
  return 0;
}

void CDiagCmdTmrSetDlg::chooseModule(int row) {
  m_fields.moduleIndex = row;
  UpdateComBox();
}

void CDiagCmdTmrSetDlg::OnDiagCmdTmrSetMacRadio() { chooseModule(0); }
void CDiagCmdTmrSetDlg::OnDiagCmdTmrSetRlcRadio() { chooseModule(1); }
void CDiagCmdTmrSetDlg::OnDiagCmdTmrSetRrcRadio() { chooseModule(2); }
void CDiagCmdTmrSetDlg::OnDiagCmdTmrSetMmRadio() { chooseModule(3); }
void CDiagCmdTmrSetDlg::OnDiagCmdTmrSetGmmRadio() { chooseModule(4); }
void CDiagCmdTmrSetDlg::OnDiagCmdTmrSetCcRadio() { chooseModule(5); }
void CDiagCmdTmrSetDlg::OnDiagCmdTmrSetSmRadio() { chooseModule(6); }
void CDiagCmdTmrSetDlg::OnDiagCmdTmrSetGsmsRadio() { chooseModule(7); }
void CDiagCmdTmrSetDlg::OnDiagCmdTmrSetSsRadio() { chooseModule(8); }

void CDiagCmdTmrSetDlg::OnSelchangeDiagCmdTmrSetTimerIdCombx() {
  m_fields.entryIndex = std::max(m_entryList.curSel(), 0);
}

void CDiagCmdTmrSetDlg::OnChangeDiagCmdTmrSetInstEdit() { m_fields.instanceText = m_instanceEdit.text(); }

void CDiagCmdTmrSetDlg::OnChangeDiagCmdTmrSetValueEdit() { m_fields.valueText = m_valueEdit.text(); }
