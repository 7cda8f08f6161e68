// Reads and writes a ProfileStore as an INI file ("[Section]" lines and
// "key=value" lines). Loading is all or nothing: a profile that cannot be
// read whole leaves the store untouched and must not be saved over, or the
// keys it could not read would be lost. Saving replaces the file atomically
// (see AtomicFile.h).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "toolkit/ProfileStore.h"

namespace tk {

// The largest profile read; a larger file is refused, not read in part.
inline constexpr std::size_t kProfileSizeLimit = 16 << 20;

// Loads `path` into `store`. A missing file is an empty profile; a folder, a
// FIFO or device, a file above kProfileSizeLimit, a read error or a malformed
// line is an error. Returns an error text naming the file, empty on success.
std::string loadIniFile(const std::string& path, ProfileStore& store);
// Parses INI `text`; errors name `source` and the line. The store is changed
// only on success.
std::string parseIniText(std::string_view text, const std::string& source, ProfileStore& store);
// The store as INI text, sections and keys in order; parseIniText reads it back.
std::string formatIniText(const ProfileStore& store);
std::string saveIniFile(const std::string& path, const ProfileStore& store);

}  // namespace tk
