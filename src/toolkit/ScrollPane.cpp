#include "toolkit/ScrollPane.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tk {
namespace {

constexpr std::array<std::pair<ScrollRequest, const char*>, 5> kNames{{{ScrollRequest::LineUp, "lineUp"},
                                                                        {ScrollRequest::LineDown, "lineDown"},
                                                                        {ScrollRequest::PageUp, "pageUp"},
                                                                        {ScrollRequest::PageDown, "pageDown"},
                                                                        {ScrollRequest::Thumb, "thumb"}}};

}  // namespace

const char* scrollRequestName(ScrollRequest request) {
  for (const auto& [known, name] : kNames)
    if (known == request) return name;
  return "";
}

bool scrollRequestNamed(const std::string& name, ScrollRequest& request) {
  for (const auto& [known, text] : kNames)
    if (name == text) {
      request = known;
      return true;
    }
  return false;
}

void ScrollPane::setScrollInfo(int range, int page, int position) {
  range = std::max(range, 0);
  page = std::max(page, 0);
  position = std::clamp(position, 0, range > page ? range - page : 0);
  if (range == range_ && page == page_ && position == position_) return;
  range_ = range;
  page_ = page;
  position_ = position;
  changed();
}

bool ScrollPane::scroll(ScrollRequest request, int thumb) {
  if (!acceptsUserAction()) return false;
  if (onScroll) {
    onScroll(request, thumb);
    return true;
  }
  const int line = std::max(page_ / 20, 1);
  switch (request) {
    case ScrollRequest::LineUp: setPosition(position_ - line); break;
    case ScrollRequest::LineDown: setPosition(position_ + line); break;
    case ScrollRequest::PageUp: setPosition(position_ - page_); break;
    case ScrollRequest::PageDown: setPosition(position_ + page_); break;
    case ScrollRequest::Thumb: setPosition(thumb); break;
  }
  return true;
}

bool ScrollPane::resizeView(int visibleHeight) {
  if (!acceptsUserAction()) return false;
  if (onResize)
    onResize(visibleHeight);
  else
    setScrollInfo(range_, visibleHeight, position_);
  return true;
}

std::string ScrollPane::stateText() const {
  return "position " + std::to_string(position_) + " of " + std::to_string(hidden()) + " (range " +
         std::to_string(range_) + ", page " + std::to_string(page_) + ")";
}

}  // namespace tk
