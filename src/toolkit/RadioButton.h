// Radio buttons and the group that keeps at most one of them checked.
#pragma once

#include <functional>
#include <vector>

#include "toolkit/Control.h"

namespace tk {

class RadioButton;

class RadioGroup {
 public:
  // Checks `button` and clears every other member (CheckRadioButton).
  void check(RadioButton& button);
  RadioButton* checked() const;
  const std::vector<RadioButton*>& members() const { return members_; }

 private:
  friend class RadioButton;
  std::vector<RadioButton*> members_;
};

class RadioButton : public Control {
 public:
  RadioButton(std::string id, std::string caption, RadioGroup& group);

  bool checked() const { return checked_; }
  // From code: this button alone, no notification (SetCheck).
  void setCheck(bool on);
  RadioGroup& group() const { return group_; }

  // User action: checks this button, clears the rest of the group, notifies.
  bool click();

  std::string stateText() const override { return checked_ ? "checked" : "unchecked"; }

  std::function<void()> onClicked;

 private:
  RadioGroup& group_;
  bool checked_ = false;
};

}  // namespace tk
