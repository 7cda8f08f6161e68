#include "toolkit/ActionApplier.h"

#include "toolkit/CheckBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"
#include "toolkit/ListControl.h"
#include "toolkit/PropertySheet.h"
#include "toolkit/RadioButton.h"
#include "toolkit/ScrollPane.h"
#include "toolkit/TabControl.h"
#include "toolkit/TreeListControl.h"

namespace tk {
namespace {

using Verb = ScriptAction::Verb;

std::string refused(const Control& control, const ScriptAction& action) {
  std::string why = !control.visible() ? "hidden" : !control.enabled() ? "disabled" : "";
  std::string text = std::string(verbName(action.verb)) + " on '" + control.id() + "' refused";
  return why.empty() ? text : text + ": the control is " + why;
}

std::string wrongKind(const Control& control, const ScriptAction& action) {
  return std::string("cannot ") + verbName(action.verb) + " '" + control.id() + "', a " +
         controlKindName(control.kind());
}

std::string outcome(bool done, const Control& control, const ScriptAction& action) {
  return done ? std::string() : refused(control, action);
}

std::string joined(const std::vector<std::string>& path) {
  std::string text;
  for (const std::string& part : path) text += (text.empty() ? "" : "/") + part;
  return text;
}

bool click(Control& control) {
  switch (control.kind()) {
    case ControlKind::Button: return static_cast<Button&>(control).click();
    case ControlKind::CheckBox: return static_cast<CheckBox&>(control).click();
    case ControlKind::RadioButton: return static_cast<RadioButton&>(control).click();
    default: return false;
  }
}

// An index given directly or found by its text; -1 when neither names one.
template <typename FindByText>
int indexOf(const ScriptAction& action, FindByText find) {
  return action.index ? *action.index : find(action.text);
}

std::string select(Control& control, const ScriptAction& action) {
  const auto missing = [&] {
    if (!control.acceptsUserAction()) return refused(control, action);
    return action.index ? "'" + control.id() + "' has no item " + std::to_string(*action.index)
                        : "'" + control.id() + "' has no item \"" + action.text + '"';
  };
  switch (control.kind()) {
    case ControlKind::ComboBox: {
      auto& combo = static_cast<ComboBox&>(control);
      int index = indexOf(action, [&](const std::string& text) { return combo.find(text); });
      return index < 0 || index >= combo.count() ? missing() : outcome(combo.select(index), control, action);
    }
    case ControlKind::Tab: {
      auto& tabs = static_cast<TabControl&>(control);
      const auto& captions = tabs.captions();
      int index = indexOf(action, [&](const std::string& text) {
        for (std::size_t i = 0; i < captions.size(); ++i)
          if (captions[i] == text) return static_cast<int>(i);
        return -1;
      });
      return index < 0 || index >= static_cast<int>(captions.size()) ? missing() : outcome(tabs.select(index), control, action);
    }
    case ControlKind::PropertySheet: {
      auto& sheet = static_cast<PropertySheet&>(control);
      const auto& pages = sheet.pages();
      int index = indexOf(action, [&](const std::string& text) {
        for (std::size_t i = 0; i < pages.size(); ++i)
          if (pages[i].caption == text) return static_cast<int>(i);
        return -1;
      });
      return index < 0 || index >= static_cast<int>(pages.size()) ? missing() : outcome(sheet.select(index), control, action);
    }
    default: return wrongKind(control, action);
  }
}

std::string onTreeItem(TreeControl& tree, const ScriptAction& action) {
  const TreeItem item = action.item ? *action.item : tree.find(action.path);
  if (!tree.isItem(item)) return "'" + tree.id() + "' has no item \"" + joined(action.path) + '"';
  switch (action.verb) {
    case Verb::ClickItem: return outcome(tree.clickStateImage(item), tree, action);
    case Verb::SelectItem: return outcome(tree.select(item), tree, action);
    case Verb::Expand: return outcome(tree.expandByUser(item, action.state != 0), tree, action);
    case Verb::SetValue: {
      if (tree.kind() != ControlKind::TreeList) return wrongKind(tree, action);
      auto& treeList = static_cast<TreeListControl&>(tree);
      if (!treeList.editable(item))
        return "the value of \"" + joined(tree.pathOf(item)) + "\" in '" + tree.id() + "' is read-only";
      if (treeList.editValue(item, action.text)) return {};
      // The row's own reason for refusing the text, when it gave one.
      const std::string text = refused(tree, action);
      return treeList.refusal().empty() ? text : text + ": " + treeList.refusal();
    }
    default: return wrongKind(tree, action);
  }
}

std::string onListRow(ListControl& list, const ScriptAction& action) {
  const int row = action.row ? *action.row : action.path.empty() ? -1 : list.find(action.path.front());
  if (row < 0 || row >= list.rowCount())
    return "'" + list.id() + "' has no row " + (action.row ? std::to_string(*action.row) : '"' + joined(action.path) + '"');
  switch (action.verb) {
    case Verb::ClickItem: return outcome(list.toggleCheck(row), list, action);
    case Verb::SelectItem: return outcome(list.select(row), list, action);
    case Verb::ActivateItem: return outcome(list.activate(row), list, action);
    default: return wrongKind(list, action);
  }
}

// An editable combo box's field: typed characters extend the text ('\b'
// erases the last one), a set replaces it.
std::string typeIntoCombo(ComboBox& combo, const ScriptAction& action) {
  std::string text = action.verb == Verb::Set ? std::string() : combo.editText();
  for (char c : action.text) {
    if (action.verb == Verb::Set || c != Edit::kBackspace)
      text += c;
    else if (!text.empty())
      text.pop_back();
  }
  return outcome(combo.enterText(std::move(text)), combo, action);
}

std::string onScrollPane(ScrollPane& pane, const ScriptAction& action) {
  if (action.verb == Verb::Resize) return outcome(pane.resizeView(action.index.value_or(0)), pane, action);
  ScrollRequest request{};
  if (!scrollRequestNamed(action.text, request))
    return "unknown scroll request \"" + action.text + "\" (lineUp, lineDown, pageUp, pageDown, thumb)";
  return outcome(pane.scroll(request, action.index.value_or(0)), pane, action);
}

// A resize of the dialog's own window to a client area of `width` x `index`.
std::string resizeDialog(CDialog& dialog, const ScriptAction& action) {
  const int width = action.width.value_or(0);
  const int height = action.index.value_or(0);
  if (!dialog.placesControls())
    return "resize on '" + action.control + "' refused: " + dialog.className() + " arranges its controls in rows";
  if (dialog.resizeClient(width, height)) return {};
  const Rect least = dialog.templateClient();
  return "resize on '" + action.control + "' refused: the client area is at least " + std::to_string(least.width()) +
         " x " + std::to_string(least.height());
}

}  // namespace

const char* verbName(ScriptAction::Verb verb) {
  switch (verb) {
    case Verb::Click: return "click";
    case Verb::Type: return "type";
    case Verb::Set: return "set";
    case Verb::Insert: return "insert";
    case Verb::Select: return "select";
    case Verb::Check: return "check";
    case Verb::ClickItem: return "clickItem";
    case Verb::SelectItem: return "selectItem";
    case Verb::ActivateItem: return "activateItem";
    case Verb::Expand: return "expand";
    case Verb::SetValue: return "setValue";
    case Verb::Scroll: return "scroll";
    case Verb::Resize: return "resize";
    case Verb::KeyDown: return "keyDown";
    case Verb::KeyUp: return "keyUp";
  }
  return "act";
}

std::string applyAction(CDialog& dialog, const ScriptAction& action) {
  if (action.verb == Verb::KeyDown || action.verb == Verb::KeyUp) {
    const std::optional<Key> key = keyNamed(action.text);
    if (!key) return "unknown key \"" + action.text + "\" (shift)";
    dialog.pressKey(*key, action.verb == Verb::KeyDown);
    return {};
  }
  if (action.verb == Verb::Resize && action.control == kDialogTarget) return resizeDialog(dialog, action);
  Control* control = dialog.findControl(action.control);
  if (control == nullptr) return "no control '" + action.control + "' in " + dialog.className();
  const ControlKind kind = control->kind();
  switch (action.verb) {
    case Verb::Click:
      if (kind != ControlKind::Button && kind != ControlKind::CheckBox && kind != ControlKind::RadioButton)
        return wrongKind(*control, action);
      return outcome(click(*control), *control, action);
    case Verb::Type:
    case Verb::Set: {
      if (kind == ControlKind::ComboBox && static_cast<ComboBox&>(*control).editable())
        return typeIntoCombo(static_cast<ComboBox&>(*control), action);
      if (kind != ControlKind::Edit) return wrongKind(*control, action);
      auto& edit = static_cast<Edit&>(*control);
      return outcome(action.verb == Verb::Type ? edit.type(action.text) : edit.paste(action.text), *control, action);
    }
    case Verb::Insert: {
      if (kind != ControlKind::Edit) return wrongKind(*control, action);
      auto& edit = static_cast<Edit&>(*control);
      const int at = action.index.value_or(0);
      if (at < 0 || action.state < 0 || static_cast<std::size_t>(at + action.state) > edit.text().size())
        return "insert on '" + control->id() + "': the caret and selection lie outside \"" + edit.text() + '"';
      return outcome(edit.insert(static_cast<std::size_t>(at), static_cast<std::size_t>(action.state), action.text),
                     *control, action);
    }
    case Verb::Select: return select(*control, action);
    case Verb::Check:
      if (kind == ControlKind::CheckBox)
        return outcome(static_cast<CheckBox&>(*control).clickTo(action.state), *control, action);
      if (kind == ControlKind::RadioButton && action.state == 1) return outcome(click(*control), *control, action);
      return wrongKind(*control, action);
    case Verb::ClickItem:
    case Verb::SelectItem:
    case Verb::ActivateItem:
    case Verb::Expand:
    case Verb::SetValue:
      if (kind == ControlKind::Tree || kind == ControlKind::TreeList)
        return onTreeItem(static_cast<TreeControl&>(*control), action);
      if (kind == ControlKind::List) return onListRow(static_cast<ListControl&>(*control), action);
      return wrongKind(*control, action);
    case Verb::Scroll:
    case Verb::Resize:
      if (kind != ControlKind::ScrollPane) return wrongKind(*control, action);
      return onScrollPane(static_cast<ScrollPane&>(*control), action);
    case Verb::KeyDown:
    case Verb::KeyUp: break;  // handled above: keys reach the dialog, not a control
  }
  return "unknown action";
}

}  // namespace tk
