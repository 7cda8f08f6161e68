#include "orbel/l1filter/CPhyFaFilterDlg.h"

#include <span>

#include "orbel/builders/ExportGuard.h"
#include "orbel/builders/ModuleLifetime.h"
#include "orbel/catalogue/L1PrimitiveTable.h"
#include "orbel/catalogue/L1StateTables.h"
#include "orbel/l1filter/CPhyFaFilterBasicDlg.h"
#include "orbel/l1filter/L1FilterFile.h"
#include "orbel/l1filter/TaskMessageNodes.h"
#include "orbel/ui/KovaFileDialog.h"

namespace {

using orbel::PhyFaSelection;

constexpr std::size_t kOptionsABits = 10;
constexpr std::size_t kOptionsBBits = 8;

void makeBoxes(std::deque<tk::CheckBox>& boxes, const std::string& idPrefix, std::size_t count, const std::string& side,
               char word) {
  for (std::size_t bit = 0; bit < count; ++bit) {
    tk::CheckBox& box =
        boxes.emplace_back(idPrefix + std::to_string(bit), side + " option " + word + std::to_string(bit));
    box.setTooltip("Ticked: bit " + std::to_string(bit) + " of the " + side + " options " + word + " word is set");
  }
}

std::vector<tk::LayoutNode> items(std::deque<tk::CheckBox>& boxes) {
  std::vector<tk::LayoutNode> nodes;
  for (tk::CheckBox& box : boxes) nodes.push_back(tk::item(box));
  return nodes;
}

std::uint16_t bitsOf(const std::deque<tk::CheckBox>& boxes) {
  std::uint16_t bits = 0;
  for (std::size_t bit = 0; bit < boxes.size(); ++bit)
    if (boxes[bit].check() != 0) bits |= static_cast<std::uint16_t>(1u << bit);
  return bits;
}

void showBits(std::deque<tk::CheckBox>& boxes, std::uint16_t bits) {
  for (std::size_t bit = 0; bit < boxes.size(); ++bit) boxes[bit].setCheck((bits >> bit & 1u) != 0 ? 1 : 0);
}

int tickCount(const tk::ListControl& list) {
  int ticked = 0;
  for (int row = 0; row < list.rowCount(); ++row) ticked += list.checked(row) ? 1 : 0;
  return ticked;
}

// Each state name once, in table order, with `row` chosen.
void refill(tk::ComboBox& choice, std::span<const orbel::L1State> table, std::size_t row) {
  choice.resetContent();
  for (const orbel::L1State& state : table) choice.addString(std::string(state.name));
  choice.setCurSel(static_cast<int>(row));
}

std::size_t chosenRow(const tk::ComboBox& choice) {
  return choice.curSel() > 0 ? static_cast<std::size_t>(choice.curSel()) : 0;
}

}  // namespace

CPhyFaFilterDlg::CPhyFaFilterDlg(tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CPhyFaFilterDlg", "L1 Filter"), parent) {
  for (std::size_t k = 0; k < orbel::kFilterSwitches; ++k)
    m_switches.emplace_back("switch." + std::to_string(k), "Switch " + std::to_string(k))
        .setTooltip("Ticked: byte " + std::to_string(k) + " of the switches is 1");
  makeBoxes(m_tdOptionsA, "td.a.", kOptionsABits, "TD", 'A');
  makeBoxes(m_tdOptionsB, "td.b.", kOptionsBBits, "TD", 'B');
  makeBoxes(m_gsmOptionsA, "gsm.a.", kOptionsABits, "GSM", 'A');
  makeBoxes(m_gsmOptionsB, "gsm.b.", kOptionsBBits, "GSM", 'B');
  m_tdCount.setTooltip("Ticked TD primitives (at most 16)");
  m_gsmCount.setTooltip("Ticked GSM primitives (at most 16)");

  m_allButton.onClicked = [this] { m_tree.SetAllLeaves(true); };
  m_noneButton.onClicked = [this] { m_tree.SetAllLeaves(false); };
  m_tdList.onCheckChanged = [this](int row) { onPrimitiveTicked(m_tdList, m_tdCount, row); };
  m_gsmList.onCheckChanged = [this](int row) { onPrimitiveTicked(m_gsmList, m_gsmCount, row); };
  m_saveButton.onClicked = [this] { OnSave(); };
  m_openButton.onClicked = [this] { OnOpen(); };
  m_storedButton.onClicked = [this] { OnStored(); };

  std::vector<tk::LayoutNode> switches;
  for (tk::CheckBox& box : m_switches) switches.push_back(tk::item(box));
  std::vector<tk::LayoutNode> tdOptions = items(m_tdOptionsA);
  for (tk::LayoutNode& node : items(m_tdOptionsB)) tdOptions.push_back(std::move(node));
  std::vector<tk::LayoutNode> gsmOptions = items(m_gsmOptionsA);
  for (tk::LayoutNode& node : items(m_gsmOptionsB)) gsmOptions.push_back(std::move(node));
  setLayout({
      tk::row({tk::column({tk::item(m_tree), tk::row({tk::item(m_allButton), tk::item(m_noneButton)})}),
               tk::column({tk::item(m_tdList), tk::row({tk::item(m_tdCount), tk::stretch()})}),
               tk::column({tk::item(m_gsmList), tk::row({tk::item(m_gsmCount), tk::stretch()})})}),
      tk::row(std::move(switches)),
      tk::row({tk::group("TD states", {tk::item(m_tdFrom), tk::item(m_tdTo)}),
               tk::group("GSM states", {tk::item(m_gsmFrom), tk::item(m_gsmTo)})}),
      tk::row({tk::group("TD options", {tk::column(std::move(tdOptions))}),
               tk::group("GSM options", {tk::column(std::move(gsmOptions))})}),
      tk::row({tk::item(m_saveButton), tk::item(m_openButton), tk::item(m_storedButton), tk::stretch()}),
  });
}

CPhyFaFilterDlg::~CPhyFaFilterDlg() = default;

void CPhyFaFilterDlg::buildNodes() {
  m_nodes = orbel::makeTaskMessageNodes();
  m_nodeList.clear();
  for (CFilterNode& node : m_nodes) m_nodeList.push_back(&node);
}

void CPhyFaFilterDlg::fillPrimitiveList(tk::ListControl& list, std::size_t firstRow, std::size_t rows) {
  list.deleteAllItems();
  if (list.columns().empty()) list.insertColumn("Primitive", 260);
  for (std::size_t row = firstRow; row < firstRow + rows; ++row)
    list.insertItem(std::string(orbel::L1PrimitiveTable[row].name));
}

bool CPhyFaFilterDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  orbel::guardExport([&] {
    buildNodes();
    fillPrimitiveList(m_tdList, orbel::kTdPrimitiveFirstRow, orbel::kTdPrimitiveRows);
    fillPrimitiveList(m_gsmList, orbel::kGsmPrimitiveFirstRow, orbel::kGsmPrimitiveRows);
    if (LoadPhyFaFilterConfig("")) showConfig();
  });
  return true;
}

void CPhyFaFilterDlg::showConfig() {
  m_selection = orbel::decodeFilterConfig(m_config);
  orbel::tickTaskMessages(m_nodes, m_selection.taskMessages);
  for (int row = 0; row < m_tdList.rowCount(); ++row)
    m_tdList.setCheck(row, m_selection.primitives.test(orbel::kTdPrimitiveFirstRow + static_cast<std::size_t>(row)));
  for (int row = 0; row < m_gsmList.rowCount(); ++row)
    m_gsmList.setCheck(row, m_selection.primitives.test(orbel::kGsmPrimitiveFirstRow + static_cast<std::size_t>(row)));
  m_tdCount.setCaption(std::to_string(tickCount(m_tdList)));
  m_gsmCount.setCaption(std::to_string(tickCount(m_gsmList)));
  for (std::size_t k = 0; k < m_switches.size(); ++k) m_switches[k].setCheck(m_selection.switches[k] ? 1 : 0);
  showBits(m_tdOptionsA, m_selection.tdOptionsA);
  showBits(m_tdOptionsB, m_selection.tdOptionsB);
  showBits(m_gsmOptionsA, m_selection.gsmOptionsA);
  showBits(m_gsmOptionsB, m_selection.gsmOptionsB);
  fillStateChoices(m_selection);
  m_tree.LoadNodes(&m_nodeList);
}

void CPhyFaFilterDlg::fillStateChoices(const PhyFaSelection& selection) {
  refill(m_tdFrom, orbel::TdL1StateTable, selection.tdStateFrom);
  refill(m_tdTo, orbel::TdL1StateTable, selection.tdStateTo);
  refill(m_gsmFrom, orbel::GsmL1StateTable, selection.gsmStateFrom);
  refill(m_gsmTo, orbel::GsmL1StateTable, selection.gsmStateTo);
}

PhyFaSelection CPhyFaFilterDlg::selectionFromForm() const {
  PhyFaSelection selection;
  selection.taskMessages = orbel::tickedTaskMessages(m_nodes);
  for (int row = 0; row < m_tdList.rowCount(); ++row)
    selection.primitives.set(orbel::kTdPrimitiveFirstRow + static_cast<std::size_t>(row), m_tdList.checked(row));
  for (int row = 0; row < m_gsmList.rowCount(); ++row)
    selection.primitives.set(orbel::kGsmPrimitiveFirstRow + static_cast<std::size_t>(row), m_gsmList.checked(row));
  for (std::size_t k = 0; k < m_switches.size(); ++k) selection.switches[k] = m_switches[k].check() != 0;
  selection.tdStateFrom = chosenRow(m_tdFrom);
  selection.tdStateTo = chosenRow(m_tdTo);
  selection.gsmStateFrom = chosenRow(m_gsmFrom);
  selection.gsmStateTo = chosenRow(m_gsmTo);
  selection.tdOptionsA = bitsOf(m_tdOptionsA);
  selection.tdOptionsB = bitsOf(m_tdOptionsB);
  selection.gsmOptionsA = bitsOf(m_gsmOptionsA);
  selection.gsmOptionsB = bitsOf(m_gsmOptionsB);
  return selection;
}

void CPhyFaFilterDlg::onPrimitiveTicked(tk::ListControl& list, tk::Label& counter, int row) {
  int ticked = tickCount(list);
  if (ticked > kMaxListTicks) {
    list.setCheck(row, false);
    --ticked;
  }
  counter.setCaption(std::to_string(ticked));
}

void CPhyFaFilterDlg::SavePhyFaFilterConfig(const std::string& path) {
  m_selection = selectionFromForm();
  m_config = orbel::encodeFilterSelection(m_selection);
  WriteConfig(path);
}

void CPhyFaFilterDlg::OnOK() {
  orbel::guardExport([&] {
    SavePhyFaFilterConfig("");
    CDialog::OnOK();
  });
}

void CPhyFaFilterDlg::OnSave() {
  orbel::KovaFileDialog fileDialog(false, orbel::kL1FilterExtension, "", orbel::kL1FilterFileFilter, this);
  if (fileDialog.DoModal() == tk::IDOK) SavePhyFaFilterConfig(fileDialog.GetPathName());
}

void CPhyFaFilterDlg::OnOpen() {
  orbel::KovaFileDialog fileDialog(true, orbel::kL1FilterExtension, "", orbel::kL1FilterFileFilter, this);
  if (fileDialog.DoModal() == tk::IDOK && LoadPhyFaFilterConfig(fileDialog.GetPathName())) showConfig();
}

void CPhyFaFilterDlg::OnStored() {
  CPhyFaFilterBasicDlg stored(this);
  if (stored.DoModal() == tk::IDOK && LoadPhyFaFilterConfig("")) showConfig();
}
