#include "HostSession.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "host/FeatureManager.h"
#include "host/SimFilterInfoMan.h"
#include "orbel/builders/ModuleLifetime.h"
#include "runner/FilterHost.h"
#include "script/ScriptJson.h"
#include "toolkit/IniFile.h"

namespace orbel::cli {
namespace {

std::string readText(const std::string& path) {
  if (path == "-") return {std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<int> parseNumberList(const std::string& list, const char* option) {
  std::vector<int> numbers;
  std::stringstream in(list);
  std::string item;
  while (std::getline(in, item, ',')) {
    if (item.empty()) continue;
    std::optional<std::int64_t> value = runner::parseArgValue(item);
    if (!value || *value < 0 || *value > 0xFFFF)
      throw std::runtime_error(std::string(option) + ": \"" + item + "\" is not a switch or module number");
    numbers.push_back(static_cast<int>(*value));
  }
  return numbers;
}

tk::Script loadScript(const std::string& path) {
  if (path.empty()) return {};
  auto parsed = script::parseScript(readText(path));
  if (auto* error = std::get_if<std::string>(&parsed)) throw std::runtime_error(path + ": " + *error);
  return std::get<tk::Script>(std::move(parsed));
}

DialogState snapshot(const tk::CDialog& dialog) {
  DialogState state{dialog.className(), dialog.title(), {}};
  for (const tk::Control* control : dialog.controls())
    state.controls.push_back({control->id(), tk::controlKindName(control->kind()), control->caption(),
                              control->enabled(), control->visible(), control->stateText(), control->tooltip()});
  return state;
}

}  // namespace

void applyHostOptions(const HostOptions& options, const tk::HostState& recorded, tk::ProfileStore* profile) {
  FeatureManager::State state;
  if (options.features)
    for (int number : parseNumberList(*options.features, "--features")) state.features.insert(number);
  else if (recorded.features)
    state.features = *recorded.features;
  if (options.modules)
    for (int number : parseNumberList(*options.modules, "--modules")) state.modules.insert(number);
  else if (recorded.modules)
    state.modules = *recorded.modules;
  FeatureManager::Instance().ApplyState(std::move(state));
  if (profile != nullptr && !options.profilePath.empty()) {
    std::string error = tk::loadIniFile(options.profilePath, *profile);
    if (!error.empty()) throw std::runtime_error(error);
  } else if (profile != nullptr) {
    for (const tk::ProfileValue& value : recorded.profile) profile->restore(value.section, value.key, value.value);
  }
  if (options.simDefinitions.empty()) return;
  std::string error = CSimFilterInfoMan::CreateInstance(true)->LoadDefinitionFile(options.simDefinitions);
  if (!error.empty()) throw std::runtime_error(error);
}

SessionResult runSession(const runner::ExportInfo& info, const runner::ExportCall& call, const HostOptions& options) {
  tk::Script script = loadScript(options.scriptPath);
  tk::ProfileStore profile;
  applyHostOptions(options, script.host, &profile);

  SessionResult result;
  tk::ScriptedToolkit toolkit(std::move(script), profile);
  toolkit.onActionsDone([&result](const tk::CDialog& dialog) { result.dialogStates.push_back(snapshot(dialog)); });
  {
    tk::ToolkitInstallation installation(toolkit);
    startModule();
    result.outcome = info.run(call);
    result.hostObjects = runner::hostObjectState();
    runner::releaseHostSapFilterManager();
    stopModule();
  }

  result.errors = toolkit.errors();
  result.dialogs = toolkit.dialogsRun();
  result.messageBoxes = toolkit.messageBoxes();
  result.fileDialogs = toolkit.fileDialogs();
  for (const auto& key : profile.written())
    result.profileWrites.emplace_back(key.first + "/" + key.second, profile.values().at(key));
  if (!options.profilePath.empty() && !profile.written().empty()) {
    std::string error = tk::saveIniFile(options.profilePath, profile);
    if (!error.empty()) throw std::runtime_error(error);
  }
  return result;
}

}  // namespace orbel::cli
