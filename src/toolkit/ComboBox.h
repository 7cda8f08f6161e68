// Drop-down list: items with item data and one selection (-1 for none). An
// editable one also has an edit field whose text is the control's text;
// choosing an item puts the item's text there.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/Control.h"

namespace tk {

class ComboBox : public Control {
 public:
  struct Item {
    std::string text;
    std::uint64_t data = 0;
  };

  explicit ComboBox(std::string id) : Control(std::move(id), ControlKind::ComboBox) {}

  // From code; none of these notifies the dialog.
  int addString(std::string text);
  void setItemData(int index, std::uint64_t data);
  void deleteString(int index);
  void resetContent();
  void setCurSel(int index);

  int count() const { return static_cast<int>(items_.size()); }
  int curSel() const { return selection_; }
  const Item& item(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  const std::vector<Item>& items() const { return items_; }
  // Index of the first item whose text is exactly `text`, or -1.
  int find(std::string_view text) const;

  // User action: picks an item, then notifies. False when refused or out of range.
  bool select(int index);

  void setEditable(bool on);
  bool editable() const { return editable_; }
  // The edit field's text (empty for a combo box that is not editable).
  const std::string& editText() const { return editText_; }
  // From code: replaces the edit field's text, no notification.
  void setEditText(std::string text);
  // User action on an editable combo box: the field's text replaced as a
  // paste does, then onEditChange. False when refused or not editable.
  bool enterText(std::string text);

  std::string stateText() const override;

  std::function<void()> onSelChange;
  std::function<void()> onEditChange;

 private:
  std::vector<Item> items_;
  int selection_ = -1;
  bool editable_ = false;
  std::string editText_;
};

}  // namespace tk
