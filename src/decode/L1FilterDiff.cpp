#include "decode/L1FilterDiff.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <set>

#include "decode/L1FilterText.h"

namespace orbel {
namespace {

using Json = nlohmann::ordered_json;

// The text form cut into single facts ("tdPrimitives: P_X"), so that two
// filters compare as sets; slot order is compared apart.
void addFacts(const Json& value, const std::string& path, std::vector<std::string>& facts) {
  if (value.is_object()) {
    for (const auto& [key, member] : value.items()) addFacts(member, path.empty() ? key : path + "." + key, facts);
  } else if (value.is_array() && path != "switches" && path != "reserved") {
    for (const Json& entry : value)
      if (!entry.is_null())
        facts.push_back(path + ": " + (entry.is_string() ? entry.get<std::string>() : entry.dump()));
  } else {
    facts.push_back(path + " = " + (value.is_string() ? value.get<std::string>() : value.dump()));
  }
}

std::vector<std::string> factsOf(const Json& text) {
  std::vector<std::string> facts;
  addFacts(text, "", facts);
  std::sort(facts.begin(), facts.end());
  return facts;
}

}  // namespace

std::vector<std::string> diffL1FilterFiles(std::span<const std::uint8_t> first, std::span<const std::uint8_t> second) {
  const Json a = Json::parse(exportL1FilterText(first));
  const Json b = Json::parse(exportL1FilterText(second));
  std::vector<std::string> lines;
  if (a == b) return lines;
  const std::vector<std::string> factsA = factsOf(a);
  const std::vector<std::string> factsB = factsOf(b);
  std::vector<std::string> onlyA;
  std::vector<std::string> onlyB;
  std::set_difference(factsA.begin(), factsA.end(), factsB.begin(), factsB.end(), std::back_inserter(onlyA));
  std::set_difference(factsB.begin(), factsB.end(), factsA.begin(), factsA.end(), std::back_inserter(onlyB));
  for (const std::string& fact : onlyA) lines.push_back("- " + fact);
  for (const std::string& fact : onlyB) lines.push_back("+ " + fact);
  for (const char* list : {"tdPrimitives", "gsmPrimitives"})
    if (a[list] != b[list] && onlyA.empty() && onlyB.empty())
      lines.push_back(std::string("~ ") + list + ": the same primitives in another slot order");
  return lines;
}

}  // namespace orbel
