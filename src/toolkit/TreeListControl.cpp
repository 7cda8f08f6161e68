#include "toolkit/TreeListControl.h"

namespace tk {

void TreeListControl::setEditable(TreeItem item, bool editable) {
  if (!isItem(item)) return;
  if (editable_.size() <= item) editable_.resize(item + 1, false);
  editable_[item] = editable;
  itemChanged(item);
}

bool TreeListControl::editable(TreeItem item) const { return item < editable_.size() && editable_[item]; }

bool TreeListControl::editValue(TreeItem item, std::string text) {
  if (!acceptsUserAction() || !isItem(item) || !editable(item)) return false;
  setItemText(item, std::move(text), kValueColumn);
  if (onValueEdited) onValueEdited(item);
  return true;
}

}  // namespace tk
