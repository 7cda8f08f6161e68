// Property sheet: pages, each a caption and the template of its controls
// (which belong to the owning dialog), and the active page.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/Control.h"
#include "toolkit/Layout.h"

namespace tk {

class PropertySheet : public Control {
 public:
  struct Page {
    std::string caption;
    LayoutNode content;
  };

  explicit PropertySheet(std::string id) : Control(std::move(id), ControlKind::PropertySheet) {}

  void addPage(std::string caption, LayoutNode content);
  void setActivePage(int index);  // from code, no notification
  int activePage() const { return active_; }
  const std::vector<Page>& pages() const { return pages_; }

  // User action: choosing a page's tab, then the notification.
  bool select(int index);

  std::string stateText() const override;

  std::function<void()> onPageChanged;

 private:
  std::vector<Page> pages_;
  int active_ = -1;
};

}  // namespace tk
