// Check box with two or three states (0 clear, 1 ticked, 2 indeterminate).
#pragma once

#include <functional>

#include "toolkit/Control.h"

namespace tk {

class CheckBox : public Control {
 public:
  CheckBox(std::string id, std::string caption, bool threeState = false)
      : Control(std::move(id), ControlKind::CheckBox, std::move(caption)), threeState_(threeState) {}

  int check() const { return state_; }
  bool threeState() const { return threeState_; }
  // From code: no notification, as the real toolkit.
  void setCheck(int state);

  // User actions: a click cycles through the states, then notifies.
  bool click();
  // Sets a state directly as clicking until it is reached would.
  bool clickTo(int state);

  std::string stateText() const override;

  std::function<void()> onClicked;

 private:
  bool threeState_;
  int state_ = 0;
};

}  // namespace tk
