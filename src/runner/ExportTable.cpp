#include "runner/ExportTable.h"

#include <charconv>
#include <cstdlib>

#include "orbel/builders/Exports.h"

namespace orbel::runner {
namespace {

// Calls a builder as a host does: passes the length, copies the message it
// got back and releases it with free().
ExportOutcome callBuilder(const ExportCall& call, unsigned char* (*builder)(unsigned int*)) {
  unsigned int length = call.initialLength;
  unsigned char* buffer = builder(call.nullLength ? nullptr : &length);
  ExportOutcome outcome;
  if (!call.nullLength) outcome.length = length;
  if (buffer != nullptr) {
    outcome.returned = std::vector<std::uint8_t>(buffer, buffer + length);
    std::free(buffer);
  }
  return outcome;
}

const std::vector<ExportInfo>& table() {
  static const std::vector<ExportInfo> exports{
      {"OrbelGetTmrEnqueryBuffer", "commands", "unsigned char* OrbelGetTmrEnqueryBuffer(unsigned int* len)",
       "timer enquiry; a non-zero *len is a pre-set value that skips the dialog", true, {},
       [](const ExportCall& call) { return callBuilder(call, OrbelGetTmrEnqueryBuffer); }},
      {"OrbelGetCountEnqueryBuffer", "commands", "unsigned char* OrbelGetCountEnqueryBuffer(unsigned int* len)",
       "counter enquiry; a non-zero *len is a pre-set value that skips the dialog", true, {},
       [](const ExportCall& call) { return callBuilder(call, OrbelGetCountEnqueryBuffer); }},
  };
  return exports;
}

}  // namespace

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

}  // namespace orbel::runner
