// Exports of the trace search: the modeless search dialog that serves a
// search record of the host's, and a modal dialog that returns a search text.
// The dialog class CTrcSrchDlg (orbel/search/CTrcSrchDlg.h) is exported as well.
#pragma once

#include "orbel/Export.h"
#include "orbel/search/SearchRecord.h"

// Destroys the dialog that serves `record` (when there is one) and shows a
// new modeless one with the tabs `tabs` (bit 0 string search, bit 1 message
// search), stored in `record->dialog`. On each Find the host's main window
// receives notification 0x803 with `record->hostParam` and `record`. The
// record must stay valid while its dialog exists; the host ends a dialog it
// no longer wants with DestroyWindow() and delete. The bool is not used.
// Always returns 0.
ORBEL_EXPORT int SrchDlgGetSearchMethod(TAG_KOVA_SERACH_METHOD_RECORD* record, int tabs, bool& unused);

// Runs the search dialog with both tabs modally: 0 with the search text in
// `text` when the user confirms (OK or Find-and-close), -1 otherwise (`text`
// unchanged).
ORBEL_EXPORT int SrchDlgGetSearchString(tk::CString& text);
