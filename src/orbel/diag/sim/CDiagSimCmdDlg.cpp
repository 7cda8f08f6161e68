#include "orbel/diag/sim/CDiagSimCmdDlg.h"

#include <vector>

#include "host/SimFilterInfoMan.h"
#include "orbel/builders/ModuleLifetime.h"
#include "orbel/diag/sim/SimCommandItems.h"

CDiagSimCmdDlg::CDiagSimCmdDlg(tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CDiagSimCmdDlg", "SIM Command"), parent) {
  m_tree.onSelChanged = [this] { OnSelchangedSimCmdTree(); };

  okButton().enable(false);
  setLayout({tk::row({tk::group("Command", {tk::item(m_tree)}), tk::group("Fields", {tk::item(m_pane.pane())})})});
}

CDiagSimCmdDlg::~CDiagSimCmdDlg() = default;

unsigned char* CDiagSimCmdDlg::GetDiagCmd(unsigned int* len) {
  if (len == nullptr) return nullptr;
  if (DoModal() != tk::IDOK) return nullptr;
  if (!m_result) {
    *len = 0;  // confirmed, but the encoder refused the command
    return nullptr;
  }
  return m_result.handOver(len);
}

bool CDiagSimCmdDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_filterInfo = CSimFilterInfoMan::CreateInstance(true);
  if (!m_filterInfo->LoadError().empty())
    MessageBox("The SIM command definitions could not be read: " + m_filterInfo->LoadError(), {},
               tk::MB_OK | tk::MB_ICONWARNING);

  // The tree's images are kept as indices; the visual backend draws no
  // image list of its own.
  const SimDefinitions& definitions = m_filterInfo->GetSimDefinitions();
  for (const SimGroupEntry& group : definitions.groups) {
    const tk::TreeItem groupItem = m_tree.insertItem(group.name);
    m_tree.setImage(groupItem, kGroupImage, kGroupSelectedImage);
    m_tree.setItemData(groupItem, group.id);
    for (std::size_t r = 0; r < definitions.records.size(); ++r) {
      if (definitions.records[r].groupId != group.id) continue;
      const tk::TreeItem recordItem = m_tree.insertItem(definitions.records[r].name, groupItem);
      m_tree.setItemData(recordItem, r);
    }
    m_tree.expand(groupItem, true);
  }
  m_pane.Create(kPaneHeight);
  return true;
}

void CDiagSimCmdDlg::OnSelchangedSimCmdTree() {
  m_pane.HideAllRows();
  m_rowCount = 0;
  const tk::TreeItem selected = m_tree.selected();
  const bool isCommand = m_tree.isItem(selected) && m_tree.parent(selected) != tk::kTreeRoot;
  okButton().enable(isCommand);
  if (!isCommand) return;

  const SimDefinitions& definitions = m_filterInfo->GetSimDefinitions();
  const SimRecordEntry& record = definitions.records.at(m_tree.itemData(selected));
  const std::span<const SimFieldEntry> fields = orbel::simRecordFields(definitions, record);
  m_rowCount = static_cast<std::uint16_t>(fields.size());
  for (int row = 0; row < m_rowCount; ++row) showField(row, fields[static_cast<std::size_t>(row)]);
  m_pane.FitToRows(m_rowCount);
}

// A list field shows its drop-down list with the choices of its check key;
// any other field its edit field, holding the default text read-only when
// the field is fixed.
void CDiagSimCmdDlg::showField(int row, const SimFieldEntry& field) {
  const SimDefinitions& definitions = m_filterInfo->GetSimDefinitions();
  CDlgScrollable::Row& shown = m_pane.row(row);
  const CRichToolTipCtrl& tips = m_pane.toolTip();

  shown.name.setCaption(field.name);
  tips.UpdateTipText(field.name, shown.name);
  shown.name.show(true);
  if (field.listFlag == 1) {
    for (const SimValueEntry& choice : definitions.values) {
      if (choice.checkKey != field.checkKey) continue;
      const int index = shown.list.addString(choice.text);
      shown.list.setItemData(index, choice.value);
    }
    tips.UpdateTipText(field.comment, shown.list);
    shown.list.show(true);
    return;
  }
  const bool fixed = field.fixedFlag == 1;
  shown.value.setText(fixed ? field.defaultText : std::string());
  shown.value.enable(!fixed);  // read-only: the user cannot change a fixed value
  tips.UpdateTipText(field.comment, shown.value);
  shown.value.show(true);
}

void CDiagSimCmdDlg::OnOK() {
  m_result = {};
  const tk::TreeItem selected = m_tree.selected();
  if (!m_tree.isItem(selected) || m_tree.parent(selected) == tk::kTreeRoot) return;

  std::vector<orbel::SimRowValue> rows;
  for (int row = 0; row < m_rowCount; ++row) {
    const CDlgScrollable::Row& shown = m_pane.row(row);
    orbel::SimRowValue value;
    value.fromList = shown.list.visible();
    if (value.fromList) {
      if (shown.list.curSel() >= 0) {
        value.text = shown.list.item(shown.list.curSel()).text;
        value.listValue = static_cast<std::uint32_t>(shown.list.item(shown.list.curSel()).data);
      }
    } else {
      value.text = shown.value.text();
    }
    rows.push_back(std::move(value));
  }

  orbel::SimItemList list =
      orbel::buildSimItems(m_filterInfo->GetSimDefinitions(), static_cast<std::size_t>(m_tree.itemData(selected)), rows);
  if (!list.refusal.empty()) {
    MessageBox(list.refusal, {}, tk::MB_OK | tk::MB_ICONINFORMATION);
    return;
  }
  m_result = std::move(orbel::encodeItemList(list.items).message);
  CDialog::OnOK();
}
