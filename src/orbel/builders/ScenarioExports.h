// The scenario editor export: the primitive control dialog on a scenario
// file named by the host.
#pragma once

#include "orbel/Export.h"

namespace CPsdlSystem_ns {
struct tVLink;
}

// 0 when the user closed the editor with OK; -1 for a null link or path, a
// path longer than 255 characters, or any other ending. The editor loads the
// file itself and saves only when the user asks.
ORBEL_EXPORT int ScenarioFileCreate(CPsdlSystem_ns::tVLink* link, const char* path);
