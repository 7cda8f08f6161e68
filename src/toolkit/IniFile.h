// Reads and writes a ProfileStore as an INI file ("[Section]" lines and
// "key=value" lines). Saving replaces the file atomically.
#pragma once

#include <string>

#include "toolkit/ProfileStore.h"

namespace tk {

// Loads `path` into `store`. A missing file is an empty profile. Returns an
// error text, empty on success.
std::string loadIniFile(const std::string& path, ProfileStore& store);
std::string saveIniFile(const std::string& path, const ProfileStore& store);

}  // namespace tk
