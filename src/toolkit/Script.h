// A script of user actions: what a user does in each modal dialog, in the
// order the dialogs open, with the answers to file dialogs and question boxes.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tk {

struct ScriptAction {
  enum class Verb { Click, Type, Set, Select, Check };

  Verb verb = Verb::Click;
  std::string control;            // the control's id
  std::string text;               // Type, Set; Select by item text
  std::optional<int> index;       // Select by item index
  int state = 0;                  // Check
};

struct DialogScript {
  std::string expect;  // class name of the dialog; empty accepts any
  std::vector<ScriptAction> actions;
};

struct Script {
  std::vector<DialogScript> dialogs;
  std::vector<std::optional<std::string>> files;  // nothing = the user cancels
  std::vector<int> answers;                       // IDYES, IDNO, IDOK, IDCANCEL
};

const char* verbName(ScriptAction::Verb verb);

}  // namespace tk
