#include "orbel/filter/FilterNodeChildren.h"

FilterNodeChildren::FilterNodeChildren(const CFilterNodeList& nodes) {
  // Neighbours in a list mostly share their parent, so the last identity's
  // slot is kept at hand and the map is asked only when the parent changes.
  constexpr std::uint32_t kTopLevel = UINT32_MAX;
  std::vector<std::uint32_t> slotOfPosition(nodes.size(), kTopLevel);
  unsigned int lastId = 0;
  std::uint32_t lastSlot = 0;
  starts_.push_back(0);
  for (std::size_t position = 0; position < nodes.size(); ++position) {
    const CFilterNode* node = nodes[position];
    if (node == nullptr || node->GetParentId() == 0) continue;
    if (node->GetParentId() != lastId) {
      lastId = node->GetParentId();
      const auto [found, added] = slotOfId_.try_emplace(lastId, static_cast<std::uint32_t>(starts_.size() - 1));
      if (added) starts_.push_back(0);
      lastSlot = found->second;
    }
    slotOfPosition[position] = lastSlot;
    ++starts_[lastSlot + 1];
  }
  for (std::size_t slot = 1; slot < starts_.size(); ++slot) starts_[slot] += starts_[slot - 1];

  positions_.resize(starts_.back());
  std::vector<std::uint32_t> next(starts_.begin(), starts_.end() - 1);
  for (std::size_t position = 0; position < nodes.size(); ++position)
    if (slotOfPosition[position] != kTopLevel)
      positions_[next[slotOfPosition[position]]++] = static_cast<std::uint32_t>(position);
}

std::span<const std::uint32_t> FilterNodeChildren::of(unsigned int id) const {
  const auto found = slotOfId_.find(id);
  if (found == slotOfId_.end()) return {};
  return std::span<const std::uint32_t>(positions_).subspan(starts_[found->second],
                                                            starts_[found->second + 1] - starts_[found->second]);
}
