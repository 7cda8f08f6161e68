// Tree control: items under an invisible root, each with texts (one per
// column), a state image (0 none, 1 unticked, 2 ticked, 3 partly ticked), an
// image, item data and an expanded flag. It records which items changed so
// a visual backend refreshes those items only, however large the tree.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "toolkit/Control.h"

namespace tk {

using TreeItem = std::uint32_t;
inline constexpr TreeItem kTreeRoot = 0;
inline constexpr TreeItem kNoTreeItem = 0xFFFFFFFF;

class TreeControl : public Control {
 public:
  explicit TreeControl(std::string id) : TreeControl(std::move(id), ControlKind::Tree, 1) {}

  // From code. Inserting appends `text` as the last child of `parent`.
  TreeItem insertItem(std::string text, TreeItem parent = kTreeRoot);
  // Makes room for `items` items in all, so filling a large tree moves nothing.
  void reserveItems(std::size_t items);
  virtual void deleteAllItems();
  // The setters record an item as changed only when its look changes; they
  // are inline so that refreshing a large tree costs little where nothing changes.
  void setItemText(TreeItem item, std::string text, int column = 0) {
    if (!isItem(item) || column < 0 || column >= columns()) return;
    std::string& slot = texts_[static_cast<std::size_t>(column)][item];
    if (slot == text) return;
    slot = std::move(text);
    itemChanged(item);
  }
  void setStateImage(TreeItem item, int state) {
    if (!isItem(item) || state < 0 || state > 3 || items_[item].stateImage == state) return;
    items_[item].stateImage = state;
    itemChanged(item);
  }
  void setImage(TreeItem item, int image, int selectedImage);
  void setItemData(TreeItem item, std::uint64_t data) {
    if (isItem(item)) items_[item].data = data;
  }
  void expand(TreeItem item, bool expanded) {
    if (!isItem(item) || items_[item].expanded == expanded) return;
    items_[item].expanded = expanded;
    itemChanged(item);
  }
  // A hidden item (and everything under it) is not drawn; scripts still reach it.
  void setItemHidden(TreeItem item, bool hidden) {
    if (!isItem(item) || items_[item].hidden == hidden) return;
    items_[item].hidden = hidden;
    itemChanged(item);
  }
  // Selecting from code notifies the dialog, as the real control does.
  void selectItem(TreeItem item);
  void setColumnTitles(std::vector<std::string> titles);

  bool isItem(TreeItem item) const { return item != kTreeRoot && item < items_.size(); }
  const std::string& itemText(TreeItem item, int column = 0) const {
    if (item >= items_.size() || column < 0 || column >= columns()) throwNoSuchText();
    return texts_[static_cast<std::size_t>(column)][item];
  }
  int stateImage(TreeItem item) const { return items_.at(item).stateImage; }
  int image(TreeItem item) const { return items_.at(item).image; }
  int selectedImage(TreeItem item) const { return items_.at(item).selectedImage; }
  std::uint64_t itemData(TreeItem item) const { return items_.at(item).data; }
  bool expanded(TreeItem item) const { return items_.at(item).expanded; }
  bool itemHidden(TreeItem item) const { return items_.at(item).hidden; }
  TreeItem parent(TreeItem item) const { return items_.at(item).parent; }
  const std::vector<TreeItem>& children(TreeItem item) const { return items_.at(item).children; }
  // Position of `item` among its parent's children.
  int row(TreeItem item) const { return items_.at(item).row; }
  TreeItem selected() const { return selected_; }
  std::size_t count() const { return items_.size() - 1; }
  int columns() const { return static_cast<int>(texts_.size()); }
  const std::vector<std::string>& columnTitles() const { return columnTitles_; }

  // The texts from the top down to `item`, and the item such a path names
  // (first match among equal siblings), or kNoTreeItem.
  std::vector<std::string> pathOf(TreeItem item) const;
  TreeItem find(const std::vector<std::string>& path) const;

  // User actions; false when refused or `item` does not exist.
  bool clickStateImage(TreeItem item);
  bool select(TreeItem item);
  bool expandByUser(TreeItem item, bool expanded);

  std::string stateText() const override;

  struct ItemChanges {
    bool structure = false;  // items were inserted or deleted: redraw all
    std::vector<TreeItem> items;
  };
  // What changed since the last call.
  ItemChanges takeItemChanges();

  std::function<void(TreeItem)> onStateImageClick;
  // A click on an item's icon or label acts as a click on its state image,
  // and selects nothing (the tick boxes of a filter tree).
  bool labelClickTicks = false;
  std::function<void()> onSelChanged;
  std::function<void(TreeItem)> onExpanded;

 protected:
  TreeControl(std::string id, ControlKind kind, int columns);
  void itemChanged(TreeItem item);
  // The items whose look (texts, images, expansion, visibility or
  // selection) changed since the last call, whether or not a view has taken
  // its changes meanwhile: a derived tree that keeps its items in step with
  // a model refreshes these and what its model changed, not every item.
  std::vector<TreeItem> takeChangedSinceRefresh();
  // Drops the selection without notifying the dialog, as deleting every item does.
  void dropSelection();

  // What an item shows apart from its texts, given in one step: a tree
  // refreshed item by item then compares and records each item once.
  struct ItemLook {
    int stateImage = 0;
    int image = 0;
    int selectedImage = 0;
    bool expanded = false;
    bool hidden = false;
  };
  void setLook(TreeItem item, const ItemLook& look) {
    if (!isItem(item)) return;
    Item& shown = items_[item];
    if (shown.stateImage == look.stateImage && shown.image == look.image &&
        shown.selectedImage == look.selectedImage && shown.expanded == look.expanded && shown.hidden == look.hidden)
      return;
    shown.stateImage = look.stateImage;
    shown.image = look.image;
    shown.selectedImage = look.selectedImage;
    shown.expanded = look.expanded;
    shown.hidden = look.hidden;
    itemChanged(item);
  }

  // An item's texts live in one array per column for the whole tree (see
  // texts_), so an item holds no text storage of its own.
  struct Item {
    std::uint64_t data = 0;
    std::vector<TreeItem> children;
    TreeItem parent = kTreeRoot;
    int row = 0;
    int stateImage = 0;
    int image = 0;
    int selectedImage = 0;
    bool expanded = false;
    bool hidden = false;
    bool changed = false;              // listed in changes_
    bool changedSinceRefresh = false;  // listed in changedSinceRefresh_
  };
  Item& at(TreeItem item) { return items_.at(item); }

 private:
  [[noreturn]] static void throwNoSuchText();

  std::vector<Item> items_;  // index 0 is the root
  // By column, then by item (the root's included), so that a pass over
  // the labels reads no other text.
  std::vector<std::vector<std::string>> texts_;
  std::vector<std::string> columnTitles_;
  TreeItem selected_ = kNoTreeItem;
  ItemChanges changes_;
  std::vector<TreeItem> changedSinceRefresh_;
};

}  // namespace tk
