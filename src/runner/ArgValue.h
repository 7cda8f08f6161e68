// A whole number a host reads for an export's parameter: every value of a 64-bit signed or unsigned type.
#pragma once

#include <compare>
#include <concepts>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace orbel::runner {

class ArgValue {
 public:
  constexpr ArgValue() = default;
  constexpr ArgValue(std::int64_t value)  // NOLINT: a plain number is a value
      : negative_(value < 0), magnitude_(value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value)) {}
  static constexpr ArgValue fromUnsigned(std::uint64_t value) {
    ArgValue result;
    result.magnitude_ = value;
    return result;
  }
  static constexpr ArgValue negativeOf(std::uint64_t magnitude) {
    ArgValue result = fromUnsigned(magnitude);
    result.negative_ = magnitude != 0;
    return result;
  }

  // The value as a C++ conversion to T gives it (modulo 2^N for an unsigned T).
  template <std::integral T>
  constexpr explicit operator T() const {
    const std::uint64_t bits = negative_ ? 0 - magnitude_ : magnitude_;
    if constexpr (std::same_as<T, bool>) return bits != 0;
    return static_cast<T>(bits);
  }

  std::string text() const { return (negative_ ? "-" : "") + std::to_string(magnitude_); }

  friend constexpr bool operator==(const ArgValue&, const ArgValue&) = default;
  friend constexpr std::strong_ordering operator<=>(const ArgValue& a, const ArgValue& b) {
    if (a.negative_ != b.negative_) return a.negative_ ? std::strong_ordering::less : std::strong_ordering::greater;
    return a.negative_ ? b.magnitude_ <=> a.magnitude_ : a.magnitude_ <=> b.magnitude_;
  }

 private:
  bool negative_ = false;
  std::uint64_t magnitude_ = 0;
};

// The one notation for every number the hosts read: decimal digits, or "0x"
// (or "0X") and hex digits; with `allowMinus`, a single "-" may lead. A
// leading 0 is a decimal digit, not an octal prefix. Nothing for any other
// text, for doubled signs and for magnitudes beyond 64 bits (2^63 negative).
std::optional<ArgValue> parseWholeNumber(std::string_view text, bool allowMinus);

// A list of feature switches or host modules ("124,130"): each entry a number
// from 0 to 65535 in the notation above, blanks around it ignored, empty
// entries skipped. `refused` is the first entry that is not such a number.
struct SwitchList {
  std::set<int> numbers;
  std::optional<std::string> refused;
};
SwitchList parseSwitchList(std::string_view text);

}  // namespace orbel::runner
