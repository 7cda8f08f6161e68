// The HLS filter-node file reader under arbitrary text. Whatever it accepts
// must be lists a filter tree can show: identities are the positions from
// 1, every parent comes before its children, and a node is a leaf exactly
// when no node names it as parent.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>
#include <vector>

#include "FuzzCheck.h"
#include "host/HlsNodeFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  auto read = readHlsNodeLists(text);
  if (auto* error = std::get_if<std::string>(&read)) {
    fuzzCheck(!error->empty(), "a refusal says why");
    return 0;
  }
  HlsNodeLists& lists = std::get<HlsNodeLists>(read);
  for (int index = 0; index < HlsNodeLists::kListCount; ++index) {
    const HlsNodeLists::Nodes& nodes = lists.nodes(index);
    fuzzCheck(lists.list(index)->size() == nodes.size(), "the list shows every node");
    std::vector<bool> named(nodes.size() + 1, false);
    for (std::size_t at = 0; at < nodes.size(); ++at) {
      fuzzCheck(nodes[at].GetId() == at + 1, "identities are positions");
      fuzzCheck(nodes[at].GetParentId() <= at, "a parent comes first");
      named[nodes[at].GetParentId()] = true;
      fuzzCheck(nodes[at].GetChecked() == 0 || nodes[at].GetChecked() == 1, "nodes start ticked or not");
    }
    for (std::size_t at = 0; at < nodes.size(); ++at)
      fuzzCheck(nodes[at].IsLeaf() == !named[at + 1], "a leaf has no children");
  }
  return 0;
}
