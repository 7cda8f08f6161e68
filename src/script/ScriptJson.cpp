#include "script/ScriptJson.h"

#include <array>
#include <nlohmann/json.hpp>

#include "toolkit/Types.h"

namespace orbel::script {
namespace {

using nlohmann::json;
using Verb = tk::ScriptAction::Verb;

constexpr std::array<Verb, 5> kVerbs{Verb::Click, Verb::Type, Verb::Set, Verb::Select, Verb::Check};

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

tk::ScriptAction parseAction(const json& object, const std::string& where) {
  if (!object.is_object()) throw ScriptError{where + ": an action is an object such as {\"click\": \"ok\"}"};
  tk::ScriptAction action;
  int verbs = 0;
  for (Verb verb : kVerbs) {
    auto found = object.find(tk::verbName(verb));
    if (found == object.end()) continue;
    if (!found->is_string()) throw ScriptError{where + ": \"" + tk::verbName(verb) + "\" names a control id"};
    action.verb = verb;
    action.control = found->get<std::string>();
    ++verbs;
  }
  if (verbs != 1) throw ScriptError{where + ": an action has exactly one of click, type, set, select, check"};
  for (const auto& [key, value] : object.items()) {
    if (key == tk::verbName(action.verb)) continue;
    bool known = (key == "text" && (action.verb == Verb::Type || action.verb == Verb::Set || action.verb == Verb::Select)) ||
                 (key == "index" && action.verb == Verb::Select) || (key == "state" && action.verb == Verb::Check);
    if (!known) throw ScriptError{where + ": unexpected \"" + key + "\""};
  }
  switch (action.verb) {
    case Verb::Type:
    case Verb::Set: action.text = member(object, "text", json::value_t::string, where).get<std::string>(); break;
    case Verb::Select:
      if (object.contains("index") == object.contains("text"))
        throw ScriptError{where + ": select takes either \"index\" or \"text\""};
      if (object.contains("index"))
        action.index = member(object, "index", json::value_t::number_integer, where).get<int>();
      else
        action.text = member(object, "text", json::value_t::string, where).get<std::string>();
      break;
    case Verb::Check: action.state = member(object, "state", json::value_t::number_integer, where).get<int>(); break;
    case Verb::Click: break;
  }
  return action;
}

int parseAnswer(const json& value, const std::string& where) {
  if (value.is_number_integer()) return value.get<int>();
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

tk::Script parse(const json& root) {
  if (!root.is_object()) throw ScriptError{"a script is a JSON object"};
  expectOnly(root, {"dialogs", "files", "answers"}, "script");
  tk::Script script;
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

json actionJson(const tk::ScriptAction& action) {
  json object{{tk::verbName(action.verb), action.control}};
  switch (action.verb) {
    case Verb::Type:
    case Verb::Set: object["text"] = action.text; break;
    case Verb::Select:
      if (action.index)
        object["index"] = *action.index;
      else
        object["text"] = action.text;
      break;
    case Verb::Check: object["state"] = action.state; break;
    case Verb::Click: break;
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
  json dialogs = json::array();
  for (const tk::DialogScript& dialog : script.dialogs) {
    json actions = json::array();
    for (const tk::ScriptAction& action : dialog.actions) actions.push_back(actionJson(action));
    dialogs.push_back({{"expect", dialog.expect}, {"do", actions}});
  }
  json root{{"dialogs", dialogs}};
  if (!script.files.empty()) {
    json files = json::array();
    for (const auto& file : script.files) files.push_back(file ? json(*file) : json(nullptr));
    root["files"] = files;
  }
  if (!script.answers.empty()) {
    json answers = json::array();
    for (int code : script.answers) {
      json value = code;
      for (const Answer& answer : kAnswers)
        if (answer.code == code) value = answer.name;
      answers.push_back(value);
    }
    root["answers"] = answers;
  }
  return root.dump(2) + '\n';
}

}  // namespace orbel::script
