// Static text.
#pragma once

#include "toolkit/Control.h"

namespace tk {

class Label : public Control {
 public:
  Label(std::string id, std::string caption) : Control(std::move(id), ControlKind::Label, std::move(caption)) {}
  std::string stateText() const override { return {}; }
};

}  // namespace tk
