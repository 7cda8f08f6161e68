// Exports of the layer-1 trace filter. The configuration handed out is a
// malloc'ed block of exactly one 1128-byte layer-1 filter configuration,
// without a message header, that the caller releases with free().
#pragma once

#include "orbel/Export.h"

// The last confirmed layer-1 filter configuration, or the built-in default
// when none is stored; no dialog. Null when `length` is null; *length is
// 1128 on success and 0 when the block cannot be allocated.
ORBEL_EXPORT unsigned char* GetPhyFaFilterDefault(unsigned int* length);

// Shows a layer-1 filter dialog (the basic one while feature switch 124 is on
// or host module 47, 42 or 41 is present, the full one otherwise) and returns
// the confirmed configuration, 1128 bytes through *length. Null without a
// dialog when `length` is null; null with *length unchanged when the dialog
// is not confirmed.
ORBEL_EXPORT unsigned char* GetPhyFaFilter(unsigned int* length);
