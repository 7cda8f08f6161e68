#include "runner/ExportTable.h"

#include <charconv>

#include "orbel/wire/HexText.h"
#include "runner/ExportGroups.h"

namespace orbel::runner {
namespace {

const std::vector<ExportInfo>& table() {
  static const std::vector<ExportInfo> exports = [] {
    std::vector<ExportInfo> all;
    addCommandExports(all);
    addSimExports(all);
    addFilterExports(all);
    addL1FilterExports(all);
    addParamConfigExports(all);
    return all;
  }();
  return exports;
}

}  // namespace

ExportInfo exportRow(Signature signature, std::string_view group, std::string_view summary,
                     std::vector<Parameter> parameters, ExportOutcome (*run)(const ExportCall& call),
                     bool takesLength) {
  return {signature.name,        group, std::move(signature.declaration), std::move(signature.symbol), summary,
          takesLength,           std::move(parameters), run, std::move(signature.parameterNames)};
}

std::span<const ExportInfo> exportTable() { return table(); }

const ExportInfo* findExport(std::string_view name) {
  for (const ExportInfo& info : table())
    if (info.name == name) return &info;
  return nullptr;
}

std::optional<std::int64_t> parseArgValue(std::string_view text) {
  if (text == "true") return 1;
  if (text == "false") return 0;
  bool negative = text.starts_with('-');
  if (negative) text.remove_prefix(1);
  int base = 10;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    base = 16;
    text.remove_prefix(2);
  }
  std::int64_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return negative ? -value : value;
}

const Parameter* findParameter(const ExportInfo& info, std::string_view name) {
  for (const Parameter& parameter : info.parameters)
    if (parameter.name == name) return &parameter;
  return nullptr;
}

std::string checkArgument(const Parameter& parameter, std::int64_t value) {
  if (value >= parameter.min && value <= parameter.max) return {};
  const std::string name(parameter.name);
  if (parameter.flag) return name + ": true or false";
  return name + ": from " + std::to_string(parameter.min) + " to " + std::to_string(parameter.max);
}

std::string formatArgument(const Parameter& parameter, std::int64_t value) {
  if (parameter.flag) return value != 0 ? "true" : "false";
  return std::to_string(value);
}

std::string formatOutValue(const OutValue& value) {
  if (const auto* number = std::get_if<std::int64_t>(&value)) return std::to_string(*number);
  if (const auto* flag = std::get_if<bool>(&value)) return *flag ? "true" : "false";
  if (const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&value)) return toHex(*bytes);
  return std::get<std::string>(value);
}

}  // namespace orbel::runner
