#include "host/HlsNodeLists.h"

#include <utility>

HlsNodeLists::HlsNodeLists(std::array<Nodes, kListCount> nodes) : nodes_(std::move(nodes)) { linkLists(); }

HlsNodeLists::HlsNodeLists(const HlsNodeLists& other) : nodes_(other.nodes_) { linkLists(); }

HlsNodeLists& HlsNodeLists::operator=(const HlsNodeLists& other) {
  if (this != &other) {
    nodes_ = other.nodes_;
    linkLists();
  }
  return *this;
}

CFilterNodeList* HlsNodeLists::list(int index) {
  if (index < 0 || index >= kListCount) return nullptr;
  return &lists_[static_cast<std::size_t>(index)];
}

void HlsNodeLists::linkLists() {
  for (std::size_t index = 0; index < nodes_.size(); ++index) {
    CFilterNodeList& list = lists_[index];
    list.clear();
    list.reserve(nodes_[index].size());
    for (CFilterNode& node : nodes_[index]) {
      node.SetParentNode(nullptr);
      node.SetTargetNode(nullptr);
      list.push_back(&node);
    }
  }
}
