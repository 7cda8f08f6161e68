#include "orbel/diag/setting/CatalogueSettingDlg.h"

#include <algorithm>

namespace orbel {

CatalogueSettingDlg::CatalogueSettingDlg(tk::DialogTemplate dialogTemplate, tk::CWnd* parent, const Setting& setting)
    : CDialog(std::move(dialogTemplate), parent),
      m_setting(setting),
      m_moduleButtons(setting.modules, setting.modulesPerRow, [this](int row) { chooseModule(row); }),
      m_entryLabel("label.entry", setting.entryCaption) {
  m_entryList.onSelChange = [this] { OnSelchangeDiagCmdSetEntryIdCombx(); };
  m_instanceEdit.onChange = [this] { OnChangeDiagCmdSetInstEdit(); };
  m_valueEdit.onChange = [this] { OnChangeDiagCmdSetValueEdit(); };
  setLayout({m_moduleButtons.group(), tk::row({tk::item(m_entryLabel), tk::item(m_entryList)}),
             tk::row({tk::item(m_instanceLabel), tk::item(m_instanceEdit)}),
             tk::row({tk::item(m_valueLabel), tk::item(m_valueEdit)})});
}

CatalogueSettingDlg::~CatalogueSettingDlg() = default;

bool CatalogueSettingDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_fields.moduleIndex = 0;
  m_fields.entryIndex = 0;
  m_fields.valueText.clear();
  m_valueFollowsEdit = false;
  m_fields.instanceText.clear();
  m_instanceFollowsEdit = false;
  if (m_setting.instanceStartText != nullptr)
    m_instanceEdit.setText(m_setting.instanceStartText);  // the handler makes the instance text follow it
  m_moduleButtons.check(0);
  UpdateCombox();
  return true;
}

// Null `len` gives null (*len on entry is ignored); Cancel gives null.
unsigned char* CatalogueSettingDlg::GetDiagCmd(unsigned int* len) {
  if (len == nullptr || DoModal() != tk::IDOK) return nullptr;
  return buildFieldsSetting(len, m_setting.catalogue, m_setting.primitive, fields(), m_setting.bounds);
}

// The instance is asked for first, then the new value.
void CatalogueSettingDlg::OnOK() {
  if (fields().instanceText.empty()) {
    MessageBox("No instance id");
    return;
  }
  if (fields().valueText.empty()) {
    MessageBox(m_setting.noValueText);
    return;
  }
  CDialog::OnOK();
}

int CatalogueSettingDlg::UpdateCombox() {
  showModuleEntries(m_entryList, m_setting.catalogue, m_fields);
  return 0;
}

void CatalogueSettingDlg::chooseModule(int row) {
  m_fields.moduleIndex = row;
  UpdateCombox();
}

void CatalogueSettingDlg::OnSelchangeDiagCmdSetEntryIdCombx() {
  m_fields.entryIndex = std::max(m_entryList.curSel(), 0);  // no selection counts as the first entry
}

void CatalogueSettingDlg::OnChangeDiagCmdSetInstEdit() { m_instanceFollowsEdit = true; }

void CatalogueSettingDlg::OnChangeDiagCmdSetValueEdit() { m_valueFollowsEdit = true; }

const SettingFields& CatalogueSettingDlg::fields() {
  if (m_instanceFollowsEdit) m_fields.instanceText = m_instanceEdit.text();
  if (m_valueFollowsEdit) m_fields.valueText = m_valueEdit.text();
  return m_fields;
}

}  // namespace orbel
