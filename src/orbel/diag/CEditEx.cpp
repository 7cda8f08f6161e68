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

// The notation is fixed by the first two characters, so a longer admitted
// text stays admitted when its new last character is a digit of it.
bool CEditEx::admitsExtended(const std::string& text) const {
  if (text.size() <= 2) return admitsText(text);
  switch (notationOf(text)) {
    case Notation::Hexadecimal: return isHex(text.back());
    case Notation::Octal: return isOctal(text.back());
    case Notation::Decimal: return isDecimal(text.back());
  }
  return false;
}

// Every start of an admitted text is admitted once its notation is fixed.
bool CEditEx::admitsShortened(const std::string& text) const { return text.size() < 2 ? admitsText(text) : true; }

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
