// The peer save-as export: how and where the host saves a peer's recorded
// data, chosen in the peer save-as dialog and its text panel.
#pragma once

#include "orbel/Export.h"
#include "orbel/primitive/SaveAsInfo.h"

// Hands the peer save-as dialog and `options` to the host's save-as module,
// which points the dialog at the block and runs it; returns what the module
// returns (1 when the user confirmed and chose a file, `options` then filled;
// 0 otherwise, the block's filter data aside, which the HLS filter edit box
// replaces as it is used). 0 at once when `options` is null or the save-as
// module is absent.
ORBEL_EXPORT int OrbelGetSaveAsInfo(SaveAsInfo* options);
