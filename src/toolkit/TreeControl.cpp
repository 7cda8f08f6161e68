#include "toolkit/TreeControl.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace tk {

TreeControl::TreeControl(std::string id, ControlKind kind, int columns)
    : Control(std::move(id), kind), texts_(static_cast<std::size_t>(columns), std::vector<std::string>(1)) {
  items_.emplace_back();  // the root
}

void TreeControl::reserveItems(std::size_t items) {
  items_.reserve(items + 1);
  for (std::vector<std::string>& column : texts_) column.reserve(items + 1);
}

TreeItem TreeControl::insertItem(std::string text, TreeItem parent) {
  if (parent != kTreeRoot && !isItem(parent)) return kNoTreeItem;
  const auto item = static_cast<TreeItem>(items_.size());
  Item& created = items_.emplace_back();
  created.parent = parent;
  created.row = static_cast<int>(items_[parent].children.size());
  texts_[0].push_back(std::move(text));
  for (std::size_t column = 1; column < texts_.size(); ++column) texts_[column].emplace_back();
  items_[parent].children.push_back(item);
  changes_.structure = true;
  changed();
  return item;
}

void TreeControl::deleteAllItems() {
  if (count() == 0 && selected_ == kNoTreeItem) return;
  items_.resize(1);
  items_[0].children.clear();
  for (std::vector<std::string>& column : texts_) column.resize(1);
  selected_ = kNoTreeItem;
  changes_ = {true, {}};
  changedSinceRefresh_.clear();
  changed();
}

void TreeControl::setImage(TreeItem item, int image, int selectedImage) {
  if (!isItem(item)) return;
  at(item).image = image;
  at(item).selectedImage = selectedImage;
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

void TreeControl::dropSelection() {
  if (selected_ == kNoTreeItem) return;
  itemChanged(std::exchange(selected_, kNoTreeItem));
}

void TreeControl::setColumnTitles(std::vector<std::string> titles) {
  columnTitles_ = std::move(titles);
  changes_.structure = true;
  changed();
}

void TreeControl::throwNoSuchText() { throw std::out_of_range("no such tree item text"); }

std::vector<std::string> TreeControl::pathOf(TreeItem item) const {
  std::vector<std::string> path;
  for (TreeItem at = item; isItem(at); at = items_[at].parent) path.push_back(texts_[0][at]);
  std::reverse(path.begin(), path.end());
  return path;
}

TreeItem TreeControl::find(const std::vector<std::string>& path) const {
  TreeItem at = kTreeRoot;
  for (const std::string& text : path) {
    const auto& children = items_[at].children;
    auto found =
        std::find_if(children.begin(), children.end(), [&](TreeItem c) { return texts_[0][c] == text; });
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
  Item& shown = at(item);
  if (!changes_.structure && !shown.changed) {
    shown.changed = true;
    changes_.items.push_back(item);
  }
  if (!shown.changedSinceRefresh) {
    shown.changedSinceRefresh = true;
    changedSinceRefresh_.push_back(item);
  }
  changed();
}

std::vector<TreeItem> TreeControl::takeChangedSinceRefresh() {
  for (TreeItem item : changedSinceRefresh_) items_[item].changedSinceRefresh = false;
  return std::exchange(changedSinceRefresh_, {});
}

}  // namespace tk
