// Reader of the primitive-description file (JSON; the format is described
// in data/README.md): turns its text into a description set, or says where
// and why the file is wrong.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "host/codec/PsdlDescriptions.h"

namespace psdl {

// A description file larger than this is refused before it is parsed.
inline constexpr std::size_t kDescriptionFileLimit = 1 << 20;

// The description set of `text`, or an error such as
// "types[2].fields[1]: \"max\" 300 does not fit 8 bits".
std::variant<DescriptionSet, std::string> readDescriptions(std::string_view text);

}  // namespace psdl
