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

// The HLS filter dialog in its edit mode, on the host's HLS node lists, with
// `manager` (a new one when null). OK: the manager holds the confirmed user
// SAPs and flags, the shared nodes the confirmed ticks, "FilterType" the
// chosen entry; a new manager goes to the caller through `manager`, who
// deletes it; returns true. Cancel: false, `manager` unchanged.
ORBEL_EXPORT bool OrbelGetHlsFilterBuffer(SapFilterManager*& manager);

// The HLS filter dialog in its display-filter mode. Null at once when `len`
// or `flag` is null. OK: stores the manager as above, the display box state
// (0 or 1) through `flag`, and returns the display-filter message
// (malloc'ed, released with free(), its length through `len`), or null with
// length 0 when none was built. Cancel: null, nothing changed.
ORBEL_EXPORT unsigned char* OrbelGetDisplayFilterBuffer(unsigned int* len, unsigned int* flag,
                                                        SapFilterManager*& manager);

// The default filter, without showing anything: the HLS filter dialog's OK
// step on filter-type entry 1 with `manager` (a new one when null, handed to
// the caller through `manager`). The user SAPs become every ticked node of
// the SAP tree and the whole standard SAP list.
ORBEL_EXPORT void OrbelGetDefaultFilterTT(SapFilterManager*& manager);
