#include "host/codec/PsdlLink.h"

#include <cstdlib>

#include "host/codec/PsdlDescriptionFile.h"
#include "toolkit/FileRead.h"

std::string_view builtInPrimitiveDescriptionText();

namespace psdl {

std::shared_ptr<const DescriptionSet> builtInDescriptions() {
  static const std::shared_ptr<const DescriptionSet> set = [] {
    auto read = readDescriptions(builtInPrimitiveDescriptionText());
    // The built-in text is checked by the tests; a broken one gives an empty set.
    auto* described = std::get_if<DescriptionSet>(&read);
    return std::make_shared<const DescriptionSet>(described != nullptr ? std::move(*described) : DescriptionSet{});
  }();
  return set;
}

std::variant<std::shared_ptr<const DescriptionSet>, std::string> loadDescriptionFile(const std::string& path) {
  const tk::FileRead file = tk::readRegularFile(path, kDescriptionFileLimit);
  if (!file.ok()) return tk::describeRefusal(file, path, "primitive description file");
  auto read = readDescriptions(file.bytes);
  if (auto* error = std::get_if<std::string>(&read)) return path + ": " + *error;
  return std::make_shared<const DescriptionSet>(std::move(std::get<DescriptionSet>(read)));
}

std::variant<std::shared_ptr<const DescriptionSet>, std::string> hostDescriptions() {
  const char* path = std::getenv("ORBEL_PRIMITIVE_DESCRIPTIONS");
  if (path != nullptr && *path != '\0') return loadDescriptionFile(path);
  return builtInDescriptions();
}

}  // namespace psdl
