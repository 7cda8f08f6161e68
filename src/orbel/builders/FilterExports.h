// The exported entry points of the trace filters. The SAP filter model
// itself is the exported class SapFilterManager (orbel/filter/SapFilterManager.h).
#pragma once

#include "orbel/Export.h"
#include "orbel/filter/SapFilterManager.h"

// The compact message filter. Shows the dialog with `filterType` (0 to 6)
// and `workMode` chosen, or confirms it at once when `interactive` is false.
// On OK stores the work mode, the filter code, the full flag (1 for the full
// option) and the work-mode state, and returns the filter message: malloc'ed,
// released by the caller with free(), its length in its first 16-bit word.
// Null when `fullSet` is null, on Cancel (nothing changed) or when no message
// was built.
ORBEL_EXPORT unsigned char* GetFilterMsgMini(unsigned int* fullSet, unsigned int* workModeState, int& workMode,
                                             int& filterType, bool interactive);
