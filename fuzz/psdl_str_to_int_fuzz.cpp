// Number parsing under arbitrary text and limits. The first input byte gives
// the limit (0 to 40), the rest the text. The parser must stop at the limit
// or at a NUL, whichever comes first: the same characters in a block of
// exactly that size, without a terminator, must parse to the same result,
// and so must the whole text unterminated with the limit at its size. A
// failure leaves both outputs untouched; a success gives a sign of +1 or -1.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "FuzzCheck.h"
#include "host/PsdlStrToInt.h"

namespace {

constexpr unsigned kValueSentinel = 0xDEADBEEF;
constexpr int kSignSentinel = 0x5A5A;

struct Parse {
  int result = 0;
  unsigned value = kValueSentinel;
  int sign = kSignSentinel;
  friend bool operator==(const Parse&, const Parse&) = default;
};

Parse parse(const char* text, int limit) {
  Parse out;
  out.result = PsdlStrToInt(text, limit, &out.value, &out.sign);
  if (out.result == 0)
    fuzzCheck(out.sign == 1 || out.sign == -1, "a parsed number has a sign of +1 or -1");
  else
    fuzzCheck(out.value == kValueSentinel && out.sign == kSignSentinel, "a failed parse leaves the outputs alone");
  return out;
}

// `length` characters of `text` in a block of exactly that size, parsed
// with the limit at the block's end.
Parse parseUnterminated(const char* text, std::size_t length) {
  const auto block = std::make_unique<char[]>(length);
  std::memcpy(block.get(), text, length);
  return parse(block.get(), static_cast<int>(length));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0 || size > 4096) return 0;
  const int limit = data[0] % 41;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

  const Parse terminated = parse(text.c_str(), limit);
  const std::size_t seen = ::strnlen(text.c_str(), static_cast<std::size_t>(limit));
  fuzzCheck(parseUnterminated(text.c_str(), seen) == terminated, "the parser reads up to the limit or a NUL only");

  const Parse whole = parseUnterminated(text.data(), text.size());
  fuzzCheck(whole == parse(text.c_str(), static_cast<int>(text.size())), "a terminator after the limit changes nothing");
  return 0;
}
