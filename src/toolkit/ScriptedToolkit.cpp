#include "toolkit/ScriptedToolkit.h"

#include "toolkit/ActionApplier.h"

namespace tk {
namespace {

bool isQuestion(unsigned style) { return (style & 0x0F) != MB_OK; }

int declineAnswer(unsigned style) { return (style & 0x0F) == MB_YESNO ? IDNO : IDCANCEL; }

}  // namespace

ScriptedToolkit::ScriptedToolkit(Script script, ProfileStore& profile)
    : script_(std::move(script)), profile_(profile) {}

int ScriptedToolkit::runModal(CDialog& dialog) {
  if (fault_) std::rethrow_exception(fault_);
  const std::size_t number = nextDialog_++;
  dialogsRun_.push_back(dialog.className());
  dialog.OnInitDialog();
  if (number < script_.dialogs.size() && !dialog.hasEnded()) runActions(dialog, script_.dialogs[number], number);
  if (actionsDone_) actionsDone_(dialog);
  if (!dialog.hasEnded()) dialog.OnCancel();
  if (!dialog.hasEnded()) dialog.EndDialog(IDCANCEL);  // closing the window always ends the run
  return dialog.endCode();
}

bool ScriptedToolkit::createModeless(CDialog& dialog) {
  const std::size_t number = nextDialog_++;
  dialogsRun_.push_back(dialog.className());
  dialog.OnInitDialog();
  if (number < script_.dialogs.size()) runActions(dialog, script_.dialogs[number], number);
  if (actionsDone_) actionsDone_(dialog);
  return true;
}

void ScriptedToolkit::abandonModeless(CDialog& dialog) {
  errors_.push_back(dialog.className() + " was destroyed with its modeless window open");
}

void ScriptedToolkit::runActions(CDialog& dialog, const DialogScript& script, std::size_t dialogNumber) {
  const std::string where = "dialog " + std::to_string(dialogNumber + 1) + " (" + dialog.className() + ")";
  if (!script.expect.empty() && script.expect != dialog.className()) {
    errors_.push_back(where + ": the script expects " + script.expect);
    return;
  }
  for (std::size_t i = 0; i < script.actions.size(); ++i) {
    const std::string step = where + ", action " + std::to_string(i + 1) + ": ";
    if (dialog.hasEnded()) {
      errors_.push_back(step + "the dialog has already closed");
      return;
    }
    std::string error = applyAction(dialog, script.actions[i]);
    if (!error.empty()) {
      errors_.push_back(step + error);
      return;
    }
  }
}

int ScriptedToolkit::messageBox(CDialog* owner, const std::string& text, const std::string& caption,
                                unsigned style) {
  int answer = IDOK;
  if (isQuestion(style)) {
    if (nextAnswer_ < script_.answers.size()) {
      answer = script_.answers[nextAnswer_++];
    } else {
      answer = declineAnswer(style);
      errors_.push_back("no scripted answer for the question \"" + text + '"');
    }
  }
  messageBoxes_.push_back({owner != nullptr ? owner->className() : std::string(), text, caption, style, answer});
  return answer;
}

std::optional<std::string> ScriptedToolkit::chooseFile(const FileDialogRequest& request) {
  if (fault_) std::rethrow_exception(fault_);
  std::optional<std::string> answer;
  if (nextFile_ < script_.files.size())
    answer = script_.files[nextFile_++];
  else
    errors_.push_back("no scripted answer for the file dialog \"" + request.title + '"');
  fileDialogs_.push_back({request, answer});
  return answer;
}

void ScriptedToolkit::reportUnusedEntries() {
  for (std::size_t i = nextDialog_; i < script_.dialogs.size(); ++i) {
    const std::string& expected = script_.dialogs[i].expect;
    errors_.push_back("dialog " + std::to_string(i + 1) + (expected.empty() ? "" : " (" + expected + ")") +
                      " of the script never opened");
  }
  if (nextFile_ < script_.files.size())
    errors_.push_back(std::to_string(script_.files.size() - nextFile_) +
                      " file answer(s) of the script were never asked for");
  if (nextAnswer_ < script_.answers.size())
    errors_.push_back(std::to_string(script_.answers.size() - nextAnswer_) +
                      " question answer(s) of the script were never asked for");
}

}  // namespace tk
