// The application profile: integers, strings and binary values by section and
// key. Values are held as text, as in an INI file, and each reader decides how
// to read them; binary values are hexadecimal digits.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tk {

class ProfileStore {
 public:
  using Key = std::pair<std::string, std::string>;  // section, key

  int getInt(const std::string& section, const std::string& key, int fallback) const;
  std::string getString(const std::string& section, const std::string& key, const std::string& fallback = {}) const;
  // Nothing when the value is absent or is not a whole number of hex bytes.
  std::optional<std::vector<std::uint8_t>> getBinary(const std::string& section, const std::string& key) const;

  void writeInt(const std::string& section, const std::string& key, int value);
  void writeString(const std::string& section, const std::string& key, const std::string& value);
  void writeBinary(const std::string& section, const std::string& key, const std::vector<std::uint8_t>& value);

  // Sets a value read from storage: not a write, so neither logged nor passed on.
  void restore(const std::string& section, const std::string& key, std::string text);

  const std::map<Key, std::string>& values() const { return values_; }
  // Keys written since construction, in order of their first write.
  const std::vector<Key>& written() const { return written_; }

  // Told of every write, with the value as stored text (write-through storage).
  std::function<void(const Key&, const std::string&)> onWrite;
  // Told of every read of a value that is present, with its stored text (session recording).
  std::function<void(const Key&, const std::string&)> onRead;

 private:
  const std::string* find(const std::string& section, const std::string& key) const;
  void write(const std::string& section, const std::string& key, std::string text);

  std::map<Key, std::string> values_;
  std::vector<Key> written_;
};

}  // namespace tk
