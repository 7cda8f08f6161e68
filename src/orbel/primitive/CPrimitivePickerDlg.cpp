#include "orbel/primitive/CPrimitivePickerDlg.h"

#include "host/codec/PrimitiveChoices.h"
#include "orbel/builders/ModuleLifetime.h"

namespace {

struct ColumnSpec {
  const char* title;
  int width;
};
constexpr ColumnSpec kColumns[] = {{"Primitive", 230}, {"Parameter", 270}, {"Identifier", 70}, {"Group", 55}};

// "1 primitive", "15 primitives", or "3 of 15 primitives" while a filter hides some.
std::string countText(std::size_t shown, std::size_t all) {
  const std::string count = shown == all ? std::to_string(all) : std::to_string(shown) + " of " + std::to_string(all);
  return count + (all == 1 ? " primitive" : " primitives");
}

}  // namespace

CPrimitivePickerDlg::CPrimitivePickerDlg(Descriptions descriptions, tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CPrimitivePickerDlg", "Add Command"), parent) {
  if (auto* set = std::get_if<std::shared_ptr<const psdl::DescriptionSet>>(&descriptions))
    m_set = std::move(*set);
  else
    m_unreadable = std::get<std::string>(descriptions);
  if (!m_set && m_unreadable.empty()) m_unreadable = "no description set was given";
  m_filterEdit.setCue("Part of a name, parameter or identifier");
  m_filterEdit.onChange = [this] { OnChangeFilterEdit(); };
  m_primitiveList.onSelChanged = [this] { OnSelectPrimitive(); };
  m_primitiveList.onActivated = [this] { OnActivatePrimitive(); };
  setLayout({
      tk::row({tk::item(m_filterLabel), tk::item(m_filterEdit)}),
      tk::item(m_primitiveList),
      tk::item(m_statusLabel),
  });
}

const psdl::PrimitiveDesc* CPrimitivePickerDlg::chosen() const {
  return m_chosen ? &m_set->primitives.at(*m_chosen) : nullptr;
}

bool CPrimitivePickerDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_chosen.reset();
  for (const ColumnSpec& column : kColumns) m_primitiveList.insertColumn(column.title, column.width);
  okButton().enable(false);
  if (!m_set) {
    m_filterEdit.enable(false);
    m_statusLabel.setCaption("The primitive descriptions cannot be read: " + m_unreadable);
    return true;
  }
  listPrimitives();
  return true;
}

void CPrimitivePickerDlg::listPrimitives() {
  const std::optional<std::size_t> selected = selectedPrimitive();
  const std::vector<std::size_t> kept = psdl::matchingPrimitives(*m_set, m_filterEdit.text());
  m_primitiveList.deleteAllItems();
  for (std::size_t index : kept) {
    const psdl::PrimitiveDesc& primitive = m_set->primitives[index];
    const int row = m_primitiveList.insertItem(primitive.name);
    m_primitiveList.setItemText(row, 1, psdl::parameterText(primitive));
    m_primitiveList.setItemText(row, 2, std::to_string(primitive.primitive));
    m_primitiveList.setItemText(row, 3, std::to_string(primitive.group));
    m_primitiveList.setItemData(row, index);
    if (selected == index) m_primitiveList.setSelection(row);
  }
  m_statusLabel.setCaption(countText(kept.size(), m_set->primitives.size()));
  okButton().enable(selectedPrimitive().has_value());
}

std::optional<std::size_t> CPrimitivePickerDlg::selectedPrimitive() const {
  const int row = m_primitiveList.selection();
  if (row < 0 || row >= m_primitiveList.rowCount()) return std::nullopt;
  return static_cast<std::size_t>(m_primitiveList.itemData(row));
}

void CPrimitivePickerDlg::OnChangeFilterEdit() { listPrimitives(); }

void CPrimitivePickerDlg::OnSelectPrimitive() { okButton().enable(selectedPrimitive().has_value()); }

void CPrimitivePickerDlg::OnOK() {
  m_chosen = selectedPrimitive();
  if (!m_chosen) return;
  CDialog::OnOK();
}
