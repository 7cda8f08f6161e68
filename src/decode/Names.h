// Names a decoder shows for routing bytes and primitive identifiers.
#pragma once

#include <cstdint>
#include <string>

#include "orbel/wire/DiagMessage.h"

namespace orbel {

// "RLC", "task 9", ...: the stack module that a ModuleId routes to; the
// SIM tasks by the names the host's SIM definitions give them.
std::string moduleName(ModuleId module);
// "timer enquiry", ..., or the SIM command of the host's definitions that
// uses the identifier; empty for an identifier the library does not build.
std::string commandName(std::uint32_t primitiveId);
// "protocol stack", ...; empty for an unknown group.
std::string groupName(std::uint32_t messageGroup);
// "port setting", ...: a layer-1 command code (bits 0 to 23 of the code
// word); empty for a code the library does not build.
std::string layer1CommandName(std::uint32_t code);

}  // namespace orbel
