// Feature switches and host-module presence, as the host program sets them.
// Without settings every switch is off and every host module absent; the CLI
// (--features, --modules) and the Qt host's menu apply theirs, tests change
// them for one scope through ScopedHostState.
#pragma once

#include <set>

class FeatureManager {
 public:
  static FeatureManager& Instance();

  bool GetFeature(int number) const { return features_.contains(number); }
  bool GetModule(int number) const { return modules_.contains(number); }

  void SetFeature(int number, bool on);
  void SetModule(int number, bool present);

  // Every switch that is on and every module present, read and replaced as a
  // whole: the host applies its settings in one step, and a ScopedHostState
  // puts back what a scope changed.
  struct State {
    std::set<int> features;
    std::set<int> modules;
  };
  State CurrentState() const { return {features_, modules_}; }
  void ApplyState(State state);

  const std::set<int>& features() const { return features_; }
  const std::set<int>& modules() const { return modules_; }

 private:
  FeatureManager() = default;

  std::set<int> features_;
  std::set<int> modules_;
};
