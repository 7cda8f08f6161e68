#include "host/HexNumber.h"

#include <charconv>
#include <cstring>
#include <string_view>

bool ishex(const char* text) {
  if (text == nullptr || *text == '\0') return false;
  return std::string_view(text).find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos;
}

unsigned int hextoint(const char* text) {
  if (text == nullptr) return 0;
  unsigned int value = 0;
  const auto [end, error] = std::from_chars(text, text + std::strlen(text), value, 16);
  if (error == std::errc::result_out_of_range) return 0xFFFFFFFFu;
  return error == std::errc() ? value : 0;
}
