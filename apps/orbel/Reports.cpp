#include "Reports.h"

#include <algorithm>
#include <iomanip>
#include <nlohmann/json.hpp>

#include "decode/FormatDecoder.h"
#include "decode/MessageDecoder.h"
#include "orbel/wire/HexText.h"

namespace orbel::cli {
namespace {

using nlohmann::json;

json returnedJson(const runner::Returned& returned) {
  if (const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&returned)) return toHex(*bytes, "");
  if (const auto* number = std::get_if<std::int64_t>(&returned)) return *number;
  if (const auto* flag = std::get_if<bool>(&returned)) return *flag;
  return nullptr;
}

// Numbers as numbers, flags as booleans, buffers as hex digits, texts as texts.
json outJson(const runner::OutValue& value) {
  if (const auto* number = std::get_if<std::int64_t>(&value)) return *number;
  if (const auto* flag = std::get_if<bool>(&value)) return *flag;
  if (const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&value)) return toHex(*bytes, "");
  return std::get<std::string>(value);
}

// The file dialog options the caller gave, by name.
json optionNames(const tk::FileDialogOptions& options) {
  json names = json::array();
  for (auto [given, name] : {std::pair{options.promptOverwrite, "promptOverwrite"},
                             {options.promptCreate, "promptCreate"},
                             {options.refuseReadOnly, "refuseReadOnly"},
                             {options.hideReadOnly, "hideReadOnly"}})
    if (given) names.push_back(name);
  return names;
}

}  // namespace

void printRunText(std::ostream& out, const SessionResult& result) {
  const runner::Returned& returned = result.outcome.returned;
  if (const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&returned)) {
    out << "returned: " << bytes->size() << " bytes\n  " << toHex(*bytes) << '\n';
    std::optional<DecodedMessage> decoded = decodeAny(*bytes);
    if (decoded && decoded->error.empty()) out << formatDecoded(*decoded, *bytes);
  } else if (const auto* number = std::get_if<std::int64_t>(&returned)) {
    out << "returned: " << *number << '\n';
  } else if (const auto* flag = std::get_if<bool>(&returned)) {
    out << "returned: " << (*flag ? "true" : "false") << '\n';
  } else {
    out << "returned: null\n";
  }
  if (result.outcome.length) out << "length: " << *result.outcome.length << '\n';
  for (const auto& [name, value] : result.outcome.out)
    out << "out " << name << ": " << runner::formatOutValue(value) << '\n';
  for (std::size_t i = 0; i < result.outcome.notifications.size(); ++i) {
    out << "notification " << i + 1 << ":\n";
    for (const auto& [name, value] : result.outcome.notifications[i])
      out << "  " << name << ": " << runner::formatOutValue(value) << '\n';
  }
  for (const tk::MessageBoxRecord& box : result.messageBoxes) out << "message box: \"" << box.text << "\"\n";
  for (const tk::FileDialogRecord& file : result.fileDialogs)
    out << (file.request.save ? "save" : "open") << " file: " << (file.answer ? *file.answer : "(cancelled)") << '\n';
  for (const auto& [key, value] : result.profileWrites) out << "profile " << key << " = " << value << '\n';
  for (const runner::HostObject& object : result.hostObjects) {
    out << "host " << object.name << ":\n";
    for (const auto& [field, value] : object.fields) out << "  " << field << ": " << value << '\n';
  }
  for (const std::string& error : result.errors) out << "script error: " << error << '\n';
  for (const std::string& error : result.fileErrors) out << "file error: " << error << '\n';
}

void printRunJson(std::ostream& out, const runner::ExportInfo& info, const SessionResult& result) {
  json messages = json::array();
  for (const tk::MessageBoxRecord& box : result.messageBoxes) messages.push_back(box.text);
  json outValues = json::object();
  for (const auto& [name, value] : result.outcome.out) outValues[name] = outJson(value);
  json files = json::array();
  for (const tk::FileDialogRecord& file : result.fileDialogs)
    files.push_back({{"save", file.request.save},
                     {"path", file.answer ? json(*file.answer) : json(nullptr)},
                     {"options", optionNames(file.request.options)}});
  json profile = json::object();
  for (const auto& [key, value] : result.profileWrites) profile[key] = value;
  json host = json::object();
  for (const runner::HostObject& object : result.hostObjects)
    for (const auto& [field, value] : object.fields) host[object.name][field] = value;
  json notifications = json::array();
  for (const auto& fields : result.outcome.notifications) {
    json record = json::object();
    for (const auto& [name, value] : fields) record[name] = outJson(value);
    notifications.push_back(record);
  }
  json errors = result.errors;
  for (const std::string& error : result.fileErrors) errors.push_back(error);
  json root{{"export", info.name},
            {"returned", returnedJson(result.outcome.returned)},
            {"length", result.outcome.length ? json(*result.outcome.length) : json(nullptr)},
            {"messages", messages},
            {"out", outValues},
            {"dialogs", result.dialogs},
            {"files", files},
            {"profile", profile},
            {"host", host},
            {"notifications", notifications},
            {"errors", errors}};
  out << root.dump(2) << '\n';
}

void printDescription(std::ostream& out, const SessionResult& result) {
  if (result.dialogStates.empty()) out << "(no dialog was shown)\n";
  for (const DialogState& dialog : result.dialogStates) {
    out << dialog.className << " \"" << dialog.title << '"';
    if (!dialog.state.empty()) out << "  " << dialog.state;
    out << '\n';
    std::size_t idWidth = 2;
    for (const ControlState& control : dialog.controls) idWidth = std::max(idWidth, control.id.size());
    for (const ControlState& control : dialog.controls) {
      out << "  " << std::left << std::setw(static_cast<int>(idWidth)) << control.id << "  " << std::setw(9)
          << control.kind << "  " << std::setw(20) << ('"' + control.caption + '"') << "  "
          << (control.visible ? (control.enabled ? "enabled " : "disabled") : "hidden  ");
      if (!control.state.empty()) out << "  " << control.state;
      out << '\n';
      // A tip of several lines is indented under its control.
      std::string tip = control.tooltip;
      for (std::size_t at = tip.find('\n'); at != std::string::npos; at = tip.find('\n', at + 1))
        tip.insert(at + 1, std::string(idWidth + 9, ' '));
      if (!tip.empty()) out << std::string(idWidth + 4, ' ') << "tip: " << tip << '\n';
    }
  }
  for (const std::string& error : result.errors) out << "script error: " << error << '\n';
  for (const std::string& error : result.fileErrors) out << "file error: " << error << '\n';
}

void printExports(std::ostream& out) {
  for (const runner::ExportInfo& info : runner::exportTable()) {
    out << std::left << std::setw(32) << info.name << std::setw(14) << info.group << info.summary << "\n    "
        << info.signature << '\n';
    for (const runner::Parameter& parameter : info.parameters)
      out << "    --arg " << parameter.name << " ("
          << (parameter.text ? "a text" : "default " + runner::formatArgument(parameter, parameter.fallback))
          << "): " << parameter.meaning << '\n';
  }
}

}  // namespace orbel::cli
