// Records what the user does in the dialogs as a script of the CLI's format:
// the host state the run saw (switches, modules, the profile values it read
// before changing them), the actions of each modal dialog in the order the
// dialogs opened, and the answers given to file dialogs and question boxes.
// `orbel run` replays it.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>

#include "toolkit/Dialog.h"
#include "toolkit/Script.h"

namespace tkqt {

class SessionRecorder {
 public:
  // Starts recording with the feature switches and host modules the run will see.
  void start(std::set<int> features = {}, std::set<int> modules = {});
  // Ends recording and hands over what was recorded.
  tk::Script stop();
  bool recording() const { return recording_; }

  void dialogOpened(const tk::CDialog& dialog);
  void dialogClosed(const tk::CDialog& dialog);
  void action(const tk::CDialog& dialog, const tk::ScriptAction& action);
  void fileAnswer(const std::optional<std::string>& path);
  void questionAnswer(int answer);
  // A profile value the run read, and one it wrote: a value is part of the
  // host state only when the run read it before writing it.
  void profileRead(const std::string& section, const std::string& key, const std::string& value);
  void profileWritten(const std::string& section, const std::string& key);

 private:
  bool recording_ = false;
  tk::Script script_;
  std::set<std::pair<std::string, std::string>> profileSeen_;
  std::unordered_map<const tk::CDialog*, std::size_t> open_;  // dialog -> its entry in script_.dialogs
};

}  // namespace tkqt
