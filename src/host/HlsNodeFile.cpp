#include "host/HlsNodeFile.h"

#include <initializer_list>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>

#include "host/JsonDataFile.h"

namespace {

using nlohmann::json;

constexpr char kFormatName[] = "orbel-hls-filter-nodes";
constexpr std::uint64_t kFormatVersion = 1;
constexpr std::uint64_t kU32 = std::numeric_limits<std::uint32_t>::max();

using orbel::datafile::array;
using orbel::datafile::expectOnly;
using orbel::datafile::fail;
using orbel::datafile::FileError;
using orbel::datafile::find;
using orbel::datafile::unsignedNumberOf;

std::uint32_t value32(const json& object, const char* key, const std::string& where, std::uint32_t fallback) {
  const json* value = find(object, key);
  if (value == nullptr) return fallback;
  std::optional<std::uint64_t> parsed = unsignedNumberOf(*value);
  if (!parsed || *parsed > kU32)
    fail(where, std::string("\"") + key + "\" must be a number from 0 to " + std::to_string(kU32));
  return static_cast<std::uint32_t>(*parsed);
}

bool flagOf(const json& object, const char* key, const std::string& where, bool fallback) {
  const json* value = find(object, key);
  if (value == nullptr) return fallback;
  if (!value->is_boolean()) fail(where, std::string("\"") + key + "\" must be true or false");
  return value->get<bool>();
}

// Appends the nodes of `array` and their descendants in list order: each
// node before its children. Identities count from 1 in list order.
void readNodes(const json& array, const std::string& where, unsigned int parentId, bool ticked, int depth,
               HlsNodeLists::Nodes& nodes) {
  if (depth > kHlsNodeDepthLimit)
    fail(where, "nodes nested deeper than " + std::to_string(kHlsNodeDepthLimit) + " levels");
  for (std::size_t index = 0; index < array.size(); ++index) {
    const std::string at = where + '[' + std::to_string(index) + ']';
    const json& node = array[index];
    expectOnly(node, {"label", "value", "ticked", "children"}, at);
    const json* label = find(node, "label");
    if (label == nullptr || !label->is_string()) fail(at, "\"label\" must be a text");
    const json* children = find(node, "children");
    if (children != nullptr && !children->is_array()) fail(at, "\"children\" must be an array");
    const bool leaf = children == nullptr || children->empty();
    if (nodes.size() >= kU32) fail(at, "too many nodes");
    const auto id = static_cast<unsigned int>(nodes.size() + 1);
    const bool nodeTicked = flagOf(node, "ticked", at, ticked);
    nodes.emplace_back(id, label->get<std::string>(), value32(node, "value", at, leaf ? 0 : 0xFFFFFFFF), parentId,
                       nodeTicked ? CFilterNode::kTicked : CFilterNode::kUnticked, leaf ? 1 : 0);
    if (!leaf) readNodes(*children, at + ".children", id, nodeTicked, depth + 1, nodes);
  }
}

HlsNodeLists readFile(const json& file) {
  expectOnly(file, {"format", "version", "lists"}, "file");
  const json* format = find(file, "format");
  if (format == nullptr || *format != kFormatName)
    fail("file", std::string("\"format\" must be \"") + kFormatName + '"');
  const json* version = find(file, "version");
  if (version == nullptr || unsignedNumberOf(*version) != kFormatVersion)
    fail("file", "\"version\" must be " + std::to_string(kFormatVersion));
  const json& lists = array(file, "lists", "file");
  if (lists.size() != HlsNodeLists::kListCount)
    fail("lists", "must hold " + std::to_string(HlsNodeLists::kListCount) + " lists");
  std::array<HlsNodeLists::Nodes, HlsNodeLists::kListCount> nodes;
  for (std::size_t index = 0; index < lists.size(); ++index) {
    const std::string at = "lists[" + std::to_string(index) + ']';
    expectOnly(lists[index], {"name", "ticked", "nodes"}, at);
    const bool ticked = flagOf(lists[index], "ticked", at, false);
    readNodes(array(lists[index], "nodes", at), at + ".nodes", 0, ticked, 1, nodes[index]);
  }
  return HlsNodeLists(std::move(nodes));
}

}  // namespace

std::variant<HlsNodeLists, std::string> readHlsNodeLists(std::string_view text) {
  const json file = json::parse(text, nullptr, false);
  if (file.is_discarded()) return std::string("not a JSON document");
  try {
    return readFile(file);
  } catch (const FileError& error) {
    return error.text;
  }
}
