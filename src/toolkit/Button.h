// Push button: a click reaches the dialog through onClicked.
#pragma once

#include <functional>

#include "toolkit/Control.h"

namespace tk {

class Button : public Control {
 public:
  Button(std::string id, std::string caption) : Control(std::move(id), ControlKind::Button, std::move(caption)) {}

  // User action. Returns false when the button refuses it (disabled or hidden).
  bool click() {
    if (!acceptsUserAction()) return false;
    if (onClicked) onClicked();
    return true;
  }

  std::string stateText() const override { return {}; }

  std::function<void()> onClicked;
};

}  // namespace tk
