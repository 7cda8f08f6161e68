#include "toolkit/RadioButton.h"

namespace tk {

void RadioGroup::check(RadioButton& button) {
  for (RadioButton* member : members_) member->setCheck(member == &button);
}

RadioButton* RadioGroup::checked() const {
  for (RadioButton* member : members_)
    if (member->checked()) return member;
  return nullptr;
}

RadioButton::RadioButton(std::string id, std::string caption, RadioGroup& group)
    : Control(std::move(id), ControlKind::RadioButton, std::move(caption)), group_(group) {
  group_.members_.push_back(this);
}

void RadioButton::setCheck(bool on) {
  if (on == checked_) return;
  checked_ = on;
  changed();
}

bool RadioButton::click() {
  if (!acceptsUserAction()) return false;
  group_.check(*this);
  if (onClicked) onClicked();
  return true;
}

}  // namespace tk
