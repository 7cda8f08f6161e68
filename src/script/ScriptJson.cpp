#include "script/ScriptJson.h"

#include <array>
#include <cstdint>
#include <limits>
#include <set>
#include <nlohmann/json.hpp>

#include "toolkit/Keys.h"
#include "toolkit/Types.h"

namespace orbel::script {
namespace {

using nlohmann::json;
using Verb = tk::ScriptAction::Verb;

struct Answer {
  const char* name;
  int code;
};
constexpr std::array<Answer, 4> kAnswers{{{"ok", tk::IDOK}, {"cancel", tk::IDCANCEL}, {"yes", tk::IDYES}, {"no", tk::IDNO}}};

struct ScriptError {
  std::string text;
};

const json& member(const json& object, const char* key, json::value_t type, const std::string& where) {
  auto found = object.find(key);
  if (found == object.end()) throw ScriptError{where + ": \"" + key + "\" is missing"};
  if (found->type() != type && !(type == json::value_t::number_integer && found->is_number_unsigned()))
    throw ScriptError{where + ": \"" + key + "\" has the wrong type"};
  return *found;
}

// A whole number that fits the int the toolkit keeps; JSON admits any size,
// and a cut value would act on another item than the script names.
int intValue(const json& value, const std::string& what) {
  constexpr std::int64_t kLeast = std::numeric_limits<int>::min();
  constexpr std::int64_t kMost = std::numeric_limits<int>::max();
  const bool fits = value.is_number_unsigned() ? value.get<std::uint64_t>() <= static_cast<std::uint64_t>(kMost)
                                               : value.get<std::int64_t>() >= kLeast && value.get<std::int64_t>() <= kMost;
  if (!fits)
    throw ScriptError{what + " is out of range: from " + std::to_string(kLeast) + " to " + std::to_string(kMost)};
  return static_cast<int>(value.get<std::int64_t>());
}

// The keys each verb takes besides its own (which names the control).
struct VerbKeys {
  Verb verb;
  std::initializer_list<const char*> keys;
};
const VerbKeys kVerbKeys[] = {
    {Verb::Click, {}},
    {Verb::Type, {"text"}},
    {Verb::Set, {"text"}},
    {Verb::Insert, {"text", "at", "replace"}},
    {Verb::Select, {"index", "text"}},
    {Verb::Check, {"state"}},
    {Verb::ClickItem, {"path", "row"}},
    {Verb::SelectItem, {"path", "row"}},
    {Verb::ActivateItem, {"path", "row"}},
    {Verb::Expand, {"path", "state"}},
    {Verb::SetValue, {"path", "text"}},
    {Verb::Scroll, {"request", "position"}},
    {Verb::Resize, {"width", "height"}},
    {Verb::KeyDown, {}},
    {Verb::KeyUp, {}},
};

bool isKey(Verb verb) { return verb == Verb::KeyDown || verb == Verb::KeyUp; }

std::vector<std::string> parsePath(const json& value, const std::string& where) {
  if (!value.is_array()) throw ScriptError{where + ": \"path\" is an array of item texts from the top"};
  std::vector<std::string> path;
  for (const json& part : value) {
    if (!part.is_string()) throw ScriptError{where + ": \"path\" holds texts only"};
    path.push_back(part.get<std::string>());
  }
  if (path.empty()) throw ScriptError{where + ": \"path\" is empty"};
  return path;
}

// Exactly one of `a` and `b`.
void expectOneOf(const json& object, const char* a, const char* b, const std::string& where) {
  if (object.contains(a) == object.contains(b))
    throw ScriptError{where + ": takes either \"" + a + "\" or \"" + b + "\""};
}

tk::ScriptAction parseAction(const json& object, const std::string& where) {
  if (!object.is_object()) throw ScriptError{where + ": an action is an object such as {\"click\": \"ok\"}"};
  tk::ScriptAction action;
  const VerbKeys* form = nullptr;
  for (const VerbKeys& candidate : kVerbKeys) {
    auto found = object.find(tk::verbName(candidate.verb));
    if (found == object.end()) continue;
    if (form != nullptr) throw ScriptError{where + ": an action has exactly one verb"};
    if (!found->is_string())
      throw ScriptError{where + ": \"" + tk::verbName(candidate.verb) + "\" names " +
                        (isKey(candidate.verb) ? "a key" : "a control id")};
    form = &candidate;
    action.verb = candidate.verb;
    (isKey(action.verb) ? action.text : action.control) = found->get<std::string>();
  }
  if (form == nullptr)
    throw ScriptError{where + ": no verb (click, type, set, insert, select, check, clickItem, selectItem, "
                              "activateItem, expand, setValue, scroll, resize, keyDown, keyUp)"};
  for (const auto& [key, value] : object.items()) {
    bool known = key == tk::verbName(action.verb);
    for (const char* allowed : form->keys) known = known || key == allowed;
    if (!known) throw ScriptError{where + ": unexpected \"" + key + "\""};
  }
  const auto text = [&](const char* key) { return member(object, key, json::value_t::string, where).get<std::string>(); };
  const auto number = [&](const char* key) {
    return intValue(member(object, key, json::value_t::number_integer, where), where + ": \"" + key + '"');
  };
  switch (action.verb) {
    case Verb::Type:
    case Verb::Set: action.text = text("text"); break;
    case Verb::Insert:
      action.text = text("text");
      action.index = number("at");
      action.state = object.contains("replace") ? number("replace") : 0;
      break;
    case Verb::Select:
      expectOneOf(object, "index", "text", where);
      if (object.contains("index"))
        action.index = number("index");
      else
        action.text = text("text");
      break;
    case Verb::Check: action.state = number("state"); break;
    case Verb::ClickItem:
    case Verb::SelectItem:
    case Verb::ActivateItem:
      expectOneOf(object, "path", "row", where);
      if (object.contains("row"))
        action.row = number("row");
      else
        action.path = parsePath(object["path"], where);
      break;
    case Verb::Expand:
      action.path = parsePath(member(object, "path", json::value_t::array, where), where);
      action.state = object.contains("state") ? number("state") : 1;
      break;
    case Verb::SetValue:
      action.path = parsePath(member(object, "path", json::value_t::array, where), where);
      action.text = text("text");
      break;
    case Verb::Scroll:
      action.text = text("request");
      if (object.contains("position")) action.index = number("position");
      break;
    case Verb::Resize:
      // The dialog's window takes a width and a height, a scroll pane a height.
      if (action.control == tk::kDialogTarget)
        action.width = number("width");
      else if (object.contains("width"))
        throw ScriptError{where + ": \"width\" resizes the dialog only ({\"resize\": \"dialog\", ...})"};
      action.index = number("height");
      break;
    case Verb::KeyDown:
    case Verb::KeyUp:
      if (!tk::keyNamed(action.text)) throw ScriptError{where + ": unknown key \"" + action.text + "\" (shift)"};
      break;
    case Verb::Click: break;
  }
  return action;
}

int parseAnswer(const json& value, const std::string& where) {
  if (value.is_number_integer()) return intValue(value, where + ": the answer");
  if (value.is_string())
    for (const Answer& answer : kAnswers)
      if (value.get<std::string>() == answer.name) return answer.code;
  throw ScriptError{where + ": an answer is \"yes\", \"no\", \"ok\", \"cancel\" or a number"};
}

void expectOnly(const json& object, std::initializer_list<const char*> keys, const std::string& where) {
  for (const auto& [key, value] : object.items()) {
    bool known = false;
    for (const char* allowed : keys) known = known || key == allowed;
    if (!known) throw ScriptError{where + ": unexpected \"" + key + "\""};
  }
}

std::set<int> parseNumbers(const json& value, const std::string& where) {
  if (!value.is_array()) throw ScriptError{where + ": a list of numbers"};
  std::set<int> numbers;
  for (const json& number : value) {
    if (!number.is_number_integer() || number.get<std::int64_t>() < 0 || number.get<std::int64_t>() > 0xFFFF)
      throw ScriptError{where + ": " + number.dump() + " is not a switch or module number"};
    numbers.insert(number.get<int>());
  }
  return numbers;
}

tk::HostState parseHost(const json& host) {
  if (!host.is_object()) throw ScriptError{"host: an object with \"features\", \"modules\" and \"profile\""};
  expectOnly(host, {"features", "modules", "profile"}, "host");
  tk::HostState state;
  if (host.contains("features")) state.features = parseNumbers(host["features"], "host.features");
  if (host.contains("modules")) state.modules = parseNumbers(host["modules"], "host.modules");
  if (host.contains("profile")) {
    const json& values = member(host, "profile", json::value_t::array, "host");
    for (std::size_t v = 0; v < values.size(); ++v) {
      const std::string where = "host.profile[" + std::to_string(v) + "]";
      if (!values[v].is_object()) throw ScriptError{where + ": {\"section\", \"key\", \"value\"}"};
      expectOnly(values[v], {"section", "key", "value"}, where);
      const auto text = [&](const char* key) {
        return member(values[v], key, json::value_t::string, where).get<std::string>();
      };
      state.profile.push_back({text("section"), text("key"), text("value")});
    }
  }
  return state;
}

tk::Script parse(const json& root) {
  if (!root.is_object()) throw ScriptError{"a script is a JSON object"};
  expectOnly(root, {"host", "dialogs", "files", "answers"}, "script");
  tk::Script script;
  if (root.contains("host")) script.host = parseHost(root["host"]);
  if (root.contains("dialogs")) {
    const json& dialogs = member(root, "dialogs", json::value_t::array, "script");
    for (std::size_t d = 0; d < dialogs.size(); ++d) {
      const std::string where = "dialogs[" + std::to_string(d) + "]";
      if (!dialogs[d].is_object()) throw ScriptError{where + ": a dialog entry is an object"};
      expectOnly(dialogs[d], {"expect", "do"}, where);
      tk::DialogScript dialog;
      if (dialogs[d].contains("expect"))
        dialog.expect = member(dialogs[d], "expect", json::value_t::string, where).get<std::string>();
      if (dialogs[d].contains("do")) {
        const json& actions = member(dialogs[d], "do", json::value_t::array, where);
        for (std::size_t a = 0; a < actions.size(); ++a)
          dialog.actions.push_back(parseAction(actions[a], where + ".do[" + std::to_string(a) + "]"));
      }
      script.dialogs.push_back(std::move(dialog));
    }
  }
  if (root.contains("files")) {
    const json& files = member(root, "files", json::value_t::array, "script");
    for (std::size_t f = 0; f < files.size(); ++f) {
      if (files[f].is_null())
        script.files.emplace_back(std::nullopt);
      else if (files[f].is_string())
        script.files.emplace_back(files[f].get<std::string>());
      else
        throw ScriptError{"files[" + std::to_string(f) + "]: a path or null"};
    }
  }
  if (root.contains("answers")) {
    const json& answers = member(root, "answers", json::value_t::array, "script");
    for (std::size_t a = 0; a < answers.size(); ++a)
      script.answers.push_back(parseAnswer(answers[a], "answers[" + std::to_string(a) + "]"));
  }
  return script;
}

// Written with keys in the order people read them: the verb first, "expect" before "do".
using ordered = nlohmann::ordered_json;

ordered actionJson(const tk::ScriptAction& action) {
  ordered object{{tk::verbName(action.verb), isKey(action.verb) ? action.text : action.control}};
  switch (action.verb) {
    case Verb::Type:
    case Verb::Set: object["text"] = action.text; break;
    case Verb::Insert:
      object["text"] = action.text;
      object["at"] = action.index.value_or(0);
      if (action.state != 0) object["replace"] = action.state;
      break;
    case Verb::Select:
      if (action.index)
        object["index"] = *action.index;
      else
        object["text"] = action.text;
      break;
    case Verb::Check: object["state"] = action.state; break;
    case Verb::ClickItem:
    case Verb::SelectItem:
    case Verb::ActivateItem:
      if (action.row)
        object["row"] = *action.row;
      else
        object["path"] = action.path;
      break;
    case Verb::Expand:
      object["path"] = action.path;
      object["state"] = action.state;
      break;
    case Verb::SetValue:
      object["path"] = action.path;
      object["text"] = action.text;
      break;
    case Verb::Scroll:
      object["request"] = action.text;
      if (action.index) object["position"] = *action.index;
      break;
    case Verb::Resize:
      if (action.width) object["width"] = *action.width;
      object["height"] = action.index.value_or(0);
      break;
    case Verb::KeyDown:
    case Verb::KeyUp:
    case Verb::Click: break;
  }
  return object;
}

ordered hostJson(const tk::HostState& host) {
  ordered object = ordered::object();
  if (host.features) object["features"] = *host.features;
  if (host.modules) object["modules"] = *host.modules;
  if (!host.profile.empty()) {
    ordered values = ordered::array();
    for (const tk::ProfileValue& value : host.profile)
      values.push_back({{"section", value.section}, {"key", value.key}, {"value", value.value}});
    object["profile"] = values;
  }
  return object;
}

}  // namespace

std::variant<tk::Script, std::string> parseScript(const std::string& text) {
  json root = json::parse(text, nullptr, /*allow_exceptions=*/false);
  if (root.is_discarded()) return std::string("the script is not valid JSON");
  try {
    return parse(root);
  } catch (const ScriptError& error) {
    return error.text;
  } catch (const json::exception& error) {
    return std::string(error.what());
  }
}

std::string writeScript(const tk::Script& script) {
  ordered dialogs = ordered::array();
  for (const tk::DialogScript& dialog : script.dialogs) {
    ordered actions = ordered::array();
    for (const tk::ScriptAction& action : dialog.actions) actions.push_back(actionJson(action));
    dialogs.push_back({{"expect", dialog.expect}, {"do", actions}});
  }
  ordered root = ordered::object();
  if (!script.host.empty()) root["host"] = hostJson(script.host);
  root["dialogs"] = dialogs;
  if (!script.files.empty()) {
    ordered files = ordered::array();
    for (const auto& file : script.files) files.push_back(file ? ordered(*file) : ordered(nullptr));
    root["files"] = files;
  }
  if (!script.answers.empty()) {
    ordered answers = ordered::array();
    for (int code : script.answers) {
      ordered value = code;
      for (const Answer& answer : kAnswers)
        if (answer.code == code) value = answer.name;
      answers.push_back(value);
    }
    root["answers"] = answers;
  }
  return root.dump(2) + '\n';
}

}  // namespace orbel::script
