// Feature switches and host-module presence, as the host program sets them.
// Without settings every switch is off and every host module absent; the CLI
// (--features, --modules), the Qt host's menu and test fixtures change them.
#pragma once

#include <set>

class FeatureManager {
 public:
  static FeatureManager& Instance();

  bool GetFeature(int number) const { return features_.contains(number); }
  bool GetModule(int number) const { return modules_.contains(number); }

  void SetFeature(int number, bool on);
  void SetModule(int number, bool present);
  // Back to the defaults: all switches off, all modules absent.
  void Reset();

  const std::set<int>& features() const { return features_; }
  const std::set<int>& modules() const { return modules_; }

 private:
  FeatureManager() = default;

  std::set<int> features_;
  std::set<int> modules_;
};
