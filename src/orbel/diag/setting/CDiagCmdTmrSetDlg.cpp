#include "orbel/diag/setting/CDiagCmdTmrSetDlg.h"

#include "orbel/builders/ModuleLifetime.h"

// The timer dialog reads long values: up to 31 characters, all of them parsed.
CDiagCmdTmrSetDlg::CDiagCmdTmrSetDlg(tk::CWnd* parent)
    : CatalogueSettingDlg(orbel::dialogTemplate("CDiagCmdTmrSetDlg", "Timer Setting"), parent,
                          {orbel::timerSettingCatalogue(), orbel::PrimitiveId::TimerSet, {31, 32}, "&Timer:",
                           "No Timer Interval"}) {
  std::vector<tk::LayoutNode> rows{
      tk::group("Module", {tk::row({tk::item(m_macRadio), tk::item(m_rlcRadio), tk::item(m_rrcRadio),
                                    tk::item(m_mmRadio), tk::item(m_gmmRadio)}),
                           tk::row({tk::item(m_ccRadio), tk::item(m_smRadio), tk::item(m_gsmsRadio),
                                    tk::item(m_ssRadio), tk::stretch()})})};
  for (tk::LayoutNode& row : fieldRows()) rows.push_back(std::move(row));

  m_macRadio.onClicked = [this] { OnDiagCmdTmrSetMacRadio(); };
  m_rlcRadio.onClicked = [this] { OnDiagCmdTmrSetRlcRadio(); };
  m_rrcRadio.onClicked = [this] { OnDiagCmdTmrSetRrcRadio(); };
  m_mmRadio.onClicked = [this] { OnDiagCmdTmrSetMmRadio(); };
  m_gmmRadio.onClicked = [this] { OnDiagCmdTmrSetGmmRadio(); };
  m_ccRadio.onClicked = [this] { OnDiagCmdTmrSetCcRadio(); };
  m_smRadio.onClicked = [this] { OnDiagCmdTmrSetSmRadio(); };
  m_gsmsRadio.onClicked = [this] { OnDiagCmdTmrSetGsmsRadio(); };
  m_ssRadio.onClicked = [this] { OnDiagCmdTmrSetSsRadio(); };

  setLayout(std::move(rows));
}

CDiagCmdTmrSetDlg::~CDiagCmdTmrSetDlg() = default;

// MAC's timers, all instances, no new value yet.
bool CDiagCmdTmrSetDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_fields.entryIndex = 0;
  m_fields.moduleIndex = 0;
  m_fields.valueText.clear();
  m_instanceEdit.setText("0xffff");  // the handler copies it into the instance text
  m_moduleGroup.check(m_macRadio);
  UpdateCombox();
  return true;
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
