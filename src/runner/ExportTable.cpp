#include "runner/ExportTable.h"


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
    addL2ConfigExports(all);
    addSearchExports(all);
    addPrimitiveExports(all);
    addScenarioExports(all);
    addSaveAsExports(all);
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

const Parameter* findParameter(const ExportInfo& info, std::string_view name) {
  for (const Parameter& parameter : info.parameters)
    if (parameter.name == name) return &parameter;
  return nullptr;
}

std::optional<ArgValue> readArgument(const Parameter& parameter, std::string_view text, std::string& error) {
  std::optional<ArgValue> value;
  if (text == "true" || text == "false")
    value = text == "true" ? 1 : 0;
  else
    value = parseWholeNumber(text, parameter.min < ArgValue(0));
  if (value && *value >= parameter.min && *value <= parameter.max) return value;
  const std::string name(parameter.name);
  if (parameter.flag)
    error = name + ": true or false";
  else
    error = name + ": from " + parameter.min.text() + " to " + parameter.max.text();
  if (!value) error += " (not \"" + std::string(text) + "\")";
  return std::nullopt;
}

std::string formatArgument(const Parameter& parameter, ArgValue value) {
  if (parameter.flag) return value != 0 ? "true" : "false";
  return value.text();
}

std::string formatOutValue(const OutValue& value) {
  if (const auto* number = std::get_if<std::int64_t>(&value)) return std::to_string(*number);
  if (const auto* flag = std::get_if<bool>(&value)) return *flag ? "true" : "false";
  if (const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&value)) return toHex(*bytes);
  return std::get<std::string>(value);
}

}  // namespace orbel::runner
