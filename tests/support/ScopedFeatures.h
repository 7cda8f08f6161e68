// Test support: the host's feature switches and modules set to exactly the
// given ones for one scope, and the previous ones restored afterwards.
#pragma once

#include <set>
#include <utility>

#include "host/FeatureManager.h"
#include "host/ScopedHostState.h"

namespace orbel::test {

class ScopedFeatures {
 public:
  explicit ScopedFeatures(std::set<int> features, std::set<int> modules = {})
      : scope_(FeatureManager::Instance(), {std::move(features), std::move(modules)}) {}

 private:
  ScopedHostState<FeatureManager> scope_;
};

}  // namespace orbel::test
