// The host program's own settings: which feature switches are on, which
// host modules are present, where the application folders lie and which filter
// modules are not loaded. Kept in the application profile, section "Host", and
// applied to the FeatureManager, the path resolver and the HostModules.
#pragma once

#include <set>
#include <string>

#include "toolkit/ProfileStore.h"

namespace orbel::host {

struct HostSettings {
  std::set<int> features;
  std::set<int> modules;
  std::string dataDir;  // empty: the user's data folder
  bool hlsFilterModule = true;  // the filter modules that fill the HLS filter dialog's types
  bool saveAsModule = true;
};

HostSettings loadHostSettings(const tk::ProfileStore& profile);
void saveHostSettings(tk::ProfileStore& profile, const HostSettings& settings);
// The one place the Qt host sets the host's state, at start and from its menu.
void applyHostSettings(const HostSettings& settings);

// "113,124" and back; numbers that do not parse are dropped.
std::string joinNumbers(const std::set<int>& numbers);
std::set<int> splitNumbers(std::string text);

}  // namespace orbel::host
