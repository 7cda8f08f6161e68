// What the host's JSON data-file readers (SIM definitions, HLS filter nodes,
// primitive descriptions) share: a refusal that names the place of the
// fault, and the checks of an object's keys.
#pragma once

#include <initializer_list>
#include <nlohmann/json.hpp>
#include <string>

namespace orbel::datafile {

// Thrown by a reader at the first fault; the reader's entry point turns it
// into its error text.
struct FileError {
  std::string text;
};

// "types[2].fields[1]: "max" must be a number ...".
[[noreturn]] inline void fail(const std::string& where, const std::string& what) {
  throw FileError{where + ": " + what};
}

// Refuses a value that is not an object or holds a key not in `keys`.
inline void expectOnly(const nlohmann::json& object, std::initializer_list<const char*> keys,
                       const std::string& where) {
  if (!object.is_object()) fail(where, "an object is expected");
  for (const auto& [key, value] : object.items()) {
    bool known = false;
    for (const char* allowed : keys) known = known || key == allowed;
    if (!known) fail(where, "unexpected \"" + key + "\"");
  }
}

// The value under `key`, or null when the object has none.
inline const nlohmann::json* find(const nlohmann::json& object, const char* key) {
  auto found = object.find(key);
  return found == object.end() ? nullptr : &*found;
}

}  // namespace orbel::datafile
