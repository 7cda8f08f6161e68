// A tree of filter nodes with tri-state check marks: a click ticks or
// unticks an item with all its descendants and updates its ancestors. The
// nodes hold the tick states; the tree only shows them, so it can be rebuilt
// from the nodes at any time. Used by the HLS and the layer-1 filter dialogs.
//
// State images: 1 not ticked, 2 ticked, 3 partly ticked (0: none yet). A
// node stores the state image minus 1 (CFilterNode::kUnticked, kTicked,
// kPartlyTicked). Each item's data is its CFilterNode*.
//
// For finding one SAP among hundreds, each parent item shows in its second
// column how many of the leaves under it are ticked ("3/10"), and a search
// text narrows the shown items.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/FilterNode.h"
#include "toolkit/TreeControl.h"

class CFilterTreeCtrl : public tk::TreeControl {
 public:
  static constexpr int kNoImage = 0;
  static constexpr int kUntickedImage = 1;
  static constexpr int kTickedImage = 2;
  static constexpr int kPartlyTickedImage = 3;

  // Where a click landed on an item's row, as a hit test tells it.
  enum class HitZone { Nowhere, Indent, Button, StateImage, Icon, Label, Right };

  explicit CFilterTreeCtrl(std::string id);

  // Shows `list` (owned by the caller; null empties the tree). Every node
  // whose parent identity is 0 becomes a top-level item, in list order, with
  // the state image of its node; the nodes under it follow in list order, at
  // any depth, each linked to its parent node (SetParentNode). The top two
  // levels are expanded. The first three levels are settled: third-level
  // items show their node ticked or not, second- and first-level items take
  // their state from their children and store it into their nodes. Deeper
  // items show no state image until a click on them or an ancestor sets it.
  // Linear in the number of nodes. Loading the list shown before, with the
  // same nodes in the same order under the same parents, keeps the items and
  // refreshes them to what a fresh load shows: one pass over the list, then
  // only the items whose node or look changed since, with their ancestors,
  // are settled again, and only those whose look changes are recorded as
  // changed.
  void LoadNodes(CFilterNodeList* list);
  void deleteAllItems() override;

  // Ticks (or unticks) every leaf node of the shown list, stopping at the
  // first null entry, then reloads it. Nothing when no list is shown.
  void SetAllLeaves(bool on);
  // The same for the leaf nodes whose value is one of the `count` `values`.
  void SetLeavesByValue(const unsigned int* values, unsigned int count, bool on);

  // The left button went down on `zone` of `item` (kNoTreeItem: on no item).
  // On the state image, icon or label the item is ticked, unless it was
  // fully ticked, then unticked; its descendants follow and its ancestors
  // take their state from their children, in the items and their nodes.
  // Elsewhere the default happens: the expand button toggles the item.
  void OnLButtonDown(tk::TreeItem item, HitZone zone);

  // Shows only the items whose label holds `text` (in any case) or whose
  // value is the number `text` (decimal, or "0x" and hex digits), with their
  // ancestors and everything under them; an empty text shows every item.
  // The text stays in force across reloads.
  void SetSearchText(std::string text);
  const std::string& searchText() const { return search_; }

  // The leaves under `item` (the item itself when it has no children) and
  // how many of their nodes are ticked.
  struct LeafCount {
    std::uint32_t ticked = 0;
    std::uint32_t total = 0;
  };
  LeafCount leafCount(tk::TreeItem item) const;

  // The tree's state with the ticked leaves of the whole list and the search text.
  std::string stateText() const override;

  CFilterNodeList* shownList() const { return list_; }
  CFilterNode* nodeOf(tk::TreeItem item) const {
    return isItem(item) ? reinterpret_cast<CFilterNode*>(static_cast<std::uintptr_t>(itemData(item))) : nullptr;
  }

  // The state image a parent takes from its children's state images.
  static int stateFromChildren(const std::vector<int>& childImages);

 private:
  // One entry of the shown list as the last load found it.
  struct LoadedNode {
    CFilterNode* node = nullptr;
    CFilterNode* parentNode = nullptr;  // the link the load gave it, below the top level
    unsigned int id = 0;
    unsigned int parentId = 0;
    tk::TreeItem item = tk::kTreeRoot;  // the root: not shown
    std::uint8_t level = 0;
    bool leaf = false;
  };
  // Reads the nodes when `list` is the shown list with the same nodes,
  // identities, parent identities and leaf flags as at the last load:
  // brings labels and parent links up to date and returns the items whose
  // node's state is not the one they were last settled with. Nothing when
  // the list differs; `beforeReading` sees each entry first, up to where a
  // difference shows.
  template <class BeforeReading>
  std::optional<std::vector<tk::TreeItem>> readSameNodes(const CFilterNodeList* list, BeforeReading beforeReading);
  // Settles the items whose node changed (`changed`) or whose look changed
  // since the last load, and their ancestors, as a fresh load would.
  void refresh(std::vector<tk::TreeItem> changed);
  // Deletes the items and shows `list` anew.
  void showAnew(CFilterNodeList* list);
  // What every load ends with: the search applied, the selection dropped.
  void finishLoad();
  // Ticks (or unticks) the leaves of the shown list, up to the first null
  // entry, whose values `wanted` accepts, and reloads the list.
  template <class Wanted>
  void tickLeaves(Wanted wanted, bool on);
  // Inserts an item for every node reached from the top, each node once.
  void insertNodes(const CFilterNodeList& nodes);
  // Gives `item` the state image, count, expansion and visibility a load
  // gives it from its node's state and its children, which are settled
  // already; a parent of the top two levels stores its state in its node.
  void settle(tk::TreeItem item);
  // The state image `item` takes from its children's state images.
  int imageFromChildren(tk::TreeItem item) const;
  // Stores and shows how many leaves under `item` are ticked: from its
  // children's counts, or for an item without children its own state
  // (`leafState`); a parent shows "ticked/total" in its second column.
  void showCount(tk::TreeItem item, int leafState);
  // Recomputes `item` from its children, shows and stores the result.
  void settleFromChildren(tk::TreeItem item);
  // Returns the items of the subtree, parents before their children.
  std::vector<tk::TreeItem> setSubtree(tk::TreeItem item, int image);
  // Recounts the items of `items` (parents before children) from their
  // nodes, then the ancestors of the first.
  void recount(const std::vector<tk::TreeItem>& items);
  void applySearch();

  CFilterNodeList* list_ = nullptr;
  std::vector<LoadedNode> loaded_;    // by list position
  std::vector<std::uint8_t> levels_;  // by item: 1 at the top, 4 for the fourth level and deeper
  std::vector<int> settledWith_;      // by item: the node state it was last settled with (read or stored)
  std::string search_;
  std::vector<LeafCount> counts_;  // by item
};
