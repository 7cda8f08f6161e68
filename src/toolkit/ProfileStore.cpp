#include "toolkit/ProfileStore.h"

#include <algorithm>
#include <charconv>

namespace tk {
namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

const std::string* ProfileStore::find(const std::string& section, const std::string& key) const {
  auto found = values_.find({section, key});
  if (found == values_.end()) return nullptr;
  if (onRead) onRead(found->first, found->second);
  return &found->second;
}

int ProfileStore::getInt(const std::string& section, const std::string& key, int fallback) const {
  const std::string* stored = find(section, key);
  if (stored == nullptr) return fallback;
  const std::string& text = *stored;
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() ? value : fallback;
}

std::string ProfileStore::getString(const std::string& section, const std::string& key,
                                    const std::string& fallback) const {
  const std::string* stored = find(section, key);
  return stored == nullptr ? fallback : *stored;
}

std::optional<std::vector<std::uint8_t>> ProfileStore::getBinary(const std::string& section,
                                                                 const std::string& key) const {
  const std::string* stored = find(section, key);
  if (stored == nullptr || stored->size() % 2 != 0) return std::nullopt;
  const std::string& text = *stored;
  std::vector<std::uint8_t> bytes;
  bytes.reserve(text.size() / 2);
  for (std::size_t i = 0; i < text.size(); i += 2) {
    int high = hexDigit(text[i]);
    int low = hexDigit(text[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
  }
  return bytes;
}

void ProfileStore::writeInt(const std::string& section, const std::string& key, int value) {
  write(section, key, std::to_string(value));
}

void ProfileStore::writeString(const std::string& section, const std::string& key, const std::string& value) {
  write(section, key, value);
}

void ProfileStore::writeBinary(const std::string& section, const std::string& key,
                               const std::vector<std::uint8_t>& value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(value.size() * 2);
  for (std::uint8_t byte : value) {
    text.push_back(kDigits[byte >> 4]);
    text.push_back(kDigits[byte & 0x0F]);
  }
  write(section, key, std::move(text));
}

void ProfileStore::restore(const std::string& section, const std::string& key, std::string text) {
  values_[{section, key}] = std::move(text);
}

void ProfileStore::write(const std::string& section, const std::string& key, std::string text) {
  Key where{section, key};
  std::string& stored = values_[where];
  stored = std::move(text);
  if (onWrite) onWrite(where, stored);
  if (std::find(written_.begin(), written_.end(), where) == written_.end()) written_.push_back(std::move(where));
}

}  // namespace tk
