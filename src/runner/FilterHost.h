// The SAP filter model that a host keeps between calls and hands to the
// filter exports.
#pragma once

#include "orbel/filter/SapFilterManager.h"

namespace orbel::runner {

// The host's manager, created with new on first use and kept for the life of
// the process, as the host keeps it between dialog runs; exports that take a
// SapFilterManager*& receive this pointer. The CLI runs one export per
// process, so every `orbel run` starts from a fresh manager whose built-in
// SAPs follow that run's --features.
SapFilterManager*& hostSapFilterManager();

}  // namespace orbel::runner
