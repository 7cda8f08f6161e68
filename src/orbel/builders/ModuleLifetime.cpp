#include "orbel/builders/ModuleLifetime.h"

#include "toolkit/ResourceChain.h"

namespace orbel {

bool startModule() {
  tk::joinResourceChain(kTemplateModule);
  return tk::resourceChainHolds(kTemplateModule);
}

void stopModule() { tk::leaveResourceChain(kTemplateModule); }

tk::DialogTemplate dialogTemplate(std::string className, std::string title) {
  return {kTemplateModule, std::move(className), std::move(title)};
}

}  // namespace orbel
