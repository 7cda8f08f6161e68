// The one number notation of the hosts, and arguments read and checked against their parameter's range.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "runner/ArgValue.h"
#include "runner/ExportTable.h"

namespace {

using orbel::runner::ArgValue;
using orbel::runner::parseWholeNumber;

TEST(WholeNumber, OneNotationWithASingleLeadingMinusForSignedValuesOnly) {
  struct Case {
    const char* text;
    bool allowMinus;
    std::optional<ArgValue> expected;
  };
  const Case cases[] = {
      {"12", false, 12},
      {"017", false, 17},  // a leading 0 is decimal, not octal
      {"0x1F", false, 31},
      {"0X1f", true, 31},
      {"-3", true, -3},
      {"-0x10", true, -16},
      {"-9223372036854775808", true, std::numeric_limits<std::int64_t>::min()},
      {"18446744073709551615", false, ArgValue::fromUnsigned(std::numeric_limits<std::uint64_t>::max())},
      {"0xFFFFFFFFFFFFFFFF", false, ArgValue::fromUnsigned(std::numeric_limits<std::uint64_t>::max())},
      {"-3", false, std::nullopt},
      {"--5", true, std::nullopt},
      {"-0x-5", true, std::nullopt},
      {"0x-5", true, std::nullopt},
      {"+5", true, std::nullopt},
      {"-", true, std::nullopt},
      {"0x", false, std::nullopt},
      {"", false, std::nullopt},
      {" 5", false, std::nullopt},
      {"5 ", false, std::nullopt},
      {"1e3", false, std::nullopt},
      {"0x0x5", false, std::nullopt},
      {"18446744073709551616", false, std::nullopt},
      {"-9223372036854775809", true, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(parseWholeNumber(c.text, c.allowMinus), c.expected) << c.text;
}

TEST(WholeNumber, ConvertsAsACppConversionDoes) {
  EXPECT_EQ(static_cast<unsigned long>(ArgValue::fromUnsigned(1ull << 63)), 1ull << 63);
  EXPECT_EQ(static_cast<int>(ArgValue(-5)), -5);
  EXPECT_EQ(static_cast<unsigned char>(ArgValue(0x1FF)), 0xFF);
  EXPECT_LT(ArgValue(-2), ArgValue(-1));
  EXPECT_LT(ArgValue(std::numeric_limits<std::int64_t>::max()), ArgValue::fromUnsigned(1ull << 63));
  EXPECT_EQ(ArgValue(std::numeric_limits<std::int64_t>::min()).text(), "-9223372036854775808");
}

TEST(ReadArgument, RefusalsNameTheParameterAndItsRange) {
  using orbel::runner::Parameter;
  using orbel::runner::parameterOf;
  const Parameter flags = parameterOf<unsigned long>("presetFlags", "");
  const Parameter mode = parameterOf<int>("workMode", "");
  const Parameter cell = parameterOf<unsigned char>("cellId", "");
  const Parameter flag = parameterOf<bool>("b2", "", false);
  struct Case {
    const Parameter& parameter;
    const char* text;
    std::optional<ArgValue> expected;
    const char* error;
  };
  const Case cases[] = {
      {flags, "18446744073709551615", ArgValue::fromUnsigned(18446744073709551615ull), ""},
      {flags, "9223372036854775808", ArgValue::fromUnsigned(9223372036854775808ull), ""},
      {flags, "-1", std::nullopt, "presetFlags: from 0 to 18446744073709551615 (not \"-1\")"},
      {flags, "18446744073709551616", std::nullopt, "presetFlags: from 0 to 18446744073709551615"},
      {mode, "-5", -5, ""},
      {mode, "--5", std::nullopt, "workMode: from -2147483648 to 2147483647 (not \"--5\")"},
      {mode, "-0x-5", std::nullopt, "workMode: from -2147483648 to 2147483647"},
      {mode, "2147483648", std::nullopt, "workMode: from -2147483648 to 2147483647"},
      {cell, "0xFF", 255, ""},
      {cell, "256", std::nullopt, "cellId: from 0 to 255"},
      {flag, "true", 1, ""},
      {flag, "0", 0, ""},
      {flag, "2", std::nullopt, "b2: true or false"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_EQ(orbel::runner::readArgument(c.parameter, c.text, error), c.expected) << c.text;
    EXPECT_EQ(error.find(c.error), 0u) << c.text << ": " << error;
  }
}

}  // namespace
