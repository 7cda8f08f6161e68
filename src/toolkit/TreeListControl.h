// Tree-list control: a tree whose items are rows of field name, value and
// comment; the user edits the value of an editable row in place, by typing
// or, where the row offers choices, by picking one from a drop-down.
#pragma once

#include <string>
#include <vector>

#include "toolkit/TreeControl.h"

namespace tk {

class TreeListControl : public TreeControl {
 public:
  static constexpr int kNameColumn = 0;
  static constexpr int kValueColumn = 1;
  static constexpr int kCommentColumn = 2;

  explicit TreeListControl(std::string id) : TreeControl(std::move(id), ControlKind::TreeList, 3) {}

  // Appends a row of name, value and comment under `parent`.
  TreeItem insertRow(std::string name, std::string value, std::string comment, TreeItem parent = kTreeRoot);

  void deleteAllItems() override;

  void setEditable(TreeItem item, bool editable);
  bool editable(TreeItem item) const;
  // The values an editor offers in a drop-down for the row; none by default.
  void setChoices(TreeItem item, std::vector<std::string> choices);
  const std::vector<std::string>& choices(TreeItem item) const;

  // User action: a new value for an editable row. With an onValueEdit
  // handler the handler decides; otherwise the text is taken as it stands.
  // Then onValueEdited is told. False when refused.
  bool editValue(TreeItem item, std::string text);
  // The tree's summary, then one line per row, indented by its depth:
  // "name = value", with "(read-only)" after a row that takes no edit, so a
  // description shows what a script can set.
  std::string stateText() const override;

  // Why the last edit was refused, in words; empty after an accepted one.
  const std::string& refusal() const { return refusal_; }

  // Decides an edit of `item`'s value: shows what it accepted (it may
  // rebuild the rows) and returns empty, or returns why it refused the text,
  // leaving the rows as they were.
  std::function<std::string(TreeItem item, const std::string& text)> onValueEdit;
  std::function<void(TreeItem)> onValueEdited;

 private:
  std::vector<bool> editable_;                   // by item
  std::vector<std::vector<std::string>> choices_;  // by item
  std::string refusal_;
};

}  // namespace tk
