#include "orbel/diag/CEditEx.h"

#include <algorithm>
#include <string_view>

namespace {

enum class Notation { Decimal, Octal, Hexadecimal };

Notation notationOf(std::string_view text) {
  if (text.starts_with("0x")) return Notation::Hexadecimal;
  if (text.starts_with('0')) return Notation::Octal;
  return Notation::Decimal;
}

bool isDecimal(char c) { return c >= '0' && c <= '9'; }
bool isOctal(char c) { return c >= '0' && c <= '7'; }
bool isHex(char c) { return isDecimal(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

}  // namespace

bool CEditEx::admitsChar(const std::string& current, char c) const {
  switch (notationOf(current)) {
    case Notation::Hexadecimal: return isHex(c);
    case Notation::Octal: return isOctal(c) || c == 'x' || c == 'X';
    case Notation::Decimal: return isDecimal(c);
  }
  return false;
}

bool CEditEx::admitsText(const std::string& text) const {
  std::string_view digits = text;
  bool (*admitted)(char) = isDecimal;
  switch (notationOf(text)) {
    case Notation::Hexadecimal:
      digits.remove_prefix(2);
      admitted = isHex;
      break;
    case Notation::Octal:
      digits.remove_prefix(1);
      admitted = isOctal;
      break;
    case Notation::Decimal: break;
  }
  return std::all_of(digits.begin(), digits.end(), admitted);
}
