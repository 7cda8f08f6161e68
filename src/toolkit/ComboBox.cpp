#include "toolkit/ComboBox.h"

namespace tk {

int ComboBox::addString(std::string text) {
  items_.push_back({std::move(text), 0});
  changed();
  return count() - 1;
}

void ComboBox::setItemData(int index, std::uint64_t data) {
  if (index < 0 || index >= count()) return;
  items_[static_cast<std::size_t>(index)].data = data;
}

void ComboBox::deleteString(int index) {
  if (index < 0 || index >= count()) return;
  items_.erase(items_.begin() + index);
  if (selection_ == index)
    selection_ = -1;
  else if (selection_ > index)
    --selection_;
  changed();
}

void ComboBox::resetContent() {
  if (items_.empty() && selection_ == -1) return;
  items_.clear();
  selection_ = -1;
  changed();
}

void ComboBox::setCurSel(int index) {
  int next = (index >= 0 && index < count()) ? index : -1;
  if (next == selection_) return;
  selection_ = next;
  changed();
}

int ComboBox::find(std::string_view text) const {
  for (int i = 0; i < count(); ++i)
    if (items_[static_cast<std::size_t>(i)].text == text) return i;
  return -1;
}

bool ComboBox::select(int index) {
  if (!acceptsUserAction() || index < 0 || index >= count()) return false;
  setCurSel(index);
  if (editable_) setEditText(items_[static_cast<std::size_t>(index)].text);
  if (onSelChange) onSelChange();
  return true;
}

void ComboBox::setEditable(bool on) {
  if (editable_ == on) return;
  editable_ = on;
  if (!on) editText_.clear();
  changed();
}

void ComboBox::setEditText(std::string text) {
  if (!editable_ || text == editText_) return;
  editText_ = std::move(text);
  changed();
}

bool ComboBox::enterText(std::string text) {
  if (!editable_ || !acceptsUserAction()) return false;
  setEditText(std::move(text));
  if (onEditChange) onEditChange();
  return true;
}

std::string ComboBox::stateText() const {
  std::string text = (editable_ ? "text \"" + editText_ + "\", " : std::string()) + std::to_string(count()) +
                     " items, selected ";
  if (selection_ < 0) return text + "none";
  return text + std::to_string(selection_) + " \"" + items_[static_cast<std::size_t>(selection_)].text + '"';
}

}  // namespace tk
