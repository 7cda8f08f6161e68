// The table of the library's exports as a host program sees them: name,
// group, signature, the arguments a caller can set, and how to call the
// export and collect what it hands back. The CLI and the Qt host run exports
// through it; the toolkit they installed decides how dialogs are shown.
#pragma once

#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "runner/ArgValue.h"
#include "runner/ExportSignature.h"

namespace orbel::runner {

// What an export returned: nothing (null), a buffer the host took over, a number or a flag.
using Returned = std::variant<std::monostate, std::vector<std::uint8_t>, std::int64_t, bool>;

struct ExportCall {
  std::map<std::string, ArgValue> args;  // by parameter name; booleans as 0 and 1
  std::uint32_t initialLength = 0;           // *len on entry
  bool nullLength = false;                   // pass a null length pointer
  std::map<std::string, std::string> texts;  // text parameters (a path) by name
};

// A value an export stored for its caller, typed as the variable it went
// into: a number, a flag, a buffer (an array of bytes) or a text (a path, the
// name of an end code).
using OutValue = std::variant<std::int64_t, bool, std::vector<std::uint8_t>, std::string>;

struct ExportOutcome {
  Returned returned;
  std::optional<std::uint32_t> length;  // *len after the call, for exports that take one
  std::vector<std::pair<std::string, OutValue>> out;
  // For exports that notify the host: what each notification handed over, by field, in order.
  std::vector<std::vector<std::pair<std::string, OutValue>>> notifications;
};

// Decimal, "true" or "false", hex byte pairs ("01 00 2F"), or the text itself.
std::string formatOutValue(const OutValue& value);

// A parameter that a caller sets by name (`--arg NAME=VALUE`, the Qt host's
// form): the value the export is called with when it is not given, the
// values its C++ type holds, and what it means to the export.
struct Parameter {
  std::string_view name;
  std::string_view meaning;
  ArgValue fallback = 0;
  ArgValue min = 0;
  ArgValue max = 1;
  bool flag = false;   // true or false
  bool inOut = false;  // the export stores a new value through it, reported in `out` under its name
  bool text = false;   // a text (a path), given as is and kept in ExportCall::texts
};

// A parameter of C++ type T.
template <typename T>
constexpr Parameter parameterOf(std::string_view name, std::string_view meaning, T fallback = T{}) {
  if constexpr (std::is_same_v<T, bool>) {
    return {name, meaning, fallback ? 1 : 0, 0, 1, true};
  } else {
    static_assert(sizeof(T) <= sizeof(std::uint64_t));
    const auto value = [](T number) {
      if constexpr (std::is_signed_v<T>)
        return ArgValue(static_cast<std::int64_t>(number));
      else
        return ArgValue::fromUnsigned(number);
    };
    return {name, meaning, value(fallback), value(std::numeric_limits<T>::min()), value(std::numeric_limits<T>::max())};
  }
}

// A text parameter; not given, the export receives the empty text.
constexpr Parameter textParameter(std::string_view name, std::string_view meaning) {
  Parameter parameter{name, meaning};
  parameter.text = true;
  return parameter;
}

constexpr Parameter inOut(Parameter parameter) {
  parameter.inOut = true;
  return parameter;
}

struct ExportInfo {
  std::string_view name;
  std::string_view group;  // commands, filters, scenarios, configuration, trace tools
  std::string signature;   // the declaration, generated from the function or class
  std::string symbol;      // what the shared library shows for it, as `nm -C` prints it
  std::string_view summary;
  bool takesLength = false;
  std::vector<Parameter> parameters;
  ExportOutcome (*run)(const ExportCall& call) = nullptr;
  std::vector<std::string_view> signatureParameters;  // the C++ parameter names, in order
};

// One row of the table. The signature comes from ORBEL_SIGNATURE and its
// kin (runner/ExportSignature.h); every parameter a caller sets must be one
// of the signature's parameters, which the table's test checks.
ExportInfo exportRow(Signature signature, std::string_view group, std::string_view summary,
                     std::vector<Parameter> parameters, ExportOutcome (*run)(const ExportCall& call),
                     bool takesLength = false);

std::span<const ExportInfo> exportTable();
const ExportInfo* findExport(std::string_view name);

const Parameter* findParameter(const ExportInfo& info, std::string_view name);
// The value of `text` for `parameter` in the notation of parseWholeNumber
// ("12", "0x1F", "-3" when the parameter is signed; "true" or "false" too for
// a flag), or what is wrong with it, naming the parameter and its range
// ("cellId: from 0 to 255").
std::optional<ArgValue> readArgument(const Parameter& parameter, std::string_view text, std::string& error);
// "true"/"false" for a flag, the decimal number otherwise.
std::string formatArgument(const Parameter& parameter, ArgValue value);

}  // namespace orbel::runner
