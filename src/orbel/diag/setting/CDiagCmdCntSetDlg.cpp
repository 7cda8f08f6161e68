#include "orbel/diag/setting/CDiagCmdCntSetDlg.h"

#include "orbel/builders/ModuleLifetime.h"

// Counter texts are read as the enquiries read an instance: 7 characters
// kept, 6 parsed.
CDiagCmdCntSetDlg::CDiagCmdCntSetDlg(tk::CWnd* parent)
    : CatalogueSettingDlg(orbel::dialogTemplate("CDiagCmdCntSetDlg", "Counter Setting"), parent,
                          {orbel::counterSettingCatalogue(), orbel::PrimitiveId::CounterSet, {7, 6}, "&Counter:",
                           "No New Value"}) {
  std::vector<tk::LayoutNode> rows{
      tk::group("Module", {tk::row({tk::item(m_macRadio), tk::item(m_rrcRadio), tk::item(m_mmRadio),
                                    tk::item(m_gmmRadio), tk::item(m_ccRadio), tk::item(m_pdhRadio)})})};
  for (tk::LayoutNode& row : fieldRows()) rows.push_back(std::move(row));

  m_macRadio.onClicked = [this] { OnDiagCmdCntSetMacRadio(); };
  m_rrcRadio.onClicked = [this] { OnDiagCmdCntSetRrcRadio(); };
  m_mmRadio.onClicked = [this] { OnDiagCmdCntSetMmRadio(); };
  m_gmmRadio.onClicked = [this] { OnDiagCmdCntSetGmmRadio(); };
  m_ccRadio.onClicked = [this] { OnDiagCmdCntSetCcRadio(); };
  m_pdhRadio.onClicked = [this] { OnDiagCmdCntSetPdhRadio(); };

  setLayout(std::move(rows));
}

CDiagCmdCntSetDlg::~CDiagCmdCntSetDlg() = default;

// MAC's counters; both fields start empty, as their template shows them.
bool CDiagCmdCntSetDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_moduleGroup.check(m_macRadio);
  m_fields.moduleIndex = 0;
  m_fields.entryIndex = 0;
  UpdateCombox();
  m_fields.instanceText.clear();
  m_fields.valueText.clear();
  return true;
}

void CDiagCmdCntSetDlg::OnDiagCmdCntSetMacRadio() { chooseModule(0); }
void CDiagCmdCntSetDlg::OnDiagCmdCntSetRrcRadio() { chooseModule(1); }
void CDiagCmdCntSetDlg::OnDiagCmdCntSetMmRadio() { chooseModule(2); }
void CDiagCmdCntSetDlg::OnDiagCmdCntSetGmmRadio() { chooseModule(3); }
void CDiagCmdCntSetDlg::OnDiagCmdCntSetCcRadio() { chooseModule(4); }
void CDiagCmdCntSetDlg::OnDiagCmdCntSetPdhRadio() { chooseModule(5); }
