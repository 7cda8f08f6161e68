#include "runner/TraceFile.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "orbel/wire/HexText.h"
#include "toolkit/FileRead.h"

namespace orbel::runner {
namespace {

using nlohmann::json;

constexpr std::uint32_t kDayMs = 24u * 60 * 60 * 1000;

// "HH:MM:SS.mmm", each part of exactly that width, within one day.
bool parseTime(const std::string& text, std::uint32_t& timeMs) {
  if (text.size() != 12 || text[2] != ':' || text[5] != ':' || text[8] != '.') return false;
  std::uint32_t parts[4] = {};
  const std::pair<std::size_t, std::size_t> fields[4] = {{0, 2}, {3, 2}, {6, 2}, {9, 3}};
  for (std::size_t i = 0; i < 4; ++i) {
    for (std::size_t at = fields[i].first; at < fields[i].first + fields[i].second; ++at) {
      if (!std::isdigit(static_cast<unsigned char>(text[at]))) return false;
      parts[i] = parts[i] * 10 + static_cast<std::uint32_t>(text[at] - '0');
    }
  }
  if (parts[0] > 23 || parts[1] > 59 || parts[2] > 59) return false;
  timeMs = ((parts[0] * 60 + parts[1]) * 60 + parts[2]) * 1000 + parts[3];
  return timeMs < kDayMs;
}

bool parseDirection(const std::string& text, TraceDirection& direction) {
  for (TraceDirection known : {TraceDirection::Uplink, TraceDirection::Downlink, TraceDirection::Internal}) {
    if (text == directionName(known)) {
      direction = known;
      return true;
    }
  }
  return false;
}

const std::string* textMember(const json& entry, const char* name) {
  auto found = entry.find(name);
  return found != entry.end() && found->is_string() ? found->get_ptr<const std::string*>() : nullptr;
}

// One line's entry, or what is wrong with it.
std::string parseEntry(std::string_view line, TraceEntry& entry) {
  json object = json::parse(line.begin(), line.end(), nullptr, false);
  if (object.is_discarded() || !object.is_object()) return "not a JSON object";
  for (const auto& [key, value] : object.items())
    if (key != "seq" && key != "time" && key != "dir" && key != "family" && key != "message" && key != "summary" &&
        key != "bytes")
      return "unknown field \"" + key + '"';
  auto sequence = object.find("seq");
  if (sequence == object.end() || !sequence->is_number_unsigned() ||
      sequence->get<std::uint64_t>() > std::numeric_limits<std::uint32_t>::max())
    return "\"seq\" must be a number from 0 to 4294967295";
  const std::string* time = textMember(object, "time");
  std::uint32_t timeMs = 0;
  if (time == nullptr || !parseTime(*time, timeMs)) return "\"time\" must be a time of day as \"HH:MM:SS.mmm\"";
  const std::string* direction = textMember(object, "dir");
  TraceDirection parsedDirection{};
  if (direction == nullptr || !parseDirection(*direction, parsedDirection))
    return "\"dir\" must be \"UL\", \"DL\" or \"INT\"";
  const std::string* family = textMember(object, "family");
  const std::string* message = textMember(object, "message");
  const std::string* summary = textMember(object, "summary");
  if (family == nullptr || message == nullptr || summary == nullptr)
    return "\"family\", \"message\" and \"summary\" must be texts";
  std::vector<std::uint8_t> bytes;
  if (object.contains("bytes")) {
    const std::string* hex = textMember(object, "bytes");
    std::optional<std::vector<std::uint8_t>> parsed = hex == nullptr ? std::nullopt : parseHex(*hex);
    if (!parsed) return "\"bytes\" must be hex digits";
    bytes = std::move(*parsed);
  }
  entry = makeTraceEntry(static_cast<std::uint32_t>(sequence->get<std::uint64_t>()), timeMs, parsedDirection, *family,
                         *message, *summary, std::move(bytes));
  return {};
}

}  // namespace

const char* directionName(TraceDirection direction) {
  switch (direction) {
    case TraceDirection::Uplink: return "UL";
    case TraceDirection::Downlink: return "DL";
    case TraceDirection::Internal: return "INT";
  }
  return "INT";
}

std::string formatTraceTime(std::uint32_t timeMs) {
  char text[16];
  std::snprintf(text, sizeof text, "%02u:%02u:%02u.%03u", timeMs / 3600000 % 100, timeMs / 60000 % 60,
                timeMs / 1000 % 60, timeMs % 1000);
  return text;
}

TraceEntry makeTraceEntry(std::uint32_t sequence, std::uint32_t timeMs, TraceDirection direction, std::string family,
                          std::string message, std::string summary, std::vector<std::uint8_t> bytes) {
  TraceEntry entry{sequence, timeMs, direction, std::move(family), std::move(message), std::move(summary),
                   std::move(bytes), {}};
  entry.searchText = entry.family + ' ' + entry.message + ' ' + entry.summary;
  std::ranges::transform(entry.searchText, entry.searchText.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return entry;
}

TraceRead parseTrace(std::string_view text) {
  TraceRead read;
  std::size_t lineNumber = 0;
  while (!text.empty()) {
    ++lineNumber;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
    std::string error;
    if (line.size() > kTraceLineLimit)
      error = "longer than " + std::to_string(kTraceLineLimit) + " bytes";
    else
      error = parseEntry(line, read.entries.emplace_back());
    if (!error.empty()) {
      read.entries.clear();
      read.error = "line " + std::to_string(lineNumber) + ": " + error;
      return read;
    }
  }
  return read;
}

TraceRead readTraceFile(const std::string& path) {
  tk::FileRead file = tk::readRegularFile(path, kTraceFileLimit);
  if (!file.ok()) return {{}, tk::describeRefusal(file, path, "trace")};
  TraceRead read = parseTrace(file.bytes);
  if (!read.ok()) read.error = path + ", " + read.error;
  return read;
}

}  // namespace orbel::runner
