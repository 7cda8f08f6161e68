#include "HostSettings.h"

#include <filesystem>

#include "host/FeatureManager.h"
#include "host/PathResolver.h"
#include "host/HostModules.h"
#include "runner/ExportTable.h"

namespace orbel::host {

HostSettings loadHostSettings(const tk::ProfileStore& profile) {
  return {splitNumbers(profile.getString("Host", "Features")), splitNumbers(profile.getString("Host", "Modules")),
          profile.getString("Host", "DataDir"),
          profile.getInt("Host", "HlsFilterModule", 1) != 0, profile.getInt("Host", "SaveAsModule", 1) != 0};
}

void saveHostSettings(tk::ProfileStore& profile, const HostSettings& settings) {
  profile.writeString("Host", "Features", joinNumbers(settings.features));
  profile.writeString("Host", "Modules", joinNumbers(settings.modules));
  profile.writeString("Host", "DataDir", settings.dataDir);
  profile.writeInt("Host", "HlsFilterModule", settings.hlsFilterModule ? 1 : 0);
  profile.writeInt("Host", "SaveAsModule", settings.saveAsModule ? 1 : 0);
}

void applyHostSettings(const HostSettings& settings) {
  FeatureManager::Instance().ApplyState({settings.features, settings.modules});
  // Made absolute once, here, so that no later change of the current folder moves it.
  std::error_code error;
  const std::filesystem::path dataDir =
      settings.dataDir.empty() ? std::filesystem::path() : std::filesystem::absolute(settings.dataDir, error);
  CPathResolver::Instance().SetDataDir(error ? settings.dataDir : dataDir.string());
  HostModules::Instance().ApplyState({settings.hlsFilterModule, settings.saveAsModule});
}

std::string joinNumbers(const std::set<int>& numbers) {
  std::string text;
  for (int number : numbers) text += (text.empty() ? "" : ",") + std::to_string(number);
  return text;
}

std::set<int> splitNumbers(std::string text) {
  // Quotes come from profiles the Qt settings class wrote before the host
  // shared the CLI's INI store ("124,130"); entries that are not numbers are
  // left out.
  std::erase(text, '"');
  return runner::parseSwitchList(text).numbers;
}

}  // namespace orbel::host
