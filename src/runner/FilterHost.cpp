#include "runner/FilterHost.h"

namespace orbel::runner {

SapFilterManager*& hostSapFilterManager() {
  static SapFilterManager* manager = nullptr;  // host-owned, lives between calls
  return manager;
}

SapFilterManager& ensureHostSapFilterManager() {
  SapFilterManager*& manager = hostSapFilterManager();
  if (manager == nullptr) manager = new SapFilterManager;
  return *manager;
}

void releaseHostSapFilterManager() {
  SapFilterManager*& manager = hostSapFilterManager();
  delete manager;
  manager = nullptr;
}

}  // namespace orbel::runner
