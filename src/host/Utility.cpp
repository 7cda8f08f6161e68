#include "host/Utility.h"

#include <algorithm>
#include <cctype>

void CUtility::sepString(CStringList& list, const std::string& text, const std::string& separator) {
  if (text.empty()) return;
  if (separator.empty()) {
    list.push_back(text);
    return;
  }
  std::size_t from = 0;
  for (std::size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, from)) {
    list.push_back(text.substr(from, at - from));
    from = at + separator.size();
  }
  list.push_back(text.substr(from));
}

void CUtility::joinString(std::string& text, const CStringList& list, const std::string& separator) {
  text.clear();
  for (const std::string& item : list) {
    if (&item != &list.front()) text += separator;
    text += item;
  }
}

int CUtility::comparePartial(const std::string& a, const std::string& b, int count) {
  std::size_t length = std::max(a.size(), b.size());
  if (count > 0) length = std::min(length, static_cast<std::size_t>(count));
  for (std::size_t i = 0; i < length; ++i) {
    // Past its end a text reads as NUL, which sorts before every character.
    const int left = i < a.size() ? std::tolower(static_cast<unsigned char>(a[i])) : 0;
    const int right = i < b.size() ? std::tolower(static_cast<unsigned char>(b[i])) : 0;
    if (left != right) return left - right;
  }
  return 0;
}
