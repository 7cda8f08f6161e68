// A vertically scrolling pane that holds part of a dialog's template. The
// scroll state is in pixels: range (designed height), page (visible height)
// and position. Scroll-bar requests reach the owner, which decides the step;
// without an owner's handler a line is a twentieth of the page.
#pragma once

#include <functional>
#include <string>

#include "toolkit/Control.h"
#include "toolkit/Layout.h"

namespace tk {

enum class ScrollRequest { LineUp, LineDown, PageUp, PageDown, Thumb };

const char* scrollRequestName(ScrollRequest request);
bool scrollRequestNamed(const std::string& name, ScrollRequest& request);

class ScrollPane : public Control {
 public:
  explicit ScrollPane(std::string id) : Control(std::move(id), ControlKind::ScrollPane) {}

  void setContent(LayoutNode content) { content_ = std::move(content); }
  const LayoutNode& content() const { return content_; }

  // From code (SetScrollInfo): the position is kept within 0..range-page.
  void setScrollInfo(int range, int page, int position);
  void setPosition(int position) { setScrollInfo(range_, page_, position); }
  int range() const { return range_; }
  int page() const { return page_; }
  int position() const { return position_; }
  int hidden() const { return range_ > page_ ? range_ - page_ : 0; }

  // User actions: a scroll-bar request (`thumb` is the thumb's position for
  // Thumb), and the pane's visible height changing.
  bool scroll(ScrollRequest request, int thumb = 0);
  bool resizeView(int visibleHeight);

  std::string stateText() const override;

  std::function<void(ScrollRequest, int)> onScroll;
  std::function<void(int)> onResize;

 private:
  LayoutNode content_;
  int range_ = 0;
  int page_ = 0;
  int position_ = 0;
};

}  // namespace tk
