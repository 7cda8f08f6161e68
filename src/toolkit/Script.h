// A script of user actions: what a user does in each modal dialog, in the
// order the dialogs open, with the answers to file dialogs and question boxes,
// and the host state the actions were recorded in.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tk {

// One user action on one control. Tree items are named by their path of
// texts from the top, list rows by number.
struct ScriptAction {
  enum class Verb {
    Click,       // button, check box, radio button
    Type,        // edit, editable combo box: `text` one character at a time ('\b' erases)
    Set,         // edit, editable combo box: the whole `text`, as a paste
    Insert,      // edit: `text` typed at caret `index` over the `state` characters from there (a selection)
    Select,      // combo box, tab strip, property sheet: `index` or `text`
    Check,       // check box or radio button to `state`
    ClickItem,   // tree item's state image, list row's tick box
    SelectItem,  // tree item or list row
    ActivateItem,  // list row: a double-click, which selects it first
    Expand,      // tree item, `state` 1 expands and 0 collapses
    SetValue,    // tree-list row's value: `text`
    Scroll,      // scroll pane: `text` names the request, `index` the thumb position
    Resize,      // scroll pane: `index` is the new visible height; the dialog (kDialogTarget): `width` x `index`
    KeyDown,     // the dialog: the key named by `text` is pressed (no control)
    KeyUp,       // the dialog: the key named by `text` is released (no control)
  };

  Verb verb = Verb::Click;
  std::string control;  // the control's id; empty for keys
  std::string text;
  std::optional<int> index;
  int state = 0;
  std::vector<std::string> path;      // tree items
  std::optional<int> row;             // list rows
  std::optional<int> width;           // a resize of the dialog's client area
  std::optional<std::uint32_t> item;  // a tree item named directly by a visual backend; never in script files
};

// What a resize names instead of a control to resize the dialog's own window.
inline constexpr char kDialogTarget[] = "dialog";

struct DialogScript {
  std::string expect;  // class name of the dialog; empty accepts any
  std::vector<ScriptAction> actions;
};

// A profile value as stored: integers in decimal, binary values as hex digits.
struct ProfileValue {
  std::string section;
  std::string key;
  std::string value;
  bool operator==(const ProfileValue&) const = default;
};

// The host state a run saw: the feature switches that were on, the host
// modules present and the profile values the dialogs read. A replay sets it
// before the run; what is absent is left as the replaying host has it.
struct HostState {
  std::optional<std::set<int>> features;
  std::optional<std::set<int>> modules;
  std::vector<ProfileValue> profile;
  bool empty() const { return !features && !modules && profile.empty(); }
};

struct Script {
  HostState host;
  std::vector<DialogScript> dialogs;
  std::vector<std::optional<std::string>> files;  // nothing = the user cancels
  std::vector<int> answers;                       // IDYES, IDNO, IDOK, IDCANCEL
};

const char* verbName(ScriptAction::Verb verb);

}  // namespace tk
