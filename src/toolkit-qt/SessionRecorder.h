// Records what the user does in the dialogs as a script of the CLI's format:
// the actions of each modal dialog in the order the dialogs opened, and the
// answers given to file dialogs and question boxes. `orbel run` replays it.
#pragma once

#include <optional>
#include <string>
#include <unordered_map>

#include "toolkit/Dialog.h"
#include "toolkit/Script.h"

namespace tkqt {

class SessionRecorder {
 public:
  void start();
  // Ends recording and hands over what was recorded.
  tk::Script stop();
  bool recording() const { return recording_; }

  void dialogOpened(const tk::CDialog& dialog);
  void dialogClosed(const tk::CDialog& dialog);
  void action(const tk::CDialog& dialog, const tk::ScriptAction& action);
  void fileAnswer(const std::optional<std::string>& path);
  void questionAnswer(int answer);

 private:
  bool recording_ = false;
  tk::Script script_;
  std::unordered_map<const tk::CDialog*, std::size_t> open_;  // dialog -> its entry in script_.dialogs
};

}  // namespace tkqt
