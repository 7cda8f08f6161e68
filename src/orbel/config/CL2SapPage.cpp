#include "orbel/config/CL2SapPage.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::size_t kBoxesPerRow = 8;
constexpr const char* kGroupSuffix[] = {"a", "b"};
constexpr const char* kGroupCaption[] = {"Group A", "Group B"};

// "SAPs 2200 to 2232, 2235": the identities of a group as runs.
std::string identityRuns(std::span<const std::uint32_t> saps) {
  std::string text;
  for (std::size_t i = 0; i < saps.size();) {
    std::size_t last = i;
    while (last + 1 < saps.size() && saps[last + 1] == saps[last] + 1) ++last;
    text += (text.empty() ? "" : ", ") + std::to_string(saps[i]);
    if (last > i) text += " to " + std::to_string(saps[last]);
    i = last + 1;
  }
  return "SAPs " + text;
}

// A select-all box's state from how many of its `count` boxes are ticked.
int stateOfCount(std::size_t ticked, std::size_t count) { return ticked == 0 ? 0 : ticked == count ? 1 : 2; }

int shownState(std::uint32_t state) { return state <= 2 ? static_cast<int>(state) : 0; }

// The state a select-all box takes from a click: the third state counts as unticked.
int clickedState(tk::CheckBox& box) {
  if (box.check() == 2) box.setCheck(0);
  return box.check();
}

}  // namespace

CL2SapPage::CL2SapPage(const orbel::l2::L2PageTable& table) : table_(table), m_ticks(table.saps.size(), 0) {
  const std::string prefix = table.prefix;
  for (std::size_t item = 0; item < table.saps.size(); ++item) {
    const std::size_t group = GroupOf(item);
    const std::uint32_t sap = table.saps[item];
    const std::string caption =
        std::to_string(group < table.groupCount ? sap - table.groups[group].numberBase : sap);
    tk::CheckBox& box = m_sapBoxes.emplace_back(prefix + "." + std::to_string(item), caption);
    box.setTooltip("SAP " + std::to_string(sap));
    if (item >= table.rangeFirst && item <= table.rangeLast)
      box.onClicked = [this, item] { OnSapClicked(item); };
    else if (group < table.groupCount)
      // Not part of anchors and ranges, but its group's select-all box still follows it.
      box.onClicked = [this, group] {
        RefreshSelectAll(group);
        if (table_.subgroups) RefreshSubgroupSelectAll(group);
      };
  }
  for (std::size_t group = 0; group < table.groupCount; ++group) {
    const orbel::l2::SapGroup& range = table.groups[group];
    m_groupLabels.emplace_back(prefix + ".label." + kGroupSuffix[group],
                               identityRuns(table.saps.subspan(range.first, range.count)));
    tk::CheckBox& all = m_selectAllBoxes.emplace_back(prefix + ".all." + kGroupSuffix[group], "All", true);
    all.onClicked = [this, group] { OnSelectAllClicked(group); };
    if (!table.subgroups) continue;
    const std::uint32_t base = range.numberBase;
    const std::string first = std::to_string(table.saps[range.first] - base);
    const std::string last = std::to_string(table.saps[range.first + orbel::l2::kSubgroupSize - 1] - base);
    tk::CheckBox& sub =
        m_subgroupBoxes.emplace_back(prefix + ".sub." + kGroupSuffix[group], "All of " + first + " to " + last, true);
    sub.onClicked = [this, group] { OnSubgroupSelectAllClicked(group); };
  }
}

tk::LayoutNode CL2SapPage::GroupContent(std::size_t group) {
  const orbel::l2::SapGroup& range = table_.groups[group];
  std::vector<tk::LayoutNode> header{tk::item(m_groupLabels[group]), tk::stretch()};
  if (table_.subgroups) header.push_back(tk::item(m_subgroupBoxes[group]));
  header.push_back(tk::item(m_selectAllBoxes[group]));
  std::vector<tk::LayoutNode> rows{tk::row(std::move(header))};
  for (std::size_t first = range.first; first < range.first + range.count; first += kBoxesPerRow) {
    std::vector<tk::LayoutNode> boxes;
    for (std::size_t item = first; item < std::min(first + kBoxesPerRow, range.first + range.count); ++item)
      boxes.push_back(tk::item(m_sapBoxes[item]));
    boxes.push_back(tk::stretch());
    rows.push_back(tk::row(std::move(boxes)));
  }
  return tk::group(kGroupCaption[group], std::move(rows));
}

tk::LayoutNode CL2SapPage::content() {
  std::vector<tk::LayoutNode> rows;
  std::vector<tk::LayoutNode> standalone;
  for (std::size_t item = 0; item < m_sapBoxes.size(); ++item)
    if (GroupOf(item) == table_.groupCount) standalone.push_back(tk::item(m_sapBoxes[item]));
  if (!standalone.empty()) {
    standalone.push_back(tk::stretch());
    rows.push_back(tk::row(std::move(standalone)));
  }
  for (std::size_t group = 0; group < table_.groupCount; ++group) rows.push_back(GroupContent(group));
  rows.push_back(tk::stretch());
  return tk::column(std::move(rows));
}

std::vector<tk::Control*> CL2SapPage::controls() {
  std::vector<tk::Control*> order;
  for (tk::CheckBox& box : m_sapBoxes) order.push_back(&box);
  for (std::size_t group = 0; group < table_.groupCount; ++group) {
    order.push_back(&m_groupLabels[group]);
    order.push_back(&m_selectAllBoxes[group]);
    if (table_.subgroups) order.push_back(&m_subgroupBoxes[group]);
  }
  return order;
}

void CL2SapPage::setItemTicks(std::span<const std::uint32_t> ticks) {
  std::copy_n(ticks.begin(), std::min(ticks.size(), m_ticks.size()), m_ticks.begin());
}

void CL2SapPage::setSelectAllStates(std::array<std::uint32_t, 2> groups, std::array<std::uint32_t, 2> subgroups) {
  m_groupStates = groups;
  m_subgroupStates = subgroups;
}

void CL2SapPage::OnInitDialog() {
  for (std::size_t item = 0; item < m_sapBoxes.size(); ++item) m_sapBoxes[item].setCheck(m_ticks[item] != 0 ? 1 : 0);
  for (std::size_t group = 0; group < table_.groupCount; ++group) {
    m_selectAllBoxes[group].setCheck(shownState(m_groupStates[group]));
    if (table_.subgroups) m_subgroupBoxes[group].setCheck(shownState(m_subgroupStates[group]));
  }
}

void CL2SapPage::EnablePage(bool on) {
  for (tk::Control* control : controls()) control->enable(on);
}

std::vector<std::uint32_t> CL2SapPage::CollectTicks() const {
  std::vector<std::uint32_t> ticks;
  for (const tk::CheckBox& box : m_sapBoxes) ticks.push_back(static_cast<std::uint32_t>(box.check()));
  return ticks;
}

std::array<std::uint32_t, 2> CL2SapPage::GroupStates() const {
  std::array<std::uint32_t, 2> states{};
  for (std::size_t group = 0; group < table_.groupCount; ++group)
    states[group] = static_cast<std::uint32_t>(m_selectAllBoxes[group].check());
  return states;
}

std::array<std::uint32_t, 2> CL2SapPage::SubgroupStates() const {
  std::array<std::uint32_t, 2> states{};
  if (table_.subgroups)
    for (std::size_t group = 0; group < table_.groupCount; ++group)
      states[group] = static_cast<std::uint32_t>(m_subgroupBoxes[group].check());
  return states;
}

void CL2SapPage::PreTranslateKey(tk::Key key, bool down) {
  if (key == tk::Key::Shift) m_shift = down;
}

void CL2SapPage::OnSapClicked(std::size_t item) {
  // The click has already inverted the box. A Shift-click inverts every box
  // strictly between the anchor and this one, which may lie in the other
  // group; every group that changed has its select-all boxes refreshed.
  std::array<bool, 2> touched{};
  touched[GroupOf(item)] = true;
  if (!m_shift || m_anchor < 0) {
    m_anchor = static_cast<int>(item);
  } else {
    const std::size_t anchor = static_cast<std::size_t>(m_anchor);
    for (std::size_t between = std::min(anchor, item) + 1; between < std::max(anchor, item); ++between) {
      tk::CheckBox& box = m_sapBoxes[between];
      box.setCheck(box.check() == 1 ? 0 : 1);
      touched[GroupOf(between)] = true;
    }
  }
  for (std::size_t group = 0; group < table_.groupCount; ++group) {
    if (!touched[group]) continue;
    RefreshSelectAll(group);
    if (table_.subgroups) RefreshSubgroupSelectAll(group);
  }
}

void CL2SapPage::OnSelectAllClicked(std::size_t group) {
  const int state = clickedState(m_selectAllBoxes[group]);
  const orbel::l2::SapGroup& range = table_.groups[group];
  for (std::size_t item = range.first; item < range.first + range.count; ++item) m_sapBoxes[item].setCheck(state);
  if (table_.subgroups) m_subgroupBoxes[group].setCheck(state);
}

void CL2SapPage::OnSubgroupSelectAllClicked(std::size_t group) {
  const int state = clickedState(m_subgroupBoxes[group]);
  const std::size_t first = table_.groups[group].first;
  for (std::size_t item = first; item < first + orbel::l2::kSubgroupSize; ++item) m_sapBoxes[item].setCheck(state);
  RefreshSelectAll(group);
  RefreshSubgroupSelectAll(group);
}

void CL2SapPage::RefreshSelectAll(std::size_t group) {
  const orbel::l2::SapGroup& range = table_.groups[group];
  const auto first = m_sapBoxes.begin() + static_cast<std::ptrdiff_t>(range.first);
  const auto ticked = std::count_if(first, first + static_cast<std::ptrdiff_t>(range.count),
                                    [](const tk::CheckBox& box) { return box.check() == 1; });
  m_selectAllBoxes[group].setCheck(stateOfCount(static_cast<std::size_t>(ticked), range.count));
}

void CL2SapPage::RefreshSubgroupSelectAll(std::size_t group) {
  const auto first = m_sapBoxes.begin() + static_cast<std::ptrdiff_t>(table_.groups[group].first);
  const auto ticked = std::count_if(first, first + static_cast<std::ptrdiff_t>(orbel::l2::kSubgroupSize),
                                    [](const tk::CheckBox& box) { return box.check() == 1; });
  m_subgroupBoxes[group].setCheck(stateOfCount(static_cast<std::size_t>(ticked), orbel::l2::kSubgroupSize));
}

std::size_t CL2SapPage::GroupOf(std::size_t item) const {
  for (std::size_t group = 0; group < table_.groupCount; ++group)
    if (table_.groups[group].holds(item)) return group;
  return table_.groupCount;
}
