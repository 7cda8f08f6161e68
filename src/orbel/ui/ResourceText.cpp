#include "orbel/ui/ResourceText.h"

#include "host/StringTable.h"

namespace orbel {

std::string formatResourceString(unsigned id, std::string_view argument) {
  std::string text = getResourceStringComm(id);
  const std::size_t placeholder = text.find("%s");
  if (placeholder != std::string::npos) text.replace(placeholder, 2, argument);
  return text;
}

}  // namespace orbel
