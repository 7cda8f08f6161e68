// Applies one scripted user action to a dialog's control, exactly as the user
// doing it in a visual backend would.
#pragma once

#include <string>

#include "toolkit/Dialog.h"
#include "toolkit/Script.h"

namespace tk {

// Returns an error text, empty when the action was carried out.
std::string applyAction(CDialog& dialog, const ScriptAction& action);

}  // namespace tk
