#include "TraceSearchCommand.h"

#include <nlohmann/json.hpp>
#include <vector>

#include "runner/TraceSearch.h"

namespace orbel::cli {
namespace {

using nlohmann::json;

struct Request {
  TAG_KOVA_SERACH_METHOD_RECORD record;
  TraceSearchOptions options;
};

template <typename T>
T number(const json& object, const char* name, T fallback) {
  auto found = object.find(name);
  if (found == object.end()) return fallback;
  if (!found->is_number_unsigned() || found->get<std::uint64_t>() > std::numeric_limits<T>::max())
    throw RecordError(std::string("\"") + name + "\" must be a number from 0 to " +
                      std::to_string(std::numeric_limits<T>::max()));
  return static_cast<T>(found->get<std::uint64_t>());
}

std::string text(const json& object, const char* name) {
  auto found = object.find(name);
  if (found == object.end()) return {};
  if (!found->is_string()) throw RecordError(std::string("\"") + name + "\" must be a text");
  return found->get<std::string>();
}

// A record by its field names, with the options its dialog told the host.
Request requestOf(const json& object) {
  if (!object.is_object()) throw RecordError("a record must be a JSON object");
  Request request;
  request.record.method = number<std::uint32_t>(object, "method", 0);
  request.record.startValue = number<std::uint32_t>(object, "startValue", 0);
  request.record.endValue = number<std::uint32_t>(object, "endValue", 0);
  request.record.direction = number<std::uint8_t>(object, "direction", 1);
  request.record.hostParam = number<std::uint32_t>(object, "hostParam", 0);
  request.record.text = text(object, "text");
  request.options.bits = number<std::uint32_t>(object, "options", 0);
  request.options.extraText1 = text(object, "extraText1");
  request.options.extraText2 = text(object, "extraText2");
  request.options.direction = number<std::uint8_t>(object, "searchDirection", 1);
  return request;
}

std::vector<Request> requestsOf(const std::string& given) {
  json parsed = json::parse(given, nullptr, false);
  if (parsed.is_discarded()) throw RecordError("--record: not JSON");
  if (parsed.is_object() && parsed.contains("notifications")) parsed = parsed["notifications"];
  std::vector<Request> requests;
  if (parsed.is_array()) {
    for (const json& object : parsed) requests.push_back(requestOf(object));
  } else {
    requests.push_back(requestOf(parsed));
  }
  return requests;
}

json entryJson(const runner::TraceEntry& entry, std::size_t index) {
  return {{"found", true},
          {"index", index},
          {"seq", entry.sequence},
          {"time", runner::formatTraceTime(entry.timeMs)},
          {"dir", runner::directionName(entry.direction)},
          {"family", entry.family},
          {"message", entry.message},
          {"summary", entry.summary}};
}

}  // namespace

void runTraceSearch(const TraceSearchRequest& request, std::ostream& out) {
  const std::vector<Request> requests = requestsOf(request.records);
  runner::TraceRead trace = runner::readTraceFile(request.tracePath);
  if (!trace.ok()) throw std::runtime_error(trace.error);
  std::optional<std::size_t> current = request.from;
  json searches = json::array();
  for (std::size_t i = 0; i < requests.size(); ++i) {
    std::string refusal;
    std::optional<runner::TraceQuery> query = runner::queryOfRecord(requests[i].record, requests[i].options, refusal);
    std::optional<std::size_t> hit = query ? runner::findNext(trace.entries, *query, current) : std::nullopt;
    if (hit) current = hit;
    json result = hit ? entryJson(trace.entries[*hit], *hit) : json{{"found", false}};
    if (!query) result["refusal"] = refusal;
    if (request.json) {
      searches.push_back(result);
      continue;
    }
    out << "search " << i + 1 << ": ";
    if (!query)
      out << "refused: " << refusal << '\n';
    else if (!hit)
      out << "nothing was found\n";
    else
      out << "entry " << *hit << ", seq " << result["seq"] << ", " << result["time"].get<std::string>() << ' '
          << result["dir"].get<std::string>() << ' ' << result["family"].get<std::string>() << ": "
          << result["message"].get<std::string>() << " - " << result["summary"].get<std::string>() << '\n';
  }
  if (request.json) out << json{{"entries", trace.entries.size()}, {"searches", searches}}.dump(2) << '\n';
}

}  // namespace orbel::cli
