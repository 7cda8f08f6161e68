// Path helpers of the host's utility library.
#pragma once

#include <string>

class CPathResolver {
 public:
  // Cuts `path` to its folder part (without the trailing separator, except
  // for the root folder); `rest` receives the file name.
  static void splitFullPath(std::string& path, std::string& rest);
};
