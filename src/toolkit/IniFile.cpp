#include "toolkit/IniFile.h"

#include <sstream>
#include <tuple>
#include <vector>

#include "toolkit/AtomicFile.h"
#include "toolkit/FileRead.h"

namespace tk {
namespace {

std::string_view trim(std::string_view text) {
  auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

}  // namespace

std::string parseIniText(std::string_view text, const std::string& source, ProfileStore& store) {
  std::vector<std::tuple<std::string, std::string, std::string>> entries;
  std::string section;
  int number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    const std::string where = source + ":" + std::to_string(++number) + ": ";
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[') {
      if (line.back() != ']') return where + "unterminated section name";
      section = trim(line.substr(1, line.size() - 2));
      if (section.empty()) return where + "empty section name";
      continue;
    }
    auto equals = line.find('=');
    if (equals == std::string_view::npos || section.empty()) return where + "expected key=value inside a [section]";
    entries.emplace_back(section, trim(line.substr(0, equals)), trim(line.substr(equals + 1)));
  }
  for (auto& [entrySection, key, value] : entries) store.restore(entrySection, key, std::move(value));
  return {};
}

std::string loadIniFile(const std::string& path, ProfileStore& store) {
  FileRead read = readRegularFile(path, kProfileSizeLimit);
  if (read.status == FileRead::Status::Missing) return {};
  if (!read.ok()) return describeRefusal(read, path, "profile");
  return parseIniText(read.bytes, path, store);
}

std::string formatIniText(const ProfileStore& store) {
  std::ostringstream out;
  const std::string* section = nullptr;
  for (const auto& [key, value] : store.values()) {
    if (section == nullptr || *section != key.first) {
      if (section != nullptr) out << '\n';
      out << '[' << key.first << "]\n";
      section = &key.first;
    }
    out << key.second << '=' << value << '\n';
  }
  return out.str();
}

std::string saveIniFile(const std::string& path, const ProfileStore& store) {
  return writeFileAtomically(path, formatIniText(store));
}

}  // namespace tk
