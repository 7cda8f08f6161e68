#include "orbel/filter/CFilterHLSDlg.h"

#include <cstdlib>
#include <iterator>
#include <memory>
#include <span>
#include <utility>
#include <variant>

#include "host/HostModules.h"
#include "host/StringTable.h"
#include "orbel/builders/ModuleLifetime.h"
#include "orbel/catalogue/StandardSapList.h"
#include "orbel/filter/CMsgFilterDlg_MINI.h"
#include "orbel/filter/HlsDialogMessages.h"
#include "orbel/filter/HlsFilterFile.h"
#include "orbel/filter/StoredFilterMessage.h"
#include "orbel/ui/KovaFileDialog.h"
#include "orbel/wire/ByteOrder.h"
#include "toolkit/Toolkit.h"

namespace {

constexpr unsigned kChooseTypeText = 12362;
constexpr char kNoSenderText[] = "Select one sender item at least when filtering trace";
constexpr int kFirstSenderList = 1;
constexpr int kSecondSenderList = 2;

// The node lists each filter type shows in tree A and tree B (-1: none).
struct TypeLists {
  int treeA;
  int treeB;
};
constexpr TypeLists listsOfType(int type) {
  switch (type) {
    case 1: return {0, kFirstSenderList};
    case 2: return {0, kSecondSenderList};
    case 3: return {0, -1};
    case 4: return {3, -1};
    case 5: return {4, -1};
    default: return {-1, -1};
  }
}

// The template: every control's place in the client area, and the anchors
// of the controls that follow a resize. Tree A stretches right and down, so
// tree B, which keeps its place, stands left of it; the buttons below keep
// the corner they sit in.
using Anchor = tk::AnchorLayout;
constexpr tk::Rect kClient{0, 0, 600, 440};
struct Placement {
  const char* id;
  tk::Rect rect;
  unsigned anchors;
};
constexpr unsigned kLeftBottom = Anchor::kLeft | Anchor::kBottom;
constexpr unsigned kRightBottom = Anchor::kRight | Anchor::kBottom;
constexpr Placement kPlacements[] = {
    {"type", {10, 10, 590, 34}, Anchor::kTop | Anchor::kLeft | Anchor::kRight},
    {"tree.a.search", {210, 44, 590, 68}, Anchor::kTop | Anchor::kLeft | Anchor::kRight},
    {"tree.a", {210, 72, 590, 318}, Anchor::kTop | Anchor::kLeft | Anchor::kRight | Anchor::kBottom},
    {"standard", {10, 328, 210, 350}, kLeftBottom},
    {"display", {10, 354, 210, 376}, kLeftBottom},
    {"leaves.off", {220, 328, 330, 354}, kLeftBottom},
    {"leaves.on", {220, 358, 330, 384}, kLeftBottom},
    {"load", {10, 402, 100, 430}, kLeftBottom},
    {"save", {110, 402, 200, 430}, kLeftBottom},
    {"import", {210, 402, 300, 430}, kLeftBottom},
    {"attribute", {400, 328, 590, 350}, kRightBottom},
    {"standard.on", {400, 358, 490, 384}, kRightBottom},
    {"standard.off", {500, 358, 590, 384}, kRightBottom},
    {"ok", {400, 402, 490, 430}, kRightBottom},
    {"cancel", {500, 402, 590, 430}, kRightBottom},
};
// The controls that keep their template place at every size.
constexpr tk::ControlPlace kFixedPlaces[] = {
    {"tree.b.search", {10, 44, 200, 68}},
    {"tree.b", {10, 72, 200, 318}},
};

std::vector<tk::ControlPlace> templatePlaces() {
  std::vector<tk::ControlPlace> places(std::begin(kFixedPlaces), std::end(kFixedPlaces));
  for (const Placement& placement : kPlacements) places.push_back({placement.id, placement.rect});
  return places;
}

}  // namespace

CFilterHLSDlg::CFilterHLSDlg(int mode, const NodeLists* lists, tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CFilterHLSDlg", "HLS Filter"), parent), m_mode(mode) {
  if (lists != nullptr) {
    m_hasLists = true;
    for (std::size_t index = 0; index < lists->size(); ++index) {
      if ((*lists)[index] == nullptr) continue;
      for (CFilterNode* source : *(*lists)[index]) {
        if (source == nullptr) break;
        CFilterNode& copy = m_workingNodes[index].emplace_back(*source);
        copy.SetTargetNode(source);
        copy.SetParentNode(nullptr);
        m_workingLists[index].push_back(&copy);
      }
    }
  }

  m_typeList.onSelChange = [this] { OnSelchangeType(); };
  m_searchA.onChange = [this] { m_treeA.SetSearchText(m_searchA.text()); };
  m_searchB.onChange = [this] { m_treeB.SetSearchText(m_searchB.text()); };
  for (tk::Edit* search : {&m_searchA, &m_searchB}) {
    search->setCue("Find by name or value");
    search->setTooltip("Show only the items whose label holds this text or whose value is this number");
  }
  m_leavesOffButton.onClicked = [this] { m_treeA.SetAllLeaves(false); };
  m_leavesOnButton.onClicked = [this] { m_treeA.SetAllLeaves(true); };
  m_standardOnButton.onClicked = [this] {
    m_treeA.SetLeavesByValue(orbel::StandardSapList.data(), orbel::kStandardSapCount, true);
  };
  m_standardOffButton.onClicked = [this] {
    m_treeA.SetLeavesByValue(orbel::StandardSapList.data(), orbel::kStandardSapCount, false);
  };
  m_saveButton.onClicked = [this] { OnSave(); };
  m_loadButton.onClicked = [this] { OnLoad(); };
  m_importButton.onClicked = [this] { OnImport(); };

  setLayout({
      tk::row({tk::item(m_typeList)}),
      tk::row({tk::column({tk::item(m_searchB), tk::item(m_treeB)}),
               tk::column({tk::item(m_searchA), tk::item(m_treeA)})}),
      tk::row({tk::column({tk::item(m_standardBox), tk::item(m_displayBox)}),
               tk::column({tk::item(m_leavesOffButton), tk::item(m_leavesOnButton)}), tk::stretch(),
               tk::column({tk::item(m_attributeBox),
                           tk::row({tk::item(m_standardOnButton), tk::item(m_standardOffButton)})})}),
      tk::row({tk::item(m_loadButton), tk::item(m_saveButton), tk::item(m_importButton), tk::stretch()}),
  });
  setPlacement(kClient, templatePlaces(), m_layout);
}

CFilterHLSDlg::~CFilterHLSDlg() = default;

void CFilterHLSDlg::SetManager(SapFilterManager* manager) {
  m_manager = manager;
  m_madeManager = false;
}

void CFilterHLSDlg::ensureManager() {
  if (m_manager != nullptr) return;
  m_manager = new SapFilterManager;
  m_madeManager = true;
}

void CFilterHLSDlg::registerAnchors() {
  m_layout = {};
  m_layout.setClient(kClient);
  for (const Placement& placement : kPlacements) m_layout.add(placement.id, placement.rect, placement.anchors);
}

void CFilterHLSDlg::OnSize(int width, int height) { m_layout.apply({0, 0, width, height}); }

bool CFilterHLSDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  registerAnchors();
  if (IKovaFilterHLS* module = ModuleLib<IKovaFilterHLS>::sm_Instance)
    module->InitFilterDialog(*this);
  else if (IKovaSaveAs* saveAs = ModuleLib<IKovaSaveAs>::sm_Instance)
    saveAs->InitFilterDialog(*this);
  else
    return true;  // no module fills the filter types: the trees stay empty
  OnSelchangeType();
  ensureManager();
  if (m_mode != kDisplayFilterMode) {
    m_attributeBox.setCheck(m_manager->m_attributeOn ? 1 : 0);
    m_standardBox.setCheck(m_manager->m_standardSet ? 1 : 0);
  }
  m_layout.apply(m_layout.client());
  return true;
}

void CFilterHLSDlg::OnSelchangeType() {
  m_treeA.LoadNodes(nullptr);
  m_treeB.LoadNodes(nullptr);
  const int index = m_typeList.curSel();
  const int type = index >= 0 && index < m_typeList.count() ? static_cast<int>(m_typeList.item(index).data) : -1;
  for (tk::Button* button : {&m_saveButton, &m_loadButton, &m_importButton}) button->enable(type == 3);
  const TypeLists lists = listsOfType(type);
  if (lists.treeA < 0) return;
  m_treeB.enable(lists.treeB >= 0);
  m_searchB.enable(lists.treeB >= 0);
  m_treeA.LoadNodes(working(lists.treeA));
  if (lists.treeB >= 0) m_treeB.LoadNodes(working(lists.treeB));
}

void CFilterHLSDlg::OnOK() {
  const OkOutcome outcome = RunOkStep();
  // A user who was told why nothing was stored keeps the dialog and the
  // edits to correct them; only the default mode, with no user, ends anyway.
  if (outcome == OkOutcome::StoppedWithText && m_mode != kDefaultMode) return;
  EndDialog(tk::IDOK);
}

CFilterHLSDlg::OkOutcome CFilterHLSDlg::RunOkStep() {
  ensureManager();
  if (!m_hasLists) return OkOutcome::NothingToStore;
  const int selected = m_typeList.curSel();
  int index = selected;
  if (index == 0) {
    if (m_mode == kDisplayFilterMode) {
      MessageBox(getResourceStringComm(kChooseTypeText));
      return OkOutcome::StoppedWithText;
    }
    index = 3;
  }
  if (index < 0 || index >= m_typeList.count()) return OkOutcome::NothingToStore;
  const int type = static_cast<int>(m_typeList.item(index).data);
  if ((type == 1 && !anyTicked(kFirstSenderList)) || (type == 2 && !anyTicked(kSecondSenderList))) {
    MessageBox(kNoSenderText);
    return OkOutcome::StoppedWithText;
  }
  m_standardSetFlag = m_standardBox.check() != 0;
  switch (m_mode) {
    case kEditMode: updateUserSaps(false); break;
    case kDisplayFilterMode:
      buildDisplayMessage(type);
      if (type == 3) updateUserSaps(false);
      break;
    default: updateUserSaps(true); break;
  }
  m_filterTypeIndex = selected;
  if (tk::Toolkit* toolkit = tk::installedToolkit())
    toolkit->profile().writeInt(orbel::kSettingsSection, "FilterType", m_filterTypeIndex);
  if (m_mode == kDisplayFilterMode) m_displayFlag = m_displayBox.check() != 0;
  m_attributeFlag = m_attributeBox.check() != 0;
  m_manager->m_attributeOn = m_attributeFlag;
  m_manager->m_standardSet = m_standardSetFlag;
  writeBack(type);
  return OkOutcome::Stored;
}

bool CFilterHLSDlg::anyTicked(int list) const {
  for (const CFilterNode& node : m_workingNodes[static_cast<std::size_t>(list)])
    if (node.GetChecked() != CFilterNode::kUnticked) return true;
  return false;
}

std::vector<std::uint32_t> CFilterHLSDlg::tickedValues(int list) const {
  std::vector<std::uint32_t> values;
  for (const CFilterNode& node : m_workingNodes[static_cast<std::size_t>(list)])
    if (node.GetChecked() != CFilterNode::kUnticked) values.push_back(node.GetValue());
  return values;
}

void CFilterHLSDlg::updateUserSaps(bool defaultRule) {
  SapList saps;
  for (const CFilterNode& node : m_workingNodes[0])
    if (node.GetChecked() != CFilterNode::kUnticked && (defaultRule || node.IsLeaf()))
      saps.emplace_back(node.GetValue(), true);
  if (defaultRule || m_standardSetFlag)
    for (std::uint32_t sap : orbel::StandardSapList) saps.emplace_back(sap, true);
  m_manager->UserSap(saps);
}

void CFilterHLSDlg::buildDisplayMessage(int type) {
  const TypeLists lists = listsOfType(type);
  const std::vector<std::uint32_t> valuesA = tickedValues(lists.treeA);
  const std::vector<std::uint32_t> valuesB =
      lists.treeB >= 0 ? tickedValues(lists.treeB) : std::vector<std::uint32_t>{};
  // Empty when it cannot be built: the caller then receives no message and
  // length 0.
  m_displayMessage = orbel::buildDisplayFilterMessage(type, valuesA, valuesB);
}

void CFilterHLSDlg::writeBack(int type) {
  // Tree A's ticks are kept for every type that shows the SAP tree: with
  // the sender types too, so that the next opening shows what was confirmed.
  std::vector<int> lists;
  switch (type) {
    case 3: lists = {0}; break;
    case 4: lists = {3}; break;
    case 5: lists = {4}; break;
    default: lists = {0, kFirstSenderList, kSecondSenderList}; break;
  }
  for (int list : lists)
    for (const CFilterNode& node : m_workingNodes[static_cast<std::size_t>(list)])
      if (CFilterNode* target = node.GetTargetNode()) *target = node;
}

unsigned char* CFilterHLSDlg::TakeDisplayMessage(unsigned int* len) {
  if (!m_displayMessage) {
    if (len != nullptr) *len = 0;
    return nullptr;
  }
  return m_displayMessage.handOver(len);
}

bool CFilterHLSDlg::ApplyHlsFilterMessage(const std::vector<unsigned char>& message) {
  auto read = orbel::readAppliedSapFilter(message);
  if (auto* error = std::get_if<std::string>(&read)) {
    MessageBox("data error: " + *error);
    return false;
  }
  const orbel::AppliedSapFilter& filter = std::get<orbel::AppliedSapFilter>(read);
  m_standardBox.setCheck(0);
  m_standardSetFlag = false;
  m_attributeBox.setCheck(filter.attributeOn ? 1 : 0);
  m_attributeFlag = filter.attributeOn;
  m_treeA.SetAllLeaves(false);
  m_treeA.SetLeavesByValue(filter.ids.data(), static_cast<unsigned int>(filter.ids.size()), true);
  return true;
}

void CFilterHLSDlg::OnSave() {
  orbel::KovaFileDialog fileDialog(false, orbel::kHlsFilterExtension, "", orbel::kHlsFilterFileFilter, this);
  if (fileDialog.DoModal() != tk::IDOK) return;
  RunOkStep();
  const auto [buffer, length] = m_manager->CreateMessage(false);
  const std::unique_ptr<unsigned char[]> message(buffer);  // new[]'ed by CreateMessage
  orbel::SaveHlsFilterFile(fileDialog.GetPathName(), message.get(), length, this);
}

void CFilterHLSDlg::OnLoad() {
  orbel::KovaFileDialog fileDialog(true, orbel::kHlsFilterExtension, "", orbel::kHlsFilterFileFilter, this);
  if (fileDialog.DoModal() != tk::IDOK) return;
  const std::vector<unsigned char> message = orbel::LoadHlsFilterFile(fileDialog.GetPathName(), this);
  if (!message.empty()) ApplyHlsFilterMessage(message);
}

void CFilterHLSDlg::OnImport() {
  unsigned int fullSet = 0;
  unsigned int workModeState = 0;
  int workMode = 0;
  int filterType = 0;
  CMsgFilterDlg_MINI compact(0, this);
  unsigned char* message = compact.GetFilterMsg(&fullSet, &workModeState, workMode, filterType, true);
  if (message == nullptr) return;
  const std::unique_ptr<unsigned char, orbel::FreeDeleter> owned(message);
  // The compact filter message carries its total length in its first word.
  const std::size_t length = orbel::readU16LE(std::span<const std::uint8_t>(message, 2), 0);
  ApplyHlsFilterMessage(std::vector<unsigned char>(message, message + length));
}
