// The children of each identity in a filter-node list, in list order, held in one flat array.
#pragma once

#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

#include "host/FilterNode.h"

class FilterNodeChildren {
 public:
  // Two linear passes: count the nodes under each parent identity, then
  // place their list positions, so the index costs a few allocations
  // however long the list is.
  explicit FilterNodeChildren(const CFilterNodeList& nodes);

  // The list positions of the nodes whose parent identity is `id`, in list order.
  std::span<const std::uint32_t> of(unsigned int id) const;

 private:
  std::unordered_map<unsigned int, std::uint32_t> slotOfId_;
  std::vector<std::uint32_t> starts_;     // by slot, one past the last slot at the end
  std::vector<std::uint32_t> positions_;  // grouped by slot
};
