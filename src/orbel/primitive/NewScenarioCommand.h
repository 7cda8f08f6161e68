// A new scenario command for a described primitive, its parameter holding
// the codec's default field values as the primitive dialog first shows them.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "host/codec/PsdlDescriptions.h"
#include "orbel/primitive/ScenarioCommand.h"

namespace CPsdlSystem_ns {
struct tVLink;
}

namespace orbel {

// A command to simulate, numbered `sequence` and named as selecting it in
// the editor would name it: after its parameter's codec variable, or after
// the primitive when it has none. Or why the link's codec could not encode
// the parameter, or the message would not fit its length word. The link must
// not hold a variable of that name; none is left behind.
std::variant<ScenarioCommandPtr, std::string> defaultScenarioCommand(CPsdlSystem_ns::tVLink& link,
                                                                     const psdl::PrimitiveDesc& primitive,
                                                                     std::int32_t sequence);

}  // namespace orbel
