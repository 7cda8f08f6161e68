// Test support: the application folders moved into a fresh temporary folder
// for one scope; the folder and everything in it go when the scope ends.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "host/PathResolver.h"
#include "host/ScopedHostState.h"

namespace orbel::test {

class ScopedDataDir {
 public:
  ScopedDataDir() : root_(makeRoot()), scope_(CPathResolver::Instance(), {root_.string()}) {}
  ~ScopedDataDir() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  ScopedDataDir(const ScopedDataDir&) = delete;
  ScopedDataDir& operator=(const ScopedDataDir&) = delete;

  const std::filesystem::path& root() const { return root_; }
  // The application folder of `kind`, ending with a separator.
  std::string folder(int kind) const {
    std::string path;
    CPathResolver::getAbsPathApp(kind, path);
    return path;
  }

 private:
  static std::filesystem::path makeRoot() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orbel-data-XXXXXX").string();
    return mkdtemp(pattern.data()) != nullptr ? std::filesystem::path(pattern) : std::filesystem::path();
  }

  std::filesystem::path root_;
  ScopedHostState<CPathResolver> scope_;
};

}  // namespace orbel::test
