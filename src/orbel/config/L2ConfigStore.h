// "L2Config.dat", the stored default of the layer-2 configuration, in the
// application folder of kind 1.
#pragma once

#include <optional>
#include <string>

#include "orbel/config/L2ConfigLayout.h"

namespace orbel {

inline constexpr char kL2ConfigFileName[] = "L2Config.dat";

// The file's full path; empty when the folder cannot be had.
std::string l2ConfigFilePath();

// The stored configuration, or nothing when there is none to use: no file,
// not a regular file, or a file of another size than 824 bytes (a file cut
// short would otherwise mix its ticks with zeros it never held).
std::optional<L2ConfigFile> loadL2ConfigFile();

// Replaces the file as a whole; an error text, empty on success.
std::string saveL2ConfigFile(const L2ConfigFile& file);

}  // namespace orbel
