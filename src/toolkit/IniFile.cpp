#include "toolkit/IniFile.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "toolkit/AtomicFile.h"

namespace tk {
namespace {

std::string trim(const std::string& text) {
  auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

}  // namespace

std::string loadIniFile(const std::string& path, ProfileStore& store) {
  std::ifstream in(path);
  if (!in) return std::filesystem::exists(path) ? "cannot read profile " + path : std::string();
  std::string line;
  std::string section;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    std::string text = trim(line);
    if (text.empty() || text[0] == ';' || text[0] == '#') continue;
    if (text.front() == '[') {
      if (text.back() != ']') return path + ":" + std::to_string(number) + ": unterminated section name";
      section = trim(text.substr(1, text.size() - 2));
      continue;
    }
    auto equals = text.find('=');
    if (equals == std::string::npos || section.empty())
      return path + ":" + std::to_string(number) + ": expected key=value inside a [section]";
    store.restore(section, trim(text.substr(0, equals)), trim(text.substr(equals + 1)));
  }
  return {};
}

std::string saveIniFile(const std::string& path, const ProfileStore& store) {
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
  return writeFileAtomically(path, out.str());
}

}  // namespace tk
