// Test support: a host that runs the library's exports through the scripted
// toolkit, and short ways to write scripts in C++.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "orbel/builders/ModuleLifetime.h"
#include "orbel/wire/HexText.h"
#include "toolkit/ScriptedToolkit.h"

namespace orbel::test {

class ScriptedHost {
 public:
  explicit ScriptedHost(tk::Script script = {}) : toolkit_(std::move(script), profile_), installation_(toolkit_) {
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

using Verb = tk::ScriptAction::Verb;

inline tk::ScriptAction act(Verb verb, std::string id) {
  tk::ScriptAction action;
  action.verb = verb;
  action.control = std::move(id);
  return action;
}
inline tk::ScriptAction withText(tk::ScriptAction action, std::string text) {
  action.text = std::move(text);
  return action;
}
inline tk::ScriptAction withPath(tk::ScriptAction action, std::vector<std::string> path) {
  action.path = std::move(path);
  return action;
}

inline tk::ScriptAction click(std::string id) { return act(Verb::Click, std::move(id)); }
inline tk::ScriptAction type(std::string id, std::string text) { return withText(act(Verb::Type, std::move(id)), std::move(text)); }
inline tk::ScriptAction set(std::string id, std::string text) { return withText(act(Verb::Set, std::move(id)), std::move(text)); }
inline tk::ScriptAction select(std::string id, int index) {
  tk::ScriptAction action = act(Verb::Select, std::move(id));
  action.index = index;
  return action;
}
inline tk::ScriptAction select(std::string id, std::string text) {
  return withText(act(Verb::Select, std::move(id)), std::move(text));
}
inline tk::ScriptAction check(std::string id, int state) {
  tk::ScriptAction action = act(Verb::Check, std::move(id));
  action.state = state;
  return action;
}
inline tk::ScriptAction clickItem(std::string id, std::vector<std::string> path) {
  return withPath(act(Verb::ClickItem, std::move(id)), std::move(path));
}
inline tk::ScriptAction selectItem(std::string id, std::vector<std::string> path) {
  return withPath(act(Verb::SelectItem, std::move(id)), std::move(path));
}
inline tk::ScriptAction clickRow(std::string id, int row) {
  tk::ScriptAction action = act(Verb::ClickItem, std::move(id));
  action.row = row;
  return action;
}
inline tk::ScriptAction setValue(std::string id, std::vector<std::string> path, std::string text) {
  return withText(withPath(act(Verb::SetValue, std::move(id)), std::move(path)), std::move(text));
}
inline tk::ScriptAction scroll(std::string id, std::string request, std::optional<int> position = {}) {
  tk::ScriptAction action = withText(act(Verb::Scroll, std::move(id)), std::move(request));
  action.index = position;
  return action;
}

// The dialog's window resized to a client area of `width` x `height`.
inline tk::ScriptAction resizeDialog(int width, int height) {
  tk::ScriptAction action = act(Verb::Resize, tk::kDialogTarget);
  action.width = width;
  action.index = height;
  return action;
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
