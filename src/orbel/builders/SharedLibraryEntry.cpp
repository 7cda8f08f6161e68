// Load and unload hooks of the shared library: the host's loader runs them as
// it maps and unmaps the library, as it would a DLL's entry point.
#include <cstdlib>

#include "orbel/builders/ModuleLifetime.h"

namespace {

__attribute__((constructor)) void orbelLoaded() {
  if (!orbel::startModule()) std::abort();  // a library that cannot start must not load
}

__attribute__((destructor)) void orbelUnloaded() { orbel::stopModule(); }

}  // namespace
