#include "toolkit/CheckBox.h"

namespace tk {

void CheckBox::setCheck(int state) {
  if (state < 0 || state > (threeState_ ? 2 : 1) || state == state_) return;
  state_ = state;
  changed();
}

bool CheckBox::click() {
  if (!acceptsUserAction()) return false;
  setCheck((state_ + 1) % (threeState_ ? 3 : 2));
  if (onClicked) onClicked();
  return true;
}

bool CheckBox::clickTo(int state) {
  if (!acceptsUserAction() || state < 0 || state > (threeState_ ? 2 : 1)) return false;
  while (state_ != state) click();
  return true;
}

std::string CheckBox::stateText() const { return state_ == 0 ? "unchecked" : state_ == 1 ? "checked" : "indeterminate"; }

}  // namespace tk
