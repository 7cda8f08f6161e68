#include "host/FeatureManager.h"

#include <utility>

FeatureManager& FeatureManager::Instance() {
  static FeatureManager instance;  // the host's one process-wide manager
  return instance;
}

void FeatureManager::SetFeature(int number, bool on) {
  if (on)
    features_.insert(number);
  else
    features_.erase(number);
}

void FeatureManager::SetModule(int number, bool present) {
  if (present)
    modules_.insert(number);
  else
    modules_.erase(number);
}

void FeatureManager::ApplyState(State state) {
  features_ = std::move(state.features);
  modules_ = std::move(state.modules);
}
