// The configuration part shared by both layer-1 filter dialogs: one layer-1
// filter configuration, loaded from a filter file or the last-configuration
// store and written back to either.
#pragma once

#include <string>

#include "orbel/l1filter/PhyFaFilterConfig.h"

class PhyFaFilterBase {
 public:
  // Fills the configuration from the filter file at `path`, or from the
  // last-configuration store (else the built-in default) when `path` is
  // empty. A file that loads also becomes the stored last configuration. A
  // failure is told in a message box and leaves the configuration as it was.
  bool LoadPhyFaFilterConfig(const std::string& path);

  const orbel::PhyFaFilterConfig& Config() const { return m_config; }

 protected:
  // Writes the configuration to the filter file at `path` (atomically), or to
  // the last-configuration store when `path` is empty. A file that cannot be
  // written is told as "Open file for write fail: " and the path.
  bool WriteConfig(const std::string& path) const;

  orbel::PhyFaFilterConfig m_config;
};
