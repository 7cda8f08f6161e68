// Reader of the SIM definition file (JSON; the format is described in
// data/README.md): turns the file's text into the manager's ordered lists,
// or says where and why the file is wrong.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "host/SimDefinitions.h"

// A definition file larger than this is refused before it is parsed.
inline constexpr std::size_t kSimDefinitionFileLimit = 1 << 20;

// The definitions of `text`, or an error such as
// "groups[1].records[0].fields[2]: \"width\" must be a number from 0 to 65535".
std::variant<SimDefinitions, std::string> readSimDefinitions(std::string_view text);
