// Loading the shown list again refreshes the items in place: whatever was
// clicked, ticked, searched, expanded or selected before, the tree and the
// nodes end up as a fresh load leaves them, and a list whose nodes or links
// changed is built anew.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "orbel/filter/CFilterTreeCtrl.h"

namespace {

// Everything an item shows, and the node behind it.
struct ItemView {
  std::vector<std::string> path;
  std::string count;
  int stateImage = 0;
  int image = 0;
  int selectedImage = 0;
  std::uint64_t data = 0;
  bool expanded = false;
  bool hidden = false;
  bool operator==(const ItemView&) const = default;
};

std::vector<ItemView> viewOf(const CFilterTreeCtrl& tree) {
  std::vector<ItemView> view;
  std::function<void(tk::TreeItem)> walk = [&](tk::TreeItem parent) {
    for (tk::TreeItem item : tree.children(parent)) {
      view.push_back({tree.pathOf(item), tree.itemText(item, 1), tree.stateImage(item), tree.image(item),
                      tree.selectedImage(item), tree.itemData(item), tree.expanded(item), tree.itemHidden(item)});
      walk(item);
    }
  };
  walk(tk::kTreeRoot);
  return view;
}

// Five levels: 1 > 2 > 3 > {4, 5}, 2 > 6, 1 > 7 > 8 > 9 > 10, and the
// top-level leaf 11.
struct FiveLevels {
  std::deque<CFilterNode> nodes;
  CFilterNodeList list;

  FiveLevels() {
    const struct {
      unsigned id, parent, value;
      bool leaf;
      int checked;
    } rows[] = {{1, 0, 0, false, 0}, {2, 1, 0, false, 0},   {3, 2, 0, false, 0},  {4, 3, 40, true, 1},
                {5, 3, 50, true, 0}, {6, 2, 60, true, 0},   {7, 1, 0, false, 0},  {8, 7, 0, false, 0},
                {9, 8, 0, false, 0}, {10, 9, 100, true, 0}, {11, 0, 60, true, 0}};
    for (const auto& row : rows) {
      nodes.emplace_back(row.id, "n" + std::to_string(row.id), row.value, row.parent, row.checked, row.leaf ? 1 : 0);
      list.push_back(&nodes.back());
    }
  }
  CFilterNode& node(unsigned id) { return nodes[id - 1]; }
  std::vector<int> checked() const {
    std::vector<int> states;
    for (const CFilterNode& node : nodes) states.push_back(node.GetChecked());
    return states;
  }
  std::vector<const CFilterNode*> links() const {
    std::vector<const CFilterNode*> parents;
    for (const CFilterNode& node : nodes) parents.push_back(node.GetParentNode());
    return parents;
  }
};

TEST(FilterTreeReload, AReloadShowsWhatAFreshLoadShowsAndRebuildsOnlyWhenTheListChanged) {
  using Zone = CFilterTreeCtrl::HitZone;
  struct Case {
    const char* name;
    std::function<void(FiveLevels&, CFilterTreeCtrl&)> between;  // what happens after the first load
    bool refreshed;
  };
  const unsigned sixty[] = {60};
  const Case cases[] = {
      {"clicks deep down, a user's expansion and selection, value ticking and a search",
       [&](FiveLevels&, CFilterTreeCtrl& tree) {
         tree.OnLButtonDown(tree.find({"n1", "n7", "n8", "n9"}), Zone::Label);
         tree.OnLButtonDown(tree.find({"n1", "n2", "n3", "n5"}), Zone::StateImage);
         tree.expandByUser(tree.find({"n1", "n2", "n3"}), true);
         tree.expandByUser(tree.find({"n1"}), false);
         tree.select(tree.find({"n1", "n7", "n8"}));
         tree.SetSearchText("n3");
         tree.SetLeavesByValue(sixty, 1, true);
       },
       true},
      {"nodes changed behind the tree's back: a label, a tick, a parent link, texts and images",
       [](FiveLevels& nodes, CFilterTreeCtrl& tree) {
         nodes.node(5) = CFilterNode(5, "renamed", 50, 3, 1, 1);
         nodes.node(11).SetChecked(5);  // a state that has no image
         nodes.node(9).SetParentNode(nullptr);
         tree.setItemText(tree.find({"n11"}), "note", 1);
         tree.setImage(tree.find({"n1", "n2"}), 4, 5);
         tree.SetSearchText("");
       },
       true},
      {"only looks changed, no node: an expansion, an image, a label and a count",
       [](FiveLevels&, CFilterTreeCtrl& tree) {
         tree.expandByUser(tree.find({"n1", "n7"}), false);
         tree.setImage(tree.find({"n11"}), 4, 5);
         tree.setItemText(tree.find({"n1", "n2", "n6"}), "other");
         tree.setItemText(tree.find({"n1", "n7", "n8"}), "9/9", 1);
       },
       true},
      {"a node under another parent",
       [](FiveLevels& nodes, CFilterTreeCtrl&) { nodes.node(6) = CFilterNode(6, "n6", 60, 7, 0, 1); }, false},
      {"a leaf that became a parent",
       [](FiveLevels& nodes, CFilterTreeCtrl&) { nodes.node(10) = CFilterNode(10, "n10", 100, 9, 0, 0); }, false},
      {"a node added to the list",
       [](FiveLevels& nodes, CFilterTreeCtrl&) {
         nodes.nodes.emplace_back(12, "n12", 120, 10, 1, 1);
         nodes.list.push_back(&nodes.nodes.back());
       },
       false},
      {"a node replaced by an equal one",
       [](FiveLevels& nodes, CFilterTreeCtrl&) {
         nodes.nodes.push_back(nodes.node(4));
         nodes.list[3] = &nodes.nodes.back();
       },
       false},
      {"the items deleted", [](FiveLevels&, CFilterTreeCtrl& tree) { tree.deleteAllItems(); }, false},
  };
  for (const Case& c : cases) {
    FiveLevels nodes;
    CFilterTreeCtrl tree("tree");
    tree.LoadNodes(&nodes.list);
    c.between(nodes, tree);
    tree.takeItemChanges();
    tree.LoadNodes(&nodes.list);
    EXPECT_EQ(!tree.takeItemChanges().structure, c.refreshed) << c.name;
    const std::vector<int> checked = nodes.checked();
    const std::vector<const CFilterNode*> links = nodes.links();

    CFilterTreeCtrl fresh("fresh");
    fresh.SetSearchText(tree.searchText());
    fresh.LoadNodes(&nodes.list);
    EXPECT_EQ(viewOf(tree), viewOf(fresh)) << c.name;
    EXPECT_EQ(tree.selected(), tk::kNoTreeItem) << c.name;
    EXPECT_EQ(tree.stateText(), fresh.stateText()) << c.name;
    EXPECT_EQ(nodes.checked(), checked) << c.name << ": a fresh load settles the nodes differently";
    EXPECT_EQ(nodes.links(), links) << c.name;
  }
}

// Ticking reads the list once, as the reload does; a list that changed since
// it was loaded still has every leaf before its first null entry ticked.
TEST(FilterTreeReload, TickingReachesEveryLeafUpToTheFirstNullWhetherOrNotTheListChanged) {
  struct Case {
    const char* name;
    std::function<void(FiveLevels&)> change;
    std::vector<int> checked;  // nodes 1 to 11, then any added
  };
  const Case cases[] = {
      {"unchanged", [](FiveLevels&) {}, {2, 2, 0, 1, 1, 1, 0, 0, 0, 1, 1}},
      {"a node added after the leaves",
       [](FiveLevels& nodes) {
         nodes.nodes.emplace_back(12, "n12", 120, 6, 0, 1);
         nodes.list.push_back(&nodes.nodes.back());
       },
       {2, 2, 0, 1, 1, 1, 0, 0, 0, 1, 1, 1}},
      {"node 6 replaced by a copy, which is ticked in its place",
       [](FiveLevels& nodes) {
         nodes.nodes.push_back(nodes.node(6));
         nodes.list[5] = &nodes.nodes.back();
       },
       {2, 2, 0, 1, 1, 0, 0, 0, 0, 1, 1, 1}},
      {"a null entry before node 10",
       [](FiveLevels& nodes) { nodes.list.insert(nodes.list.begin() + 9, nullptr); },
       {2, 2, 0, 1, 1, 1, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    FiveLevels nodes;
    CFilterTreeCtrl tree("tree");
    tree.LoadNodes(&nodes.list);
    c.change(nodes);
    tree.SetAllLeaves(true);
    EXPECT_EQ(nodes.checked(), c.checked) << c.name;
  }
}

TEST(FilterTreeReload, AReloadRecordsOnlyTheItemsWhoseLookChanged) {
  FiveLevels nodes;
  CFilterTreeCtrl tree("tree");
  tree.LoadNodes(&nodes.list);
  tree.takeItemChanges();
  tree.LoadNodes(&nodes.list);
  EXPECT_TRUE(tree.takeItemChanges().items.empty());

  // A tick below the third level changes the counts above it, not their images.
  nodes.node(5).SetChecked(CFilterNode::kTicked);
  tree.LoadNodes(&nodes.list);
  tk::TreeControl::ItemChanges changes = tree.takeItemChanges();
  std::sort(changes.items.begin(), changes.items.end());
  std::vector<tk::TreeItem> expected{tree.find({"n1"}), tree.find({"n1", "n2"}), tree.find({"n1", "n2", "n3"})};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(changes.items, expected);
  EXPECT_EQ(tree.itemText(tree.find({"n1"}), 1), "2/4");
}

}  // namespace
