// Test support: a host that runs the library's exports through the scripted
// toolkit, and short ways to write scripts in C++.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/FeatureManager.h"
#include "orbel/builders/ModuleLifetime.h"
#include "toolkit/ScriptedToolkit.h"

namespace orbel::test {

class ScriptedHost {
 public:
  explicit ScriptedHost(tk::Script script = {}) : toolkit_(std::move(script), profile_), installation_(toolkit_) {
    FeatureManager::Instance().Reset();
    startModule();
  }
  ~ScriptedHost() { stopModule(); }

  tk::ScriptedToolkit& toolkit() { return toolkit_; }
  tk::ProfileStore& profile() { return profile_; }

  std::vector<std::string> messages() const {
    std::vector<std::string> texts;
    for (const tk::MessageBoxRecord& box : toolkit_.messageBoxes()) texts.push_back(box.text);
    return texts;
  }

 private:
  tk::ProfileStore profile_;
  tk::ScriptedToolkit toolkit_;
  tk::ToolkitInstallation installation_;
};

inline tk::ScriptAction click(std::string id) { return {tk::ScriptAction::Verb::Click, std::move(id), {}, {}, 0}; }
inline tk::ScriptAction type(std::string id, std::string text) {
  return {tk::ScriptAction::Verb::Type, std::move(id), std::move(text), {}, 0};
}
inline tk::ScriptAction set(std::string id, std::string text) {
  return {tk::ScriptAction::Verb::Set, std::move(id), std::move(text), {}, 0};
}
inline tk::ScriptAction select(std::string id, int index) {
  return {tk::ScriptAction::Verb::Select, std::move(id), {}, index, 0};
}
inline tk::ScriptAction select(std::string id, std::string text) {
  return {tk::ScriptAction::Verb::Select, std::move(id), std::move(text), {}, 0};
}

inline tk::Script dialogScript(std::string expect, std::vector<tk::ScriptAction> actions) {
  tk::Script script;
  script.dialogs.push_back({std::move(expect), std::move(actions)});
  return script;
}

// Takes over a buffer the library handed out, as the host does, and frees it.
inline std::vector<std::uint8_t> takeBuffer(unsigned char* buffer, unsigned int length) {
  std::vector<std::uint8_t> bytes;
  if (buffer != nullptr) bytes.assign(buffer, buffer + length);
  std::free(buffer);
  return bytes;
}

}  // namespace orbel::test
