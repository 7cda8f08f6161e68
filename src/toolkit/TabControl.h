// Tab strip: captions and the current tab. The dialog shows the controls of
// the chosen tab itself when it hears of the change.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/Control.h"

namespace tk {

class TabControl : public Control {
 public:
  explicit TabControl(std::string id) : Control(std::move(id), ControlKind::Tab) {}

  int insertItem(int position, std::string caption);
  void setCurSel(int index);  // from code, no notification
  int curSel() const { return current_; }
  const std::vector<std::string>& captions() const { return captions_; }

  // User action: choosing a tab, then the notification.
  bool select(int index);

  std::string stateText() const override;

  std::function<void()> onSelChange;

 private:
  std::vector<std::string> captions_;
  int current_ = -1;
};

}  // namespace tk
