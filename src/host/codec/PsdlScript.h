// Test-script text (Tcl) for variables and messages. The commands, in the
// namespace `orbel`, are described in data/README.md:
//   orbel::variable VAR TYPE          a variable of TYPE, fields at their defaults
//   orbel::field VAR PATH VALUE       one field (PATH a list of field names and [i])
//   orbel::send PRIMITIVE VAR         the primitive with VAR's value, simulated
//   orbel::await PRIMITIVE VAR        wait for the primitive with a value like VAR's
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/codec/PsdlValue.h"

namespace psdl {

// `text` as one Tcl word: as it stands when it holds only safe characters,
// otherwise in braces, or with backslashes where braces would not hold it.
std::string tclWord(std::string_view text);

// "orbel::variable" and one "orbel::field" line per value that the fields
// carry (counts and presence before what they govern).
void appendComposeLines(std::string_view varName, const TypeDesc& type, const std::vector<FieldValue>& fields,
                        std::string& text);
// "orbel::send" or "orbel::await" for `primitive` (may be empty) and the variable.
void appendPlayLine(std::string_view verb, std::string_view primitive, std::string_view varName, std::string& text);

// One line per field value, "path = value" with the comment after it, for
// the decoders.
std::vector<std::string> fieldListing(const std::vector<FieldValue>& fields);

}  // namespace psdl
