#include "host/PsdlStrToInt.h"

#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

int digitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// Parses a non-empty run of digits of `base`; false on any other character
// or a value that does not fit 32 bits.
bool parseDigits(std::string_view digits, unsigned base, std::uint32_t& out) {
  if (digits.empty()) return false;
  std::uint64_t value = 0;
  for (char c : digits) {
    const int digit = digitValue(c);
    if (digit >= static_cast<int>(base)) return false;
    value = value * base + static_cast<unsigned>(digit);
    if (value > UINT32_MAX) return false;
  }
  out = static_cast<std::uint32_t>(value);
  return true;
}

}  // namespace

int PsdlStrToInt(const char* text, int limit, unsigned int* value, int* sign) {
  if (text == nullptr || value == nullptr || sign == nullptr || limit <= 0) return 1;
  std::string_view number(text, ::strnlen(text, static_cast<std::size_t>(limit)));
  int factor = 1;
  if (!number.empty() && number.front() == '-') {
    factor = -1;
    number.remove_prefix(1);
  }
  std::uint32_t magnitude = 0;
  bool ok = false;
  if (number.starts_with("0x"))
    ok = parseDigits(number.substr(2), 16, magnitude);
  else if (number.size() > 1 && number.front() == '0')
    ok = parseDigits(number.substr(1), 8, magnitude);
  else
    ok = parseDigits(number, 10, magnitude);
  if (!ok) return 1;
  *value = magnitude;
  *sign = factor;
  return 0;
}
