#include "host/PathResolver.h"

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
