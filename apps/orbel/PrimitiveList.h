// `orbel primitives`: the primitives the host's descriptions know, with the
// values OrbelGetPsdlCmdBuffer takes for each.
#pragma once

#include <ostream>

namespace orbel::cli {

// Throws DataError when the description file a host named cannot be used.
void printPrimitives(std::ostream& out);

}  // namespace orbel::cli
