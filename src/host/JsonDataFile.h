// What the host's JSON data-file readers (SIM definitions, HLS filter nodes,
// primitive descriptions) share: a refusal that names the place of the
// fault, and the checks of an object's keys.
#pragma once

#include <charconv>
#include <cstdint>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

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

// The value under `key`; refuses an object without one.
inline const nlohmann::json& require(const nlohmann::json& object, const char* key, const std::string& where) {
  const nlohmann::json* value = find(object, key);
  if (value == nullptr) fail(where, std::string("\"") + key + "\" is missing");
  return *value;
}

// The array under `key`; refuses an object without one or with another kind of value there.
inline const nlohmann::json& array(const nlohmann::json& object, const char* key, const std::string& where) {
  const nlohmann::json& value = require(object, key, where);
  if (!value.is_array()) fail(where, std::string("\"") + key + "\" must be an array");
  return value;
}

// The text under `key`; empty when it is left out and not `required`.
inline std::string text(const nlohmann::json& object, const char* key, const std::string& where, bool required) {
  const nlohmann::json* value = find(object, key);
  if (value == nullptr) {
    if (required) fail(where, std::string("\"") + key + "\" is missing");
    return {};
  }
  if (!value->is_string()) fail(where, std::string("\"") + key + "\" must be a text");
  return value->get<std::string>();
}

// A number of 0 or more written as a JSON integer, or as a string of decimal
// digits or "0x" and hexadecimal digits (identifiers read best in hex); none
// for anything else.
inline std::optional<std::uint64_t> unsignedNumberOf(const nlohmann::json& value) {
  if (value.is_number_unsigned()) return value.get<std::uint64_t>();
  if (!value.is_string()) return std::nullopt;  // a negative integer among the rest
  std::string_view text = value.get_ref<const std::string&>();
  int base = 10;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    base = 16;
    text.remove_prefix(2);
  }
  std::uint64_t parsed = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return parsed;
}

}  // namespace orbel::datafile
