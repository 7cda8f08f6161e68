#include "toolkit/TreeListControl.h"

namespace tk {

TreeItem TreeListControl::insertRow(std::string name, std::string value, std::string comment, TreeItem parent) {
  const TreeItem item = insertItem(std::move(name), parent);
  setItemText(item, std::move(value), kValueColumn);
  setItemText(item, std::move(comment), kCommentColumn);
  return item;
}

void TreeListControl::deleteAllItems() {
  editable_.clear();
  choices_.clear();
  TreeControl::deleteAllItems();
}

void TreeListControl::setEditable(TreeItem item, bool editable) {
  if (!isItem(item)) return;
  if (editable_.size() <= item) editable_.resize(item + 1, false);
  editable_[item] = editable;
  itemChanged(item);
}

bool TreeListControl::editable(TreeItem item) const { return item < editable_.size() && editable_[item]; }

void TreeListControl::setChoices(TreeItem item, std::vector<std::string> choices) {
  if (!isItem(item)) return;
  if (choices_.size() <= item) choices_.resize(item + 1);
  choices_[item] = std::move(choices);
  itemChanged(item);
}

const std::vector<std::string>& TreeListControl::choices(TreeItem item) const {
  static const std::vector<std::string> kNone;
  return item < choices_.size() ? choices_[item] : kNone;
}

std::string TreeListControl::stateText() const {
  std::string text = TreeControl::stateText();
  const auto addRows = [&](const auto& self, TreeItem parent, std::size_t depth) -> void {
    for (TreeItem item : children(parent)) {
      const std::string& value = itemText(item, kValueColumn);
      text += '\n' + std::string(4 + 2 * depth, ' ') + itemText(item, kNameColumn);
      if (editable(item) || !value.empty()) text += " = " + value + (editable(item) ? "" : " (read-only)");
      self(self, item, depth + 1);
    }
  };
  addRows(addRows, kTreeRoot, 0);
  return text;
}

bool TreeListControl::editValue(TreeItem item, std::string text) {
  refusal_.clear();
  if (!acceptsUserAction() || !isItem(item) || !editable(item)) return false;
  if (onValueEdit) {
    refusal_ = onValueEdit(item, text);
    if (!refusal_.empty()) return false;
  } else {
    setItemText(item, std::move(text), kValueColumn);
  }
  if (onValueEdited && isItem(item)) onValueEdited(item);
  return true;
}

}  // namespace tk
