// Start-up and tear-down of the library as an extension module of the host's
// toolkit: joining the resource chain makes the library's dialog templates
// findable, so its dialogs can be created; leaving it makes them unavailable.
#pragma once

#include <string>

#include "toolkit/Dialog.h"

namespace orbel {

inline constexpr char kTemplateModule[] = "orbel";

bool startModule();
void stopModule();

// The template of one of the library's dialogs.
tk::DialogTemplate dialogTemplate(std::string className, std::string title);

}  // namespace orbel
