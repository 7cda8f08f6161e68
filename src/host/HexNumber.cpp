#include "host/HexNumber.h"

#include <cstdint>

namespace {

int digitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool ishex(const char* text) {
  if (text == nullptr || *text == '\0') return false;
  for (const char* at = text; *at != '\0'; ++at)
    if (digitValue(*at) < 0) return false;
  return true;
}

unsigned int hextoint(const char* text) {
  std::uint64_t value = 0;
  for (const char* at = text; at != nullptr && digitValue(*at) >= 0; ++at) {
    value = value << 4 | static_cast<std::uint64_t>(digitValue(*at));
    if (value > 0xFFFFFFFFu) return 0xFFFFFFFFu;
  }
  return static_cast<unsigned int>(value);
}
