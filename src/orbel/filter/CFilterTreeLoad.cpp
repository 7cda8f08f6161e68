// Loading a node list into the filter tree: building the items, and
// refreshing them in place when the same list is loaded again.
#include "orbel/filter/CFilterTreeCtrl.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "orbel/filter/FilterNodeChildren.h"

namespace {

// What a parent sees of its children's state images.
constexpr std::uint8_t kSomeNotTicked = 1;
constexpr std::uint8_t kSomeNotUnticked = 2;

std::uint8_t mixOf(int image) {
  return static_cast<std::uint8_t>((image != CFilterTreeCtrl::kTickedImage ? kSomeNotTicked : 0) |
                                   (image != CFilterTreeCtrl::kUntickedImage ? kSomeNotUnticked : 0));
}
int imageOfMix(std::uint8_t mix) {
  if ((mix & kSomeNotTicked) == 0) return CFilterTreeCtrl::kTickedImage;  // also without children
  return (mix & kSomeNotUnticked) == 0 ? CFilterTreeCtrl::kUntickedImage : CFilterTreeCtrl::kPartlyTickedImage;
}

// The state image a top-level item without children shows for its node's
// state: none for a state that has no image.
int imageOfNodeState(int checked) {
  return checked >= CFilterTreeCtrl::kNoImage - 1 && checked <= CFilterTreeCtrl::kPartlyTickedImage - 1
             ? checked + 1
             : CFilterTreeCtrl::kNoImage;
}

// Labels are short: comparing them eight characters at a time, inline,
// costs less than a call.
bool sameText(const std::string& shown, const std::string& label) {
  const std::size_t size = shown.size();
  if (size != label.size()) return false;
  std::size_t at = 0;
  for (; at + 8 <= size; at += 8) {
    std::uint64_t left = 0;
    std::uint64_t right = 0;
    std::memcpy(&left, shown.data() + at, 8);
    std::memcpy(&right, label.data() + at, 8);
    if (left != right) return false;
  }
  for (; at < size; ++at)
    if (shown[at] != label[at]) return false;
  return true;
}

std::string countText(CFilterTreeCtrl::LeafCount count) {
  char text[24];  // two numbers of up to 10 digits and the slash
  char* const slash = std::to_chars(text, text + 10, count.ticked).ptr;
  *slash = '/';
  return std::string(text, std::to_chars(slash + 1, text + sizeof text, count.total).ptr);
}

// The values to tick by: a bit for each value between the lowest and the
// highest when they lie close enough together, else the sorted values.
class ValueSet {
 public:
  explicit ValueSet(std::span<const unsigned int> values) : sorted_(values.begin(), values.end()) {
    std::sort(sorted_.begin(), sorted_.end());
    if (sorted_.empty() || sorted_.back() - sorted_.front() >= kMostBits) return;
    lowest_ = sorted_.front();
    bits_.resize(sorted_.back() - lowest_ + 1);
    for (unsigned int value : sorted_) bits_[value - lowest_] = true;
  }
  bool contains(unsigned int value) const {
    if (!bits_.empty()) return value >= lowest_ && value - lowest_ < bits_.size() && bits_[value - lowest_];
    return std::binary_search(sorted_.begin(), sorted_.end(), value);
  }

 private:
  static constexpr unsigned int kMostBits = 1u << 20;
  std::vector<unsigned int> sorted_;
  unsigned int lowest_ = 0;
  std::vector<bool> bits_;
};

// A reading of the nodes that does nothing before reading each.
constexpr auto kNothingBefore = [](CFilterNode*) {};

}  // namespace

int CFilterTreeCtrl::stateFromChildren(const std::vector<int>& childImages) {
  std::uint8_t mix = 0;
  for (int image : childImages) mix |= mixOf(image);
  return imageOfMix(mix);
}

void CFilterTreeCtrl::LoadNodes(CFilterNodeList* list) {
  if (std::optional<std::vector<tk::TreeItem>> changed = readSameNodes(list, kNothingBefore))
    refresh(std::move(*changed));
  else
    showAnew(list);
}

void CFilterTreeCtrl::deleteAllItems() {
  loaded_.clear();
  levels_.clear();
  settledWith_.clear();
  counts_.clear();
  TreeControl::deleteAllItems();
}

template <class BeforeReading>
std::optional<std::vector<tk::TreeItem>> CFilterTreeCtrl::readSameNodes(const CFilterNodeList* list,
                                                                       BeforeReading beforeReading) {
  if (list == nullptr || list != list_ || list->size() != loaded_.size() || settledWith_.size() != count() + 1)
    return std::nullopt;
  std::vector<tk::TreeItem> changed;
  for (std::size_t position = 0; position < loaded_.size(); ++position) {
    CFilterNode* node = (*list)[position];
    beforeReading(node);
    const LoadedNode& was = loaded_[position];
    if (node != was.node) return std::nullopt;
    if (node == nullptr) continue;
    if (node->GetId() != was.id || node->GetParentId() != was.parentId || node->IsLeaf() != was.leaf)
      return std::nullopt;
    if (was.item == tk::kTreeRoot) continue;  // not shown
    if (node->GetChecked() != settledWith_[was.item]) {
      settledWith_[was.item] = node->GetChecked();
      changed.push_back(was.item);
    }
    if (!sameText(itemText(was.item), node->label())) setItemText(was.item, node->label());
    if (was.level >= 2 && node->GetParentNode() != was.parentNode) node->SetParentNode(was.parentNode);
  }
  return changed;
}

void CFilterTreeCtrl::refresh(std::vector<tk::TreeItem> changed) {
  // Every item to settle again, with its ancestors, marked once; then
  // settled children first. Items are numbered parents first, so that is
  // from the highest item down: a sort of the few marked, or a walk over
  // the marks when many are.
  for (tk::TreeItem item : takeChangedSinceRefresh()) changed.push_back(item);
  std::vector<bool> marked(count() + 1, false);
  std::vector<tk::TreeItem> toSettle;
  for (tk::TreeItem item : changed)
    for (tk::TreeItem at = item; isItem(at) && !marked[at]; at = parent(at)) {
      marked[at] = true;
      toSettle.push_back(at);
    }
  if (toSettle.size() < count() / 16) {
    std::sort(toSettle.begin(), toSettle.end(), std::greater<>());
    for (tk::TreeItem item : toSettle) settle(item);
  } else {
    for (std::size_t item = count(); item >= 1; --item)
      if (marked[item]) settle(static_cast<tk::TreeItem>(item));
  }
  finishLoad();
}

void CFilterTreeCtrl::showAnew(CFilterNodeList* list) {
  deleteAllItems();
  list_ = list;
  if (list == nullptr) return;
  insertNodes(*list);
  settledWith_.assign(count() + 1, CFilterNode::kUnticked);
  counts_.assign(count() + 1, LeafCount{});
  readSameNodes(list, kNothingBefore);  // reads the states, links the nodes
  for (std::size_t item = count(); item >= 1; --item) settle(static_cast<tk::TreeItem>(item));
  finishLoad();
}

void CFilterTreeCtrl::finishLoad() {
  if (!search_.empty()) applySearch();
  dropSelection();
  takeChangedSinceRefresh();  // what the load itself changed
}

void CFilterTreeCtrl::settle(tk::TreeItem item) {
  const int level = levels_[item];
  const bool hasChildren = !children(item).empty();
  const int checked = settledWith_[item];
  int image = kNoImage;
  if (hasChildren && level <= 2) {
    image = imageFromChildren(item);
    settledWith_[item] = image - 1;
    nodeOf(item)->SetChecked(image - 1);
  } else if (level == 1) {
    image = imageOfNodeState(checked);  // a top-level item without children
  } else if (level <= 3) {
    image = checked != CFilterNode::kUnticked ? kTickedImage : kUntickedImage;
  }
  setLook(item, {.stateImage = image, .expanded = level <= 2, .hidden = !search_.empty() && itemHidden(item)});
  showCount(item, checked);
}

int CFilterTreeCtrl::imageFromChildren(tk::TreeItem item) const {
  std::uint8_t mix = 0;
  for (tk::TreeItem child : children(item)) mix |= mixOf(stateImage(child));
  return imageOfMix(mix);
}

void CFilterTreeCtrl::showCount(tk::TreeItem item, int leafState) {
  const std::vector<tk::TreeItem>& under = children(item);
  LeafCount count;
  if (under.empty()) count = {leafState != CFilterNode::kUnticked ? 1u : 0u, 1u};
  for (tk::TreeItem child : under) {
    count.ticked += counts_[child].ticked;
    count.total += counts_[child].total;
  }
  counts_[item] = count;
  setItemText(item, under.empty() ? std::string() : countText(count), 1);
}

void CFilterTreeCtrl::insertNodes(const CFilterNodeList& nodes) {
  reserveItems(nodes.size());
  loaded_.reserve(nodes.size());
  for (CFilterNode* node : nodes)
    loaded_.push_back(node == nullptr ? LoadedNode{}
                                      : LoadedNode{node, nullptr, node->GetId(), node->GetParentId(), tk::kTreeRoot,
                                                   0, node->IsLeaf()});
  levels_.reserve(nodes.size() + 1);
  levels_.push_back(0);  // the root

  // First each top-level node claims the nodes under it, then they are
  // inserted parents first in depth-first order, so that the items follow
  // the order of a list that names every parent before its children. Each
  // node is shown once, so a node list whose identities form a cycle cannot
  // make the tree grow without end.
  const FilterNodeChildren childrenOf(nodes);
  std::vector<bool> shown(nodes.size(), false);
  struct Claimed {
    std::uint32_t begin = 0, end = 0;  // in `claimed`
  };
  std::vector<Claimed> claimedBy(nodes.size());
  std::vector<std::uint32_t> claimed;
  claimed.reserve(nodes.size());
  std::vector<std::uint32_t> unclaimed;
  struct Inserting {
    tk::TreeItem item;
    CFilterNode* node;
    std::uint32_t next, end;  // its claimed nodes still to insert
    std::uint8_t level;
  };
  std::vector<Inserting> inserting;
  for (std::size_t position = 0; position < nodes.size(); ++position) {
    CFilterNode* node = nodes[position];
    if (node == nullptr || node->GetParentId() != 0 || shown[position]) continue;
    shown[position] = true;
    // Children of a top-level node are shown whatever its leaf flag says;
    // deeper down only non-leaf nodes have theirs shown.
    unclaimed.push_back(static_cast<std::uint32_t>(position));
    while (!unclaimed.empty()) {
      const std::uint32_t at = unclaimed.back();
      unclaimed.pop_back();
      claimedBy[at].begin = static_cast<std::uint32_t>(claimed.size());
      for (std::uint32_t child : childrenOf.of(nodes[at]->GetId())) {
        if (shown[child]) continue;
        shown[child] = true;
        claimed.push_back(child);
        if (!nodes[child]->IsLeaf()) unclaimed.push_back(child);
      }
      claimedBy[at].end = static_cast<std::uint32_t>(claimed.size());
    }

    const tk::TreeItem top = insertItem(node->label());
    setItemData(top, reinterpret_cast<std::uintptr_t>(node));
    loaded_[position].item = top;
    loaded_[position].level = 1;
    levels_.push_back(1);
    inserting.push_back({top, node, claimedBy[position].begin, claimedBy[position].end, 1});
    while (!inserting.empty()) {
      Inserting& above = inserting.back();
      if (above.next == above.end) {
        inserting.pop_back();
        continue;
      }
      const std::uint32_t child = claimed[above.next++];
      CFilterNode* childNode = nodes[child];
      const tk::TreeItem item = insertItem(childNode->label(), above.item);
      setItemData(item, reinterpret_cast<std::uintptr_t>(childNode));
      loaded_[child].item = item;
      loaded_[child].parentNode = above.node;
      const auto level = static_cast<std::uint8_t>(above.level < 4 ? above.level + 1 : 4);
      loaded_[child].level = level;
      levels_.push_back(level);
      if (claimedBy[child].begin != claimedBy[child].end)
        inserting.push_back({item, childNode, claimedBy[child].begin, claimedBy[child].end, level});
    }
  }
}

void CFilterTreeCtrl::SetAllLeaves(bool on) {
  tickLeaves([](unsigned int) { return true; }, on);
}

void CFilterTreeCtrl::SetLeavesByValue(const unsigned int* values, unsigned int count, bool on) {
  if (list_ == nullptr) return;
  const ValueSet wanted(std::span<const unsigned int>(values, values == nullptr ? 0 : count));
  tickLeaves([&wanted](unsigned int value) { return wanted.contains(value); }, on);
}

template <class Wanted>
void CFilterTreeCtrl::tickLeaves(Wanted wanted, bool on) {
  if (list_ == nullptr) return;
  // The leaves are ticked as the reload reads them; should the list have
  // changed since it was loaded, the entries not read yet are ticked before
  // it is loaded anew.
  const int state = on ? CFilterNode::kTicked : CFilterNode::kUnticked;
  std::size_t seen = 0;
  bool pastNull = false;
  const auto tick = [&](CFilterNode* node) {
    ++seen;
    pastNull = pastNull || node == nullptr;
    if (!pastNull && node->IsLeaf() && wanted(node->GetValue())) node->SetChecked(state);
  };
  if (std::optional<std::vector<tk::TreeItem>> changed = readSameNodes(list_, tick)) {
    refresh(std::move(*changed));
    return;
  }
  for (std::size_t position = seen; position < list_->size(); ++position) tick((*list_)[position]);
  showAnew(list_);
}
