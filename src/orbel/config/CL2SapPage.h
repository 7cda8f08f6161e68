// One page of the layer-2 configuration dialog: a tick box per SAP identity
// of one protocol, a three-state select-all box per group (and per RLC
// subgroup), and Shift-click ranges. The four pages differ only in their SAP
// table, so they share this class.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <span>
#include <vector>

#include "orbel/config/L2SapTables.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Keys.h"
#include "toolkit/Label.h"
#include "toolkit/Layout.h"

class CL2SapPage {
 public:
  explicit CL2SapPage(const orbel::l2::L2PageTable& table);
  CL2SapPage(const CL2SapPage&) = delete;
  CL2SapPage& operator=(const CL2SapPage&) = delete;

  const orbel::l2::L2PageTable& table() const { return table_; }
  // The page's template, and its controls in the order scripts list them:
  // the SAP boxes by item, then per group its label, select-all box and
  // subgroup select-all box.
  tk::LayoutNode content();
  std::vector<tk::Control*> controls();

  // What the page opens with: a tick per item (non-zero ticks) and the
  // select-all states of groups A and B and of the RLC subgroups A and B
  // (0, 1 or 2; other values show unticked).
  void setItemTicks(std::span<const std::uint32_t> ticks);
  void setSelectAllStates(std::array<std::uint32_t, 2> groups, std::array<std::uint32_t, 2> subgroups);
  // Sets the boxes from what the page was given, as the page window does
  // when it is created. The anchor and the Shift flag are kept.
  void OnInitDialog();

  // Enables or disables every box and group label of the page.
  void EnablePage(bool on);

  // The ticks and select-all states the boxes show now.
  std::vector<std::uint32_t> CollectTicks() const;
  std::array<std::uint32_t, 2> GroupStates() const;
  std::array<std::uint32_t, 2> SubgroupStates() const;

  // The key messages the page sees before its boxes do: the Shift flag
  // follows the Shift key.
  void PreTranslateKey(tk::Key key, bool down);
  bool shiftHeld() const { return m_shift; }
  // The item that ranges start from; -1 before any click.
  int anchor() const { return m_anchor; }

 private:
  void OnSapClicked(std::size_t item);
  void OnSelectAllClicked(std::size_t group);
  void OnSubgroupSelectAllClicked(std::size_t group);
  // Sets the select-all box of `group` (or of its subgroup) from the boxes it covers.
  void RefreshSelectAll(std::size_t group);
  void RefreshSubgroupSelectAll(std::size_t group);
  // The group holding `item`, or the group count when none does.
  std::size_t GroupOf(std::size_t item) const;
  tk::LayoutNode GroupContent(std::size_t group);

  const orbel::l2::L2PageTable& table_;
  std::deque<tk::CheckBox> m_sapBoxes;         // one per item
  std::deque<tk::CheckBox> m_selectAllBoxes;   // one per group
  std::deque<tk::CheckBox> m_subgroupBoxes;    // one per group on the RLC page
  std::deque<tk::Label> m_groupLabels;         // one per group
  std::vector<std::uint32_t> m_ticks;
  std::array<std::uint32_t, 2> m_groupStates{};
  std::array<std::uint32_t, 2> m_subgroupStates{};
  bool m_shift = false;
  int m_anchor = -1;
};

class CL2MacPage : public CL2SapPage {
 public:
  CL2MacPage() : CL2SapPage(orbel::l2::kMacPage) {}
};
class CL2RlcPage : public CL2SapPage {
 public:
  CL2RlcPage() : CL2SapPage(orbel::l2::kRlcPage) {}
};
class CL2PdcpPage : public CL2SapPage {
 public:
  CL2PdcpPage() : CL2SapPage(orbel::l2::kPdcpPage) {}
};
class CL2BmcPage : public CL2SapPage {
 public:
  CL2BmcPage() : CL2SapPage(orbel::l2::kBmcPage) {}
};
