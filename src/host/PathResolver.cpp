#include "host/PathResolver.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

std::string withSeparator(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string xdgDataHome() {
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (dataHome != nullptr && dataHome[0] == '/') return withSeparator(dataHome);
  const char* home = std::getenv("HOME");
  return withSeparator(home != nullptr && home[0] != '\0' ? home : "/") + ".local/share/";
}

const char* kindFolder(int kind) {
  switch (kind) {
    case 1: return "layer2/";
    case 2: return "layer1-filters/";
    default: return nullptr;
  }
}

}  // namespace

void CPathResolver::splitFullPath(std::string& path, std::string& rest) {
  const auto separator = path.find_last_of('/');
  if (separator == std::string::npos) {
    rest = path;
    path.clear();
    return;
  }
  rest = path.substr(separator + 1);
  path.erase(separator == 0 ? 1 : separator);
}

CPathResolver& CPathResolver::Instance() {
  static CPathResolver instance;  // the host's one set of application folders
  return instance;
}

std::string CPathResolver::dataDir() const {
  return dataDir_.empty() ? xdgDataHome() + "orbel/" : withSeparator(dataDir_);
}

bool CPathResolver::getAbsPathApp(int kind, std::string& path) {
  const char* folder = kindFolder(kind);
  if (folder == nullptr) {
    path.clear();
    return false;
  }
  path = Instance().dataDir() + folder;
  std::error_code error;
  std::filesystem::create_directories(path, error);
  return !error && std::filesystem::is_directory(path, error);
}
