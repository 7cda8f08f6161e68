// The tri-state filter tree: what LoadNodes settles and what it leaves for a
// click, each hit zone of a click, and rebuilding after value-based ticking.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <vector>

#include "orbel/filter/CFilterTreeCtrl.h"

namespace {

using Zone = CFilterTreeCtrl::HitZone;

// A node list that owns its nodes, each labelled "n" and its identity.
struct NodeList {
  struct Row {
    unsigned id, parent;
    bool leaf;
    unsigned value = 0;
    int checked = 0;
  };
  std::deque<CFilterNode> nodes;
  CFilterNodeList list;

  explicit NodeList(std::initializer_list<Row> rows) {
    for (const Row& row : rows) {
      nodes.emplace_back(row.id, "n" + std::to_string(row.id), row.value, row.parent, row.checked, row.leaf ? 1 : 0);
      list.push_back(&nodes.back());
    }
  }
  int checked(unsigned id) const {
    for (const CFilterNode& node : nodes)
      if (node.GetId() == id) return node.GetChecked();
    return -1;
  }
};

TEST(FilterTree, ParentOfOneTickedLeafShowsPartlyTickedAndClicksTickThenUntickAll) {
  NodeList nodes{{1, 0, false}, {2, 1, true, 10, 1}, {3, 1, true, 11, 0}};
  CFilterTreeCtrl tree("tree");
  tree.LoadNodes(&nodes.list);
  const tk::TreeItem parent = tree.find({"n1"});
  EXPECT_EQ(tree.stateImage(parent), CFilterTreeCtrl::kPartlyTickedImage);
  EXPECT_EQ(nodes.checked(1), CFilterNode::kPartlyTicked);

  tree.OnLButtonDown(parent, Zone::StateImage);
  EXPECT_EQ((std::vector{nodes.checked(1), nodes.checked(2), nodes.checked(3)}), (std::vector{1, 1, 1}));
  tree.OnLButtonDown(parent, Zone::StateImage);
  EXPECT_EQ((std::vector{nodes.checked(1), nodes.checked(2), nodes.checked(3)}), (std::vector{0, 0, 0}));
  EXPECT_EQ(tree.stateImage(tree.find({"n1", "n2"})), CFilterTreeCtrl::kUntickedImage);
}

TEST(FilterTree, OnlyTheStateImageIconAndLabelTick) {
  struct Case {
    Zone zone;
    bool ticks;
  };
  for (const Case& c :
       {Case{Zone::StateImage, true}, Case{Zone::Icon, true}, Case{Zone::Label, true}, Case{Zone::Button, false},
        Case{Zone::Indent, false}, Case{Zone::Right, false}, Case{Zone::Nowhere, false}}) {
    NodeList nodes{{1, 0, false}, {2, 1, true}};
    CFilterTreeCtrl tree("tree");
    tree.LoadNodes(&nodes.list);
    const tk::TreeItem top = tree.find({"n1"});
    tree.OnLButtonDown(top, c.zone);
    EXPECT_EQ(nodes.checked(2), c.ticks ? 1 : 0) << static_cast<int>(c.zone);
    // A click on the row selects nothing: the tick replaces the selection.
    EXPECT_EQ(tree.selected(), tk::kNoTreeItem);
    // The expand button does what it does in any tree, and only that.
    EXPECT_EQ(tree.expanded(top), c.zone != Zone::Button);
  }
}

TEST(FilterTree, ItemsBelowTheThirdLevelWaitForAClickAndAClickDeepDownReachesTheTop) {
  // 1 > 2 > 3 > {4 ticked, 5}, and 1 > 6 (leaf)
  NodeList nodes{{1, 0, false},       {2, 1, false},     {3, 2, false},
                 {4, 3, true, 40, 1}, {5, 3, true, 50}, {6, 1, true, 60, 1}};
  CFilterTreeCtrl tree("tree");
  tree.LoadNodes(&nodes.list);
  const tk::TreeItem third = tree.find({"n1", "n2", "n3"});
  const tk::TreeItem fourth = tree.find({"n1", "n2", "n3", "n5"});
  ASSERT_NE(fourth, tk::kNoTreeItem);
  EXPECT_EQ(tree.stateImage(fourth), CFilterTreeCtrl::kNoImage);
  // The third level shows its own node (unticked), not its children's mix.
  EXPECT_EQ(tree.stateImage(third), CFilterTreeCtrl::kUntickedImage);
  EXPECT_EQ(tree.stateImage(tree.find({"n1"})), CFilterTreeCtrl::kPartlyTickedImage);
  EXPECT_TRUE(tree.expanded(tree.find({"n1", "n2"})));
  EXPECT_FALSE(tree.expanded(third));
  EXPECT_EQ(nodes.nodes[2].GetParentNode(), &nodes.nodes[1]);

  tree.OnLButtonDown(tree.find({"n1", "n2"}), Zone::Label);
  EXPECT_EQ(tree.stateImage(fourth), CFilterTreeCtrl::kTickedImage);
  EXPECT_EQ(nodes.checked(1), CFilterNode::kTicked);

  tree.OnLButtonDown(fourth, Zone::StateImage);
  EXPECT_EQ(nodes.checked(5), CFilterNode::kUnticked);
  EXPECT_EQ(nodes.checked(3), CFilterNode::kPartlyTicked);
  EXPECT_EQ(nodes.checked(2), CFilterNode::kPartlyTicked);
  EXPECT_EQ(nodes.checked(1), CFilterNode::kPartlyTicked);
  EXPECT_EQ(tree.stateImage(tree.find({"n1"})), CFilterTreeCtrl::kPartlyTickedImage);
}

TEST(FilterTree, ValueTickingRebuildsFromTheNodes) {
  // The top-level leaf 4 keeps the image of its node.
  NodeList nodes{{1, 0, false}, {2, 1, true, 3001}, {3, 1, true, 3002}, {4, 0, true, 3001}};
  CFilterTreeCtrl tree("tree");
  tree.LoadNodes(&nodes.list);

  const unsigned values[] = {3001};
  tree.SetLeavesByValue(values, 1, true);
  EXPECT_EQ(nodes.checked(2), 1);
  EXPECT_EQ(nodes.checked(4), 1);
  EXPECT_EQ(nodes.checked(1), CFilterNode::kPartlyTicked);
  EXPECT_EQ(tree.stateImage(tree.find({"n4"})), CFilterTreeCtrl::kTickedImage);

  // A value that no leaf carries changes no node but reloads the tree from
  // the nodes: a tick made behind the tree's back shows, and only the items
  // whose look changed are recorded.
  nodes.nodes[2].SetChecked(CFilterNode::kTicked);
  tree.takeItemChanges();
  const unsigned none[] = {9999};
  tree.SetLeavesByValue(none, 1, false);
  EXPECT_EQ(nodes.checked(2), 1);
  EXPECT_EQ(nodes.checked(1), CFilterNode::kTicked);
  tk::TreeControl::ItemChanges changes = tree.takeItemChanges();
  EXPECT_FALSE(changes.structure);
  std::sort(changes.items.begin(), changes.items.end());
  EXPECT_EQ(changes.items, (std::vector{tree.find({"n1"}), tree.find({"n1", "n3"})}));
  nodes.nodes[2].SetChecked(CFilterNode::kUnticked);
  tree.SetLeavesByValue(none, 1, false);

  tree.SetAllLeaves(true);
  EXPECT_EQ(nodes.checked(1), CFilterNode::kTicked);
  tree.SetAllLeaves(false);
  EXPECT_EQ(nodes.checked(1), CFilterNode::kUnticked);
  EXPECT_EQ(tree.stateImage(tree.find({"n1"})), CFilterTreeCtrl::kUntickedImage);
}

TEST(FilterTree, ListsThatNameTheirParentsBadlyStillLoad) {
  // 7 is its own parent, so never reached from the top; 3 names the leaf 2 as
  // its parent, so is not shown; the second 1 lies under the first.
  NodeList nodes{{7, 7, false}, {1, 0, false}, {2, 1, true}, {3, 2, true}, {1, 1, false}};
  CFilterTreeCtrl tree("tree");
  tree.LoadNodes(&nodes.list);
  EXPECT_EQ(tree.count(), 3u);  // n1 > {n2, n1}
  tree.LoadNodes(nullptr);
  EXPECT_EQ(tree.count(), 0u);
  tree.SetAllLeaves(true);  // nothing shown: nothing to do
  EXPECT_EQ(nodes.checked(2), 0);
}

TEST(FilterTree, AParentTakesItsStateFromItsChildren) {
  using Tree = CFilterTreeCtrl;
  struct Case {
    std::vector<int> children;
    int parent;
  };
  for (const Case& c : {Case{{}, Tree::kTickedImage}, Case{{2, 2}, Tree::kTickedImage},
                        Case{{1, 1}, Tree::kUntickedImage}, Case{{1, 2}, Tree::kPartlyTickedImage},
                        Case{{3, 3}, Tree::kPartlyTickedImage}, Case{{0, 2}, Tree::kPartlyTickedImage}})
    EXPECT_EQ(Tree::stateFromChildren(c.children), c.parent) << c.children.size();
}

// Finding one SAP among hundreds: the counts of ticked leaves on every
// parent follow clicks, and the search keeps matches with their ancestors
// and what lies under them, across reloads.
TEST(FilterTree, ParentsCountTheirTickedLeavesAndTheSearchNarrowsTheShownItems) {
  // 1 > 2 > {3 (3001, ticked), 4 (3002)}, and the top-level leaf 5 (0x10)
  NodeList nodes{{1, 0, false}, {2, 1, false}, {3, 2, true, 3001, 1}, {4, 2, true, 3002}, {5, 0, true, 0x10}};
  CFilterTreeCtrl tree("tree");
  tree.LoadNodes(&nodes.list);
  const tk::TreeItem top = tree.find({"n1"});
  EXPECT_EQ(tree.itemText(top, 1), "1/2");
  EXPECT_EQ(tree.itemText(tree.find({"n5"}), 1), "");  // a leaf carries no count
  tree.OnLButtonDown(tree.find({"n1", "n2", "n4"}), Zone::Label);
  EXPECT_EQ(tree.itemText(top, 1), "2/2");
  tree.OnLButtonDown(top, Zone::Label);
  EXPECT_EQ(tree.leafCount(tree.find({"n1", "n2"})).ticked, 0u);

  struct Case {
    std::string text;
    std::vector<bool> shown;  // n1, n2, n3, n4, n5
  };
  for (const Case& c :
       {Case{"", {true, true, true, true, true}}, Case{"N3", {true, true, true, false, false}},
        Case{"3002", {true, true, false, true, false}}, Case{"0x10", {false, false, false, false, true}},
        Case{"n2", {true, true, true, true, false}}, Case{"none", {false, false, false, false, false}}}) {
    tree.SetSearchText(c.text);
    std::vector<bool> shown;
    for (std::vector<std::string> path :
         {std::vector<std::string>{"n1"}, {"n1", "n2"}, {"n1", "n2", "n3"}, {"n1", "n2", "n4"}, {"n5"}})
      shown.push_back(!tree.itemHidden(tree.find(path)));
    EXPECT_EQ(shown, c.shown) << c.text;
  }
  tree.SetSearchText("n4");
  tree.SetAllLeaves(true);  // a reload keeps the search
  EXPECT_TRUE(tree.itemHidden(tree.find({"n5"})));
  EXPECT_EQ(tree.itemText(top, 1), "2/2");
}

}  // namespace
