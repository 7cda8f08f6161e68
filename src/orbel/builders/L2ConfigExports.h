// The layer-2 configuration export: which layer-2 protocols and SAP
// identities take part in the SAP trace filter.
#pragma once

#include "orbel/Export.h"

// Runs the layer-2 configuration dialog. `sapFilter` carries a
// SapFilterManager* (or null: the dialog creates a model, which the caller
// owns after OK); `summary` points at the 12-byte summary and `state` at the
// 792-byte state block. With `fromFile` 0 the dialog opens from `state` and
// the select-all states in bytes 4 to 11 of `summary`; otherwise from
// "L2Config.dat" (all off when there is none). True when the user confirmed:
// the model's layer-2 list, `state` and `summary` then hold the result.
// False, with nothing changed, on Cancel or when `summary` or `state` is
// null. `ignored1` and `ignored2` are never read.
ORBEL_EXPORT bool GetL2Config(unsigned int* ignored1, unsigned int* ignored2, unsigned char*& sapFilter,
                              unsigned char* summary, unsigned char* state, int fromFile);
