#include "orbel/config/L2ConfigStore.h"

#include <string_view>
#include <variant>

#include "host/PathResolver.h"
#include "toolkit/AtomicFile.h"
#include "toolkit/FileRead.h"

namespace orbel {

std::string l2ConfigFilePath() {
  std::string folder;
  if (!CPathResolver::getAbsPathApp(1, folder)) return {};
  return folder + kL2ConfigFileName;
}

std::optional<L2ConfigFile> loadL2ConfigFile() {
  const std::string path = l2ConfigFilePath();
  if (path.empty()) return std::nullopt;
  const tk::FileRead read = tk::readRegularFile(path, kL2ConfigFileSize);
  if (!read.ok()) return std::nullopt;
  const auto* data = reinterpret_cast<const std::uint8_t*>(read.bytes.data());
  auto decoded = decodeL2ConfigFile(std::span(data, read.bytes.size()));
  if (auto* file = std::get_if<L2ConfigFile>(&decoded)) return *file;
  return std::nullopt;
}

std::string saveL2ConfigFile(const L2ConfigFile& file) {
  const std::string path = l2ConfigFilePath();
  if (path.empty()) return "the folder of " + std::string(kL2ConfigFileName) + " cannot be created";
  const auto bytes = encodeL2ConfigFile(file);
  return tk::writeFileAtomically(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace orbel
