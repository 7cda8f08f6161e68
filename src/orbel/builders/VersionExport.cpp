// The library's version, as the build configured it.
#include "orbel/Version.h"

const char* OrbelVersion() { return ORBEL_VERSION_STRING; }
