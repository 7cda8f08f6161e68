// The dialog template: how a dialog's controls are arranged. A visual backend
// draws it; the model itself never looks at it.
#pragma once

#include <string>
#include <vector>

#include "toolkit/Control.h"

namespace tk {

struct LayoutNode {
  enum class Kind { Control, Row, Column, Group, Stretch };

  Kind kind = Kind::Column;
  Control* control = nullptr;  // Kind::Control
  std::string caption;         // Kind::Group
  std::vector<LayoutNode> children;
};

LayoutNode item(Control& control);
LayoutNode row(std::vector<LayoutNode> children);
LayoutNode column(std::vector<LayoutNode> children);
LayoutNode group(std::string caption, std::vector<LayoutNode> children);
LayoutNode stretch();

}  // namespace tk
