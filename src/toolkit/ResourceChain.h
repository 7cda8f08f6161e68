// The toolkit's resource chain: the resource modules whose dialog templates
// can be found. A library joins it when it starts and leaves when it stops;
// a dialog whose module has not joined cannot be created.
#pragma once

#include <string_view>

namespace tk {

void joinResourceChain(std::string_view module);
void leaveResourceChain(std::string_view module);
bool resourceChainHolds(std::string_view module);

}  // namespace tk
