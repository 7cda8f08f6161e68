#include "HostSession.h"

#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <utility>

#include "host/FeatureManager.h"
#include "host/PathResolver.h"
#include "host/SignalNames.h"
#include "host/HostModules.h"
#include "host/SimFilterInfoMan.h"
#include "orbel/builders/ModuleLifetime.h"
#include "runner/FilterHost.h"
#include "runner/HostStateFile.h"
#include "script/ScriptJson.h"
#include "toolkit/FileRead.h"
#include "toolkit/IniFile.h"

namespace orbel::cli {
namespace {

std::string readStandardInput() {
  std::string text;
  char chunk[64 * 1024];
  while (std::cin.read(chunk, sizeof chunk) || std::cin.gcount() > 0) {
    if (static_cast<std::size_t>(std::cin.gcount()) > script::kScriptSizeLimit - text.size())
      throw DataError("the script on standard input is larger than the " + std::to_string(script::kScriptSizeLimit) +
                      " bytes it may have");
    text.append(chunk, static_cast<std::size_t>(std::cin.gcount()));
  }
  return text;
}

std::string readScriptText(const std::string& path) {
  if (path == "-") return readStandardInput();
  tk::FileRead read = tk::readRegularFile(path, script::kScriptSizeLimit);
  if (read.ok()) return std::move(read.bytes);
  const std::string refusal = tk::describeRefusal(read, path, "script");
  if (read.status == tk::FileRead::Status::Missing) throw std::runtime_error(refusal);
  throw DataError(refusal);
}

std::string absolute(const std::string& path) {
  if (path.empty() || path == "-") return path;
  std::error_code error;
  std::filesystem::path made = std::filesystem::absolute(path, error);
  return error ? path : made.string();
}

std::set<int> parseNumberList(const std::string& list, const char* option) {
  runner::SwitchList parsed = runner::parseSwitchList(list);
  if (parsed.refused) throw std::runtime_error(std::string(option) + ": from 0 to 65535 (not \"" + *parsed.refused + "\")");
  return std::move(parsed.numbers);
}

tk::Script loadScript(const std::string& path) {
  if (path.empty()) return {};
  auto parsed = script::parseScript(readScriptText(path));
  if (auto* error = std::get_if<std::string>(&parsed)) throw std::runtime_error(path + ": " + *error);
  tk::Script script = std::get<tk::Script>(std::move(parsed));
  // File answers name files as seen from where the CLI was started.
  for (std::optional<std::string>& answer : script.files)
    if (answer && !answer->empty()) *answer = absolute(*answer);
  return script;
}

DialogState snapshot(const tk::CDialog& dialog) {
  DialogState state{dialog.className(), dialog.title(), dialog.stateText(), {}};
  for (const tk::Control* control : dialog.controls())
    state.controls.push_back({control->id(), tk::controlKindName(control->kind()), control->caption(),
                              control->enabled(), control->visible(), control->stateText(), control->tooltip()});
  return state;
}

}  // namespace

void applyHostOptions(const HostOptions& options, const tk::HostState& recorded, tk::ProfileStore* profile) {
  FeatureManager::State state;
  if (options.features)
    state.features = parseNumberList(*options.features, "--features");
  else if (recorded.features)
    state.features = *recorded.features;
  if (options.modules)
    state.modules = parseNumberList(*options.modules, "--modules");
  else if (recorded.modules)
    state.modules = *recorded.modules;
  FeatureManager::Instance().ApplyState(std::move(state));
  CPathResolver::Instance().SetDataDir(options.dataDir);
  GsmCodecLib::sm_GsmCodecLib.ApplyState({!options.withoutGsmCodec});
  HostModules::Instance().ApplyState({});
  for (const std::string& name : options.absentModules)
    if (!HostModules::Instance().SetPresent(name, false))
      throw std::runtime_error("--absent-module: no host module named \"" + name +
                               "\" (hls-filter, save-as, prim-view)");
  if (profile != nullptr && !options.profilePath.empty()) {
    std::string error = tk::loadIniFile(options.profilePath, *profile);
    if (!error.empty()) throw DataError(error);
  } else if (profile != nullptr) {
    for (const tk::ProfileValue& value : recorded.profile) profile->restore(value.section, value.key, value.value);
  }
  if (options.simDefinitions.empty()) return;
  std::string error = CSimFilterInfoMan::CreateInstance(true)->LoadDefinitionFile(options.simDefinitions);
  if (!error.empty()) throw std::runtime_error(error);
}

SessionResult runSession(const runner::ExportInfo& info, const runner::ExportCall& call, const HostOptions& given) {
  HostOptions options = given;
  options.scriptPath = absolute(options.scriptPath);
  options.profilePath = absolute(options.profilePath);
  options.simDefinitions = absolute(options.simDefinitions);
  options.dataDir = absolute(options.dataDir);
  options.statePath = absolute(options.statePath);

  tk::Script script = loadScript(options.scriptPath);
  tk::ProfileStore profile;
  applyHostOptions(options, script.host, &profile);

  SessionResult result;
  std::string stateError;
  tk::ScriptedToolkit toolkit(std::move(script), profile);
  toolkit.onActionsDone([&result](const tk::CDialog& dialog) { result.dialogStates.push_back(snapshot(dialog)); });
  {
    tk::ToolkitInstallation installation(toolkit);
    if (!options.statePath.empty()) {
      std::string error = runner::loadHostStateFile(options.statePath);
      if (!error.empty()) throw DataError(error);
    }
    startModule();
    result.outcome = info.run(call);
    result.hostObjects = runner::hostObjectState();
    if (!options.statePath.empty()) {
      stateError = runner::saveHostStateFile(options.statePath);
    }
    runner::releaseHostSapFilterManager();
    stopModule();
  }
  toolkit.reportUnusedEntries();

  result.errors = toolkit.errors();
  result.fileErrors = toolkit.fileErrors();
  if (!stateError.empty()) result.fileErrors.push_back("the host state was not saved: " + stateError);
  result.dialogs = toolkit.dialogsRun();
  result.messageBoxes = toolkit.messageBoxes();
  result.fileDialogs = toolkit.fileDialogs();
  for (const auto& key : profile.written())
    result.profileWrites.emplace_back(key.first + "/" + key.second, profile.values().at(key));
  if (!options.profilePath.empty() && !profile.written().empty()) {
    std::string error = tk::saveIniFile(options.profilePath, profile);
    if (!error.empty()) result.fileErrors.push_back("the profile was not saved: " + error);
  }
  return result;
}

}  // namespace orbel::cli
