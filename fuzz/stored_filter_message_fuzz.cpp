// Puts arbitrary bytes into the profile as the stored filter message and
// asks the compact filter for it, confirmed at once. A message counts as
// stored exactly when it is at least a frame long and its first word is its
// size; then it is sent unchanged with filter code 6, otherwise the base
// filter (162 SAPs) goes out with code 0.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <vector>

#include "FuzzCheck.h"
#include "host/FeatureManager.h"
#include "host/ScopedHostState.h"
#include "orbel/builders/FilterExports.h"
#include "orbel/builders/ModuleLifetime.h"
#include "orbel/filter/StoredFilterMessage.h"
#include "toolkit/ScriptedToolkit.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool started = orbel::startModule();
  fuzzCheck(started, "the library starts");
  const std::span<const std::uint8_t> bytes(data, size);
  const bool valid = size >= 24 && static_cast<std::size_t>(data[0] | data[1] << 8) == size;
  fuzzCheck(orbel::isValidStoredFilterMessage(bytes) == valid, "validity is the size and the first word");

  const ScopedHostState<FeatureManager> defaults(FeatureManager::Instance(), {});  // every switch off
  tk::ProfileStore profile;
  profile.writeBinary(orbel::kSettingsSection, orbel::kStoredFilterMessageKey, {bytes.begin(), bytes.end()});
  tk::ScriptedToolkit toolkit({}, profile);
  tk::ToolkitInstallation installation(toolkit);
  unsigned int fullSet = 0, workModeState = 0;
  int workMode = 0, filterType = 6;
  unsigned char* message = GetFilterMsgMini(&fullSet, &workModeState, workMode, filterType, false);
  fuzzCheck(message != nullptr, "a confirmed filter always has a message");
  const std::size_t length = static_cast<std::size_t>(message[0] | message[1] << 8);
  if (valid) {
    fuzzCheck(filterType == 6 && length == size && std::memcmp(message, data, size) == 0,
              "a valid stored message goes out unchanged");
  } else {
    fuzzCheck(filterType == 0 && length == 28 + 4 * 162, "otherwise the base filter goes out");
  }
  std::free(message);
  return 0;
}
