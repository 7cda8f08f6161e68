// The clipboard service of the host's utility library.
#pragma once

#include <string>

#include "toolkit/Dialog.h"

// Puts `text` on the clipboard of the installed toolkit; without a toolkit
// nothing happens. `window` is the dialog that asks.
void CopyTextToClipboard(tk::CWnd* window, const std::string& text);
