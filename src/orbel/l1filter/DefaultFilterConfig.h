// The layer-1 filter configuration in force when none was confirmed yet (the
// built-in default), and the last-configuration store in the application
// profile that holds the configuration most recently confirmed or loaded.
#pragma once

#include "orbel/l1filter/PhyFaFilterConfig.h"

namespace orbel {

inline constexpr char kLastPhyFaConfigSection[] = "Settings";
inline constexpr char kLastPhyFaConfigKey[] = "LastPhyFaConfig";

const PhyFaFilterConfig& builtInPhyFaFilterConfig();

// The stored last configuration when the profile holds exactly 1128 bytes
// for it; otherwise (absent, another length, no toolkit) the built-in default.
PhyFaFilterConfig lastOrDefaultPhyFaFilterConfig();

// Makes `config` the stored last configuration; nothing without a toolkit.
void storeLastPhyFaFilterConfig(const PhyFaFilterConfig& config);

}  // namespace orbel
