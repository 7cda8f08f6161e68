#include "toolkit-qt/SessionRecorder.h"

#include <utility>

namespace tkqt {

void SessionRecorder::start(std::set<int> features, std::set<int> modules) {
  script_ = {};
  script_.host.features = std::move(features);
  script_.host.modules = std::move(modules);
  open_.clear();
  profileSeen_.clear();
  recording_ = true;
}

tk::Script SessionRecorder::stop() {
  recording_ = false;
  open_.clear();
  profileSeen_.clear();
  return std::exchange(script_, {});
}

void SessionRecorder::dialogOpened(const tk::CDialog& dialog) {
  if (!recording_) return;
  open_[&dialog] = script_.dialogs.size();
  script_.dialogs.push_back({dialog.className(), {}});
}

void SessionRecorder::dialogClosed(const tk::CDialog& dialog) { open_.erase(&dialog); }

void SessionRecorder::action(const tk::CDialog& dialog, const tk::ScriptAction& action) {
  auto found = open_.find(&dialog);
  if (!recording_ || found == open_.end()) return;
  auto& actions = script_.dialogs[found->second].actions;
  tk::ScriptAction recorded = action;
  recorded.item.reset();  // scripts name tree items by path
  // Keystrokes into one field make one "type" action.
  if (recorded.verb == tk::ScriptAction::Verb::Type && !actions.empty() &&
      actions.back().verb == tk::ScriptAction::Verb::Type && actions.back().control == recorded.control) {
    actions.back().text += recorded.text;
    return;
  }
  // Dragging the window's edge makes one resize: the size it ends at.
  if (recorded.verb == tk::ScriptAction::Verb::Resize && recorded.control == tk::kDialogTarget && !actions.empty() &&
      actions.back().verb == tk::ScriptAction::Verb::Resize && actions.back().control == tk::kDialogTarget) {
    actions.back() = std::move(recorded);
    return;
  }
  actions.push_back(std::move(recorded));
}

void SessionRecorder::fileAnswer(const std::optional<std::string>& path) {
  if (recording_) script_.files.push_back(path);
}

void SessionRecorder::questionAnswer(int answer) {
  if (recording_) script_.answers.push_back(answer);
}

void SessionRecorder::profileRead(const std::string& section, const std::string& key, const std::string& value) {
  if (recording_ && profileSeen_.emplace(section, key).second) script_.host.profile.push_back({section, key, value});
}

void SessionRecorder::profileWritten(const std::string& section, const std::string& key) {
  if (recording_) profileSeen_.emplace(section, key);
}

}  // namespace tkqt
