#include "toolkit/TabControl.h"

#include <algorithm>

namespace tk {

int TabControl::insertItem(int position, std::string caption) {
  position = std::clamp(position, 0, static_cast<int>(captions_.size()));
  captions_.insert(captions_.begin() + position, std::move(caption));
  if (current_ < 0)
    current_ = 0;
  else if (current_ >= position)
    ++current_;
  changed();
  return position;
}

void TabControl::setCurSel(int index) {
  if (index < 0 || index >= static_cast<int>(captions_.size()) || index == current_) return;
  current_ = index;
  changed();
}

bool TabControl::select(int index) {
  if (!acceptsUserAction() || index < 0 || index >= static_cast<int>(captions_.size())) return false;
  setCurSel(index);
  if (onSelChange) onSelChange();
  return true;
}

std::string TabControl::stateText() const {
  return current_ < 0 ? "no tabs" : "tab " + std::to_string(current_) + " \"" + captions_[static_cast<std::size_t>(current_)] + '"';
}

}  // namespace tk
