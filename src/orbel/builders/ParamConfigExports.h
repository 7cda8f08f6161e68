// Exports of the stack configuration: the other radio parameters that the
// terminal reports, and the AMR voice-path save options. The dialog class
// COtherParamCfgDlg (orbel/config/COtherParamCfgDlg.h) is exported as well.
#pragma once

#include "orbel/Export.h"
#include "orbel/config/SaveAmrVpParam.h"

// The other-parameter configuration command (primitive 12200): built from the
// stored configuration when `showDialog` is 0, otherwise from the one the
// user confirms in the dialog. The message is malloc'ed and released by the
// caller with free(); its length goes to `length`. Null with `length` 0 on
// Cancel or while feature switch 143 is off.
ORBEL_EXPORT unsigned char* GetOtherParamCfg(unsigned char showDialog, int& length);

// AMR voice-path save options: 1 when the user confirmed the dialog and chose
// a file (`param` filled), 0 otherwise (`param` unchanged).
ORBEL_EXPORT int GetAmrVpCfg(SaveAmrVpParam& param);
