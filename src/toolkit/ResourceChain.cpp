#include "toolkit/ResourceChain.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tk {
namespace {

// One chain per process, as the toolkit keeps it; only the UI thread uses it.
std::vector<std::string>& chain() {
  static std::vector<std::string> modules;
  return modules;
}

}  // namespace

void joinResourceChain(std::string_view module) {
  if (!resourceChainHolds(module)) chain().emplace_back(module);
}

void leaveResourceChain(std::string_view module) { std::erase(chain(), std::string(module)); }

bool resourceChainHolds(std::string_view module) {
  return std::find(chain().begin(), chain().end(), module) != chain().end();
}

}  // namespace tk
