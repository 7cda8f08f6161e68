#include "toolkit/ActionApplier.h"

#include "toolkit/CheckBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"
#include "toolkit/RadioButton.h"

namespace tk {
namespace {

std::string refused(const Control& control, const ScriptAction& action) {
  std::string why = !control.visible() ? "hidden" : !control.enabled() ? "disabled" : "";
  std::string text = std::string(verbName(action.verb)) + " on '" + control.id() + "' refused";
  return why.empty() ? text : text + ": the control is " + why;
}

std::string wrongKind(const Control& control, const ScriptAction& action) {
  return std::string("cannot ") + verbName(action.verb) + " '" + control.id() + "', a " +
         controlKindName(control.kind());
}

bool click(Control& control) {
  switch (control.kind()) {
    case ControlKind::Button: return static_cast<Button&>(control).click();
    case ControlKind::CheckBox: return static_cast<CheckBox&>(control).click();
    case ControlKind::RadioButton: return static_cast<RadioButton&>(control).click();
    default: return false;
  }
}

std::string select(ComboBox& combo, const ScriptAction& action) {
  int index = action.index ? *action.index : combo.find(action.text);
  if (index < 0 || index >= combo.count()) {
    if (!combo.acceptsUserAction()) return refused(combo, action);
    return action.index ? "'" + combo.id() + "' has no item " + std::to_string(index)
                        : "'" + combo.id() + "' has no item \"" + action.text + '"';
  }
  return combo.select(index) ? std::string() : refused(combo, action);
}

}  // namespace

const char* verbName(ScriptAction::Verb verb) {
  switch (verb) {
    case ScriptAction::Verb::Click: return "click";
    case ScriptAction::Verb::Type: return "type";
    case ScriptAction::Verb::Set: return "set";
    case ScriptAction::Verb::Select: return "select";
    case ScriptAction::Verb::Check: return "check";
  }
  return "act";
}

std::string applyAction(CDialog& dialog, const ScriptAction& action) {
  Control* control = dialog.findControl(action.control);
  if (control == nullptr) return "no control '" + action.control + "' in " + dialog.className();
  using Verb = ScriptAction::Verb;
  const ControlKind kind = control->kind();
  switch (action.verb) {
    case Verb::Click:
      if (kind != ControlKind::Button && kind != ControlKind::CheckBox && kind != ControlKind::RadioButton)
        return wrongKind(*control, action);
      return click(*control) ? std::string() : refused(*control, action);
    case Verb::Type:
    case Verb::Set: {
      if (kind != ControlKind::Edit) return wrongKind(*control, action);
      auto& edit = static_cast<Edit&>(*control);
      bool done = action.verb == Verb::Type ? edit.type(action.text) : edit.paste(action.text);
      return done ? std::string() : refused(*control, action);
    }
    case Verb::Select:
      if (kind != ControlKind::ComboBox) return wrongKind(*control, action);
      return select(static_cast<ComboBox&>(*control), action);
    case Verb::Check:
      if (kind == ControlKind::CheckBox)
        return static_cast<CheckBox&>(*control).clickTo(action.state) ? std::string() : refused(*control, action);
      if (kind == ControlKind::RadioButton && action.state == 1)
        return click(*control) ? std::string() : refused(*control, action);
      return wrongKind(*control, action);
  }
  return "unknown action";
}

}  // namespace tk
