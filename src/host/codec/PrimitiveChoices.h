// The primitives a picker offers from a description set: how each one is
// shown, and which ones a typed filter keeps. The library's picker dialog and
// the Qt host's drop-down both list primitives through it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "host/codec/PsdlDescriptions.h"

namespace psdl {

// The parameter type's name, or "(no parameter)".
std::string parameterText(const PrimitiveDesc& primitive);

// The name and the parameter text, two spaces apart.
std::string choiceText(const PrimitiveDesc& primitive);

// The positions in `set.primitives` of the primitives that every word of
// `filter` (words are separated by blanks) names part of, ignoring case: of
// the name, the parameter type, or the identifier in decimal.
// Every primitive for a filter without words; description order always.
std::vector<std::size_t> matchingPrimitives(const DescriptionSet& set, std::string_view filter);

}  // namespace psdl
