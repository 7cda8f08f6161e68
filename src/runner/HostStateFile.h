// The objects a host keeps between export calls, as one JSON document that
// a headless host reads before a call and writes after it, so that a
// sequence of calls in separate processes behaves like one host session.
// Each kind of object is one entry of the document (and one row of the
// table in HostStateFile.cpp): "sapFilterManager", "hlsNodeTicks".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orbel::runner {

// A state file larger than this is refused before it is parsed.
inline constexpr std::size_t kHostStateFileLimit = 16 << 20;

// The document for the objects the host holds now.
std::string hostStateText();
// Replaces the host's objects by those `text` holds. On a fault nothing
// changes and the error names the faulty entry; empty on success. An entry
// the document does not hold leaves its object as it is.
std::string applyHostStateText(std::string_view text);

// The same with a file: a missing file holds no objects (the first call of
// a session), anything else that cannot be read is an error naming it.
std::string loadHostStateFile(const std::string& path);
// Writes the document (replacing the file whole); an error naming it, or empty.
std::string saveHostStateFile(const std::string& path);

}  // namespace orbel::runner
