// Tree-list control: a tree whose items are rows of field name, value and
// comment; the user edits the value of an editable row in place.
#pragma once

#include "toolkit/TreeControl.h"

namespace tk {

class TreeListControl : public TreeControl {
 public:
  static constexpr int kNameColumn = 0;
  static constexpr int kValueColumn = 1;
  static constexpr int kCommentColumn = 2;

  explicit TreeListControl(std::string id) : TreeControl(std::move(id), ControlKind::TreeList, 3) {}

  void setEditable(TreeItem item, bool editable);
  bool editable(TreeItem item) const;

  // User action: the new value of an editable row, then the notification.
  bool editValue(TreeItem item, std::string text);

  std::function<void(TreeItem)> onValueEdited;

 private:
  std::vector<bool> editable_;  // by item
};

}  // namespace tk
