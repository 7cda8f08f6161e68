#include "toolkit/PropertySheet.h"

namespace tk {

void PropertySheet::addPage(std::string caption, LayoutNode content) {
  pages_.push_back({std::move(caption), std::move(content)});
  if (active_ < 0) active_ = 0;
  changed();
}

void PropertySheet::setActivePage(int index) {
  if (index < 0 || index >= static_cast<int>(pages_.size()) || index == active_) return;
  active_ = index;
  changed();
}

bool PropertySheet::select(int index) {
  if (!acceptsUserAction() || index < 0 || index >= static_cast<int>(pages_.size())) return false;
  setActivePage(index);
  if (onPageChanged) onPageChanged();
  return true;
}

std::string PropertySheet::stateText() const {
  return active_ < 0 ? "no pages" : "page " + std::to_string(active_) + " \"" + pages_[static_cast<std::size_t>(active_)].caption + '"';
}

}  // namespace tk
