// Trees, lists, tabs, property sheets and scroll panes: item addressing,
// user actions and the item-level change records a backend refreshes from.
#include <gtest/gtest.h>

#include "support/ScriptedHost.h"
#include "toolkit/ActionApplier.h"
#include "toolkit/ListControl.h"
#include "toolkit/PropertySheet.h"
#include "toolkit/ResourceChain.h"
#include "toolkit/ScrollPane.h"
#include "toolkit/TabControl.h"
#include "toolkit/TreeListControl.h"

namespace {

using namespace orbel::test;

TEST(TreeControl, FindsItemsByPathAndRecordsOnlyTheItemsThatChanged) {
  tk::TreeControl tree("tree");
  const tk::TreeItem rrc = tree.insertItem("RRC");
  const tk::TreeItem sap = tree.insertItem("SAP 1", rrc);
  tree.insertItem("SAP 2", rrc);
  EXPECT_EQ(tree.find({"RRC", "SAP 1"}), sap);
  EXPECT_EQ(tree.find({"RRC", "SAP 9"}), tk::kNoTreeItem);
  EXPECT_EQ(tree.pathOf(sap), (std::vector<std::string>{"RRC", "SAP 1"}));
  EXPECT_EQ(tree.row(tree.find({"RRC", "SAP 2"})), 1);
  EXPECT_TRUE(tree.takeItemChanges().structure);

  tree.setStateImage(sap, 2);
  tree.setStateImage(sap, 2);  // no change
  tree.setItemText(rrc, "RRC ");
  tree.setStateImage(sap, 1);
  const auto changes = tree.takeItemChanges();
  EXPECT_FALSE(changes.structure);
  EXPECT_EQ(changes.items, (std::vector<tk::TreeItem>{sap, rrc}));  // each once
  EXPECT_TRUE(tree.takeItemChanges().items.empty());
}

TEST(TreeControl, StateImageClicksReachTheDialogWhichDecidesTheState) {
  tk::TreeControl tree("tree");
  const tk::TreeItem item = tree.insertItem("a");
  tree.onStateImageClick = [&](tk::TreeItem clicked) { tree.setStateImage(clicked, 3 - tree.stateImage(clicked)); };
  tree.setStateImage(item, 1);
  EXPECT_TRUE(tree.clickStateImage(item));
  EXPECT_EQ(tree.stateImage(item), 2);
  EXPECT_FALSE(tree.clickStateImage(42));
  tree.enable(false);
  EXPECT_FALSE(tree.clickStateImage(item));
}

TEST(TreeListControl, OnlyEditableValuesCanBeEditedByTheUser) {
  tk::TreeListControl fields("fields");
  const tk::TreeItem item = fields.insertItem("cellId");
  fields.setItemText(item, "0", tk::TreeListControl::kValueColumn);
  EXPECT_FALSE(fields.editValue(item, "5"));
  fields.setEditable(item, true);
  std::vector<std::string> edited;
  fields.onValueEdited = [&](tk::TreeItem i) { edited.push_back(fields.itemText(i, 1)); };
  EXPECT_TRUE(fields.editValue(item, "5"));
  EXPECT_EQ(edited, std::vector<std::string>{"5"});
}

TEST(ListControl, TicksAndSelectionFollowRowsAsTheyMove) {
  tk::ListControl list("list", true);
  list.insertColumn("No.", 50);
  list.insertColumn("Command", 200);
  for (const char* text : {"a", "b", "c"}) list.insertItem(text);
  list.setItemText(2, 1, "third");
  list.takeRowChanges();
  EXPECT_TRUE(list.toggleCheck(1));
  EXPECT_TRUE(list.select(2));
  EXPECT_EQ(list.takeRowChanges().rows, (std::vector<int>{1, 2}));
  list.deleteItem(0);
  EXPECT_TRUE(list.checked(0));
  EXPECT_EQ(list.selection(), 1);
  EXPECT_EQ(list.itemText(1, 1), "third");
  EXPECT_TRUE(list.takeRowChanges().structure);

  tk::ListControl plain("plain");
  plain.insertItem("x");
  EXPECT_FALSE(plain.toggleCheck(0));  // no tick boxes to click

  // A double-click selects the row before the dialog hears of the activation.
  std::string heard;
  plain.onSelChanged = [&] { heard += "selected " + std::to_string(plain.selection()) + ";"; };
  plain.onActivated = [&] { heard += "activated " + std::to_string(plain.selection()) + ";"; };
  EXPECT_TRUE(plain.activate(0));
  EXPECT_FALSE(plain.activate(1));
  plain.enable(false);
  EXPECT_FALSE(plain.activate(0));
  EXPECT_EQ(heard, "selected 0;activated 0;");
}

TEST(ScrollPane, KeepsThePositionInsideTheHiddenHeight) {
  tk::ScrollPane pane("pane");
  pane.setScrollInfo(500, 200, 450);
  EXPECT_EQ(pane.position(), 300);
  EXPECT_TRUE(pane.scroll(tk::ScrollRequest::PageUp));
  EXPECT_EQ(pane.position(), 100);
  EXPECT_TRUE(pane.scroll(tk::ScrollRequest::LineDown));
  EXPECT_EQ(pane.position(), 110);
  EXPECT_TRUE(pane.scroll(tk::ScrollRequest::Thumb, -5));
  EXPECT_EQ(pane.position(), 0);
  std::vector<tk::ScrollRequest> seen;
  pane.onScroll = [&](tk::ScrollRequest request, int) { seen.push_back(request); };
  pane.scroll(tk::ScrollRequest::LineDown);
  EXPECT_EQ(pane.position(), 0);  // the owner decides
  EXPECT_EQ(seen.size(), 1u);
}

// A dialog with one control of each item kind, driven through scripts.
class ItemsDialog : public tk::CDialog {
 public:
  ItemsDialog() : CDialog({"probe", "ItemsDlg", "Items"}, nullptr) {
    tree.insertItem("leaf", tree.insertItem("top"));
    tree.onStateImageClick = [this](tk::TreeItem item) { tree.setStateImage(item, 2); };
    list.insertColumn("Name", 80);
    list.insertItem("first");
    tabs.insertItem(0, "String");
    tabs.insertItem(1, "Message");
    sheet.addPage("MAC", tk::column({}));
    sheet.addPage("RLC", tk::column({}));
    pane.setScrollInfo(300, 100, 0);
    fields.setEditable(fields.insertItem("value"), true);
    setLayout({tk::row({tk::item(tree), tk::item(list)}), tk::item(tabs), tk::item(sheet), tk::item(pane),
               tk::item(fields)});
  }
  tk::TreeControl tree{"tree"};
  tk::ListControl list{"list", true};
  tk::TabControl tabs{"tabs"};
  tk::PropertySheet sheet{"sheet"};
  tk::ScrollPane pane{"pane"};
  tk::TreeListControl fields{"fields"};
};

TEST(ItemActions, ScriptsReachItemsByPathRowCaptionAndRequest) {
  tk::joinResourceChain("probe");
  tk::ScriptAction thumb = scroll("pane", "thumb", 150);
  ScriptedHost host(dialogScript("ItemsDlg", {clickItem("tree", {"top", "leaf"}), clickRow("list", 0),
                                              select("tabs", "Message"), select("sheet", 1), thumb,
                                              setValue("fields", {"value"}, "7")}));
  ItemsDialog dialog;
  dialog.DoModal();
  EXPECT_TRUE(host.toolkit().errors().empty()) << host.toolkit().errors()[0];
  EXPECT_EQ(dialog.tree.stateImage(dialog.tree.find({"top", "leaf"})), 2);
  EXPECT_TRUE(dialog.list.checked(0));
  EXPECT_EQ(dialog.tabs.curSel(), 1);
  EXPECT_EQ(dialog.sheet.activePage(), 1);
  EXPECT_EQ(dialog.pane.position(), 150);
  EXPECT_EQ(dialog.fields.itemText(dialog.fields.find({"value"}), 1), "7");

  for (const auto& [action, fragment] : std::vector<std::pair<tk::ScriptAction, std::string>>{
           {clickItem("tree", {"top", "nope"}), "no item \"top/nope\""},
           {clickRow("list", 3), "no row 3"},
           {select("tabs", 5), "no item 5"},
           {scroll("pane", "sideways"), "unknown scroll request"},
           {setValue("tree", {"top"}, "1"), "cannot setValue"},
       }) {
    EXPECT_NE(tk::applyAction(dialog, action).find(fragment), std::string::npos) << fragment;
  }
  tk::leaveResourceChain("probe");
}

}  // namespace
