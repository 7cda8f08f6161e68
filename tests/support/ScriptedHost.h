// Test support: a host that runs the library's exports through the scripted
// toolkit, and short ways to write scripts in C++.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "host/FeatureManager.h"
#include "orbel/builders/ModuleLifetime.h"
#include "orbel/decode/HexText.h"
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

// What one builder call handed back.
struct Call {
  std::vector<std::uint8_t> bytes;
  unsigned int len;
  bool returned;
};

// Calls `builder` (a builder export, or a lambda binding its further
// arguments) with *len = `len` and takes over the buffer.
template <typename Builder>
Call callExport(Builder builder, unsigned int len = 0) {
  unsigned char* buffer = builder(&len);
  bool returned = buffer != nullptr;
  return {takeBuffer(buffer, len), len, returned};
}

// The payload of a built message in hex ("00 31 FF FF"), after checking
// that the frame's lengths agree with the bytes; "null" when nothing was
// built.
inline std::string payloadHex(const Call& call) {
  if (!call.returned) return "null";
  const auto& bytes = call.bytes;
  if (bytes.size() < 24 || bytes.size() != call.len || (bytes[0] | bytes[1] << 8) != static_cast<int>(bytes.size()) ||
      (bytes[18] | bytes[19] << 8) + 24u != bytes.size())
    return "bad frame of " + std::to_string(bytes.size()) + " bytes";
  return orbel::toHex(std::span(bytes).subspan(20, bytes.size() - 24));
}

}  // namespace orbel::test
