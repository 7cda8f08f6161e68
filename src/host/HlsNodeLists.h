// The five HLS node lists of the host's filter-information manager: list 0
// the SAP tree, lists 1 and 2 the sender lists, lists 3 and 4 two further
// trees. The container owns the nodes and hands out each list as the
// CFilterNodeList of pointers that the filter trees take.
#pragma once

#include <array>
#include <vector>

#include "host/FilterNode.h"

class HlsNodeLists {
 public:
  static constexpr int kListCount = 5;
  using Nodes = std::vector<CFilterNode>;

  HlsNodeLists() = default;
  // Nodes of each list in list order: every node after its parent.
  explicit HlsNodeLists(std::array<Nodes, kListCount> nodes);
  // A copy has its own nodes; their parent links are cleared (a tree that
  // shows a list sets them when it loads it).
  HlsNodeLists(const HlsNodeLists& other);
  HlsNodeLists& operator=(const HlsNodeLists& other);
  HlsNodeLists(HlsNodeLists&&) noexcept = default;
  HlsNodeLists& operator=(HlsNodeLists&&) noexcept = default;

  // List `index` (0 to 4); null for any other index.
  CFilterNodeList* list(int index);
  const Nodes& nodes(int index) const { return nodes_.at(static_cast<std::size_t>(index)); }

 private:
  void linkLists();

  std::array<Nodes, kListCount> nodes_;
  std::array<CFilterNodeList, kListCount> lists_;
};
