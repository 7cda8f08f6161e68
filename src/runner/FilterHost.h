// The SAP filter model that a host keeps between calls and hands to the
// filter exports.
#pragma once

#include "orbel/filter/SapFilterManager.h"

namespace orbel::runner {

// The host's manager: null until first needed, then created with new and
// kept between calls, as the host keeps it between dialog runs; exports that
// take a SapFilterManager*& receive this pointer, and may create it through
// it. The CLI releases it after each `orbel run`, so every run starts from a
// fresh manager whose built-in SAPs follow that run's --features; the Qt
// host keeps it until it quits or the user resets it.
SapFilterManager*& hostSapFilterManager();

// The host's manager, created now when there is none yet.
SapFilterManager& ensureHostSapFilterManager();

// Deletes the host's manager (the host owns it). The next use creates a new
// one, whose built-in SAPs follow feature switch 130 as it is then.
void releaseHostSapFilterManager();

}  // namespace orbel::runner
