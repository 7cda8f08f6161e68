#include "toolkit/Control.h"

#include <utility>

namespace tk {

const char* controlKindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label: return "label";
    case ControlKind::Edit: return "edit";
    case ControlKind::Button: return "button";
    case ControlKind::CheckBox: return "checkbox";
    case ControlKind::RadioButton: return "radio";
    case ControlKind::ComboBox: return "combobox";
    case ControlKind::List: return "list";
    case ControlKind::Tree: return "tree";
    case ControlKind::TreeList: return "treelist";
    case ControlKind::Tab: return "tabs";
    case ControlKind::PropertySheet: return "sheet";
    case ControlKind::ScrollPane: return "scrollpane";
  }
  return "control";
}

Control::Control(std::string id, ControlKind kind, std::string caption)
    : id_(std::move(id)), kind_(kind), caption_(std::move(caption)) {}

void Control::setCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  changed();
}

void Control::enable(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  changed();
}

void Control::show(bool on) {
  if (on == visible_) return;
  visible_ = on;
  changed();
}

void Control::setTooltip(std::string text) {
  if (text == tooltip_) return;
  tooltip_ = std::move(text);
  changed();
}

void Control::changed() {
  ++changeCount_;
  if (sink_ != nullptr) sink_->controlChanged(*this);
}

}  // namespace tk
