#include "toolkit/TreeControl.h"

#include <algorithm>
#include <utility>

namespace tk {

TreeControl::TreeControl(std::string id, ControlKind kind, int columns)
    : Control(std::move(id), kind), columns_(columns) {
  items_.emplace_back();  // the root
}

TreeItem TreeControl::insertItem(std::string text, TreeItem parent) {
  if (parent != kTreeRoot && !isItem(parent)) return kNoTreeItem;
  const auto item = static_cast<TreeItem>(items_.size());
  Item created;
  created.texts.resize(static_cast<std::size_t>(columns_));
  created.texts[0] = std::move(text);
  created.parent = parent;
  created.row = static_cast<int>(items_[parent].children.size());
  items_.push_back(std::move(created));
  items_[parent].children.push_back(item);
  changes_.structure = true;
  changed();
  return item;
}

void TreeControl::deleteAllItems() {
  if (count() == 0 && selected_ == kNoTreeItem) return;
  items_.resize(1);
  items_[0].children.clear();
  selected_ = kNoTreeItem;
  changes_ = {true, {}};
  changed();
}

void TreeControl::setItemText(TreeItem item, std::string text, int column) {
  if (!isItem(item) || column < 0 || column >= columns_) return;
  std::string& slot = at(item).texts[static_cast<std::size_t>(column)];
  if (slot == text) return;
  slot = std::move(text);
  itemChanged(item);
}

void TreeControl::setStateImage(TreeItem item, int state) {
  if (!isItem(item) || state < 0 || state > 3 || at(item).stateImage == state) return;
  at(item).stateImage = state;
  itemChanged(item);
}

void TreeControl::setImage(TreeItem item, int image, int selectedImage) {
  if (!isItem(item)) return;
  at(item).image = image;
  at(item).selectedImage = selectedImage;
  itemChanged(item);
}

void TreeControl::setItemData(TreeItem item, std::uint64_t data) {
  if (isItem(item)) at(item).data = data;
}

void TreeControl::expand(TreeItem item, bool expanded) {
  if (!isItem(item) || at(item).expanded == expanded) return;
  at(item).expanded = expanded;
  itemChanged(item);
}

void TreeControl::setItemHidden(TreeItem item, bool hidden) {
  if (!isItem(item) || at(item).hidden == hidden) return;
  at(item).hidden = hidden;
  itemChanged(item);
}

void TreeControl::selectItem(TreeItem item) {
  const TreeItem next = isItem(item) ? item : kNoTreeItem;
  if (next == selected_) return;
  const TreeItem before = selected_;
  selected_ = next;
  if (before != kNoTreeItem) itemChanged(before);
  if (next != kNoTreeItem) itemChanged(next);
  if (onSelChanged) onSelChanged();
}

void TreeControl::setColumnTitles(std::vector<std::string> titles) {
  columnTitles_ = std::move(titles);
  changes_.structure = true;
  changed();
}

const std::string& TreeControl::itemText(TreeItem item, int column) const {
  return items_.at(item).texts.at(static_cast<std::size_t>(column));
}

std::vector<std::string> TreeControl::pathOf(TreeItem item) const {
  std::vector<std::string> path;
  for (TreeItem at = item; isItem(at); at = items_[at].parent) path.push_back(items_[at].texts[0]);
  std::reverse(path.begin(), path.end());
  return path;
}

TreeItem TreeControl::find(const std::vector<std::string>& path) const {
  TreeItem at = kTreeRoot;
  for (const std::string& text : path) {
    const auto& children = items_[at].children;
    auto found = std::find_if(children.begin(), children.end(), [&](TreeItem c) { return items_[c].texts[0] == text; });
    if (found == children.end()) return kNoTreeItem;
    at = *found;
  }
  return path.empty() ? kNoTreeItem : at;
}

bool TreeControl::clickStateImage(TreeItem item) {
  if (!acceptsUserAction() || !isItem(item)) return false;
  if (onStateImageClick) onStateImageClick(item);
  return true;
}

bool TreeControl::select(TreeItem item) {
  if (!acceptsUserAction() || !isItem(item)) return false;
  selectItem(item);
  return true;
}

bool TreeControl::expandByUser(TreeItem item, bool expanded) {
  if (!acceptsUserAction() || !isItem(item)) return false;
  expand(item, expanded);
  if (onExpanded) onExpanded(item);
  return true;
}

std::string TreeControl::stateText() const {
  std::string text = std::to_string(count()) + " items, selected ";
  if (selected_ == kNoTreeItem) return text + "none";
  std::string path;
  for (const std::string& part : pathOf(selected_)) path += (path.empty() ? "" : "/") + part;
  return text + '"' + path + '"';
}

TreeControl::ItemChanges TreeControl::takeItemChanges() {
  for (TreeItem item : changes_.items)
    if (item < items_.size()) items_[item].changed = false;
  return std::exchange(changes_, {});
}

void TreeControl::itemChanged(TreeItem item) {
  if (!changes_.structure && !at(item).changed) {
    at(item).changed = true;
    changes_.items.push_back(item);
  }
  changed();
}

}  // namespace tk
