#include "orbel/filter/CFilterTreeCtrl.h"

#include <cctype>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace {

int imageOfNode(const CFilterNode& node) { return node.GetChecked() + 1; }
// A settled third-level item shows its node ticked or not.
int tickedOrNot(const CFilterNode& node) {
  return node.GetChecked() != CFilterNode::kUnticked ? CFilterTreeCtrl::kTickedImage : CFilterTreeCtrl::kUntickedImage;
}

}  // namespace

CFilterTreeCtrl::CFilterTreeCtrl(std::string id) : TreeControl(std::move(id), tk::ControlKind::Tree, 2) {
  onStateImageClick = [this](tk::TreeItem item) { OnLButtonDown(item, HitZone::StateImage); };
  labelClickTicks = true;
}

CFilterNode* CFilterTreeCtrl::nodeOf(tk::TreeItem item) const {
  return isItem(item) ? reinterpret_cast<CFilterNode*>(static_cast<std::uintptr_t>(itemData(item))) : nullptr;
}

int CFilterTreeCtrl::stateFromChildren(const std::vector<int>& childImages) {
  bool allTicked = true;
  bool allUnticked = true;
  for (int image : childImages) {
    allTicked = allTicked && image == kTickedImage;
    allUnticked = allUnticked && image == kUntickedImage;
  }
  if (allTicked) return kTickedImage;  // also without children
  return allUnticked ? kUntickedImage : kPartlyTickedImage;
}

void CFilterTreeCtrl::LoadNodes(CFilterNodeList* list) {
  deleteAllItems();
  counts_.clear();
  list_ = list;
  if (list == nullptr) return;
  const CFilterNodeList& nodes = *list;

  // The parent-to-children index, built once: every later step looks a
  // node's children up instead of scanning the list for them.
  std::unordered_map<unsigned int, std::vector<std::size_t>> childrenOf;
  childrenOf.reserve(nodes.size());
  for (std::size_t index = 0; index < nodes.size(); ++index)
    if (nodes[index] != nullptr && nodes[index]->GetParentId() != 0)
      childrenOf[nodes[index]->GetParentId()].push_back(index);

  // Each node is shown once, so a node list whose identities form a cycle
  // cannot make the tree grow without end.
  std::vector<bool> shown(nodes.size(), false);
  struct Pending {
    tk::TreeItem item;
    std::size_t index;
  };
  std::vector<Pending> pending;
  for (std::size_t index = 0; index < nodes.size(); ++index) {
    CFilterNode* node = nodes[index];
    if (node == nullptr || node->GetParentId() != 0 || shown[index]) continue;
    shown[index] = true;
    const tk::TreeItem top = insertItem(node->label());
    setStateImage(top, imageOfNode(*node));
    setItemData(top, reinterpret_cast<std::uintptr_t>(node));
    pending.push_back({top, index});
    // Children of a top-level node are shown whatever its leaf flag says;
    // deeper down only non-leaf nodes have theirs shown.
    while (!pending.empty()) {
      const Pending at = pending.back();
      pending.pop_back();
      auto found = childrenOf.find(nodes[at.index]->GetId());
      if (found == childrenOf.end()) continue;
      for (std::size_t child : found->second) {
        if (shown[child]) continue;
        shown[child] = true;
        CFilterNode* childNode = nodes[child];
        const tk::TreeItem item = insertItem(childNode->label(), at.item);
        setItemData(item, reinterpret_cast<std::uintptr_t>(childNode));
        childNode->SetParentNode(nodes[at.index]);
        if (!childNode->IsLeaf()) pending.push_back({item, child});
      }
    }
  }

  for (tk::TreeItem top : children(tk::kTreeRoot)) {
    expand(top, true);
    for (tk::TreeItem second : children(top)) expand(second, true);
  }

  // Settle the first three levels. A first-level item is recomputed once,
  // after all its children are settled: the state it would take after each
  // child is overwritten by the next, so the result is the same.
  for (tk::TreeItem top : children(tk::kTreeRoot)) {
    if (children(top).empty()) continue;
    for (tk::TreeItem second : children(top)) {
      if (children(second).empty()) {
        setStateImage(second, tickedOrNot(*nodeOf(second)));
        continue;
      }
      for (tk::TreeItem third : children(second)) setStateImage(third, tickedOrNot(*nodeOf(third)));
      settleFromChildren(second);
    }
    settleFromChildren(top);
  }

  // Items are numbered in insertion order, every parent before its children.
  std::vector<tk::TreeItem> all(count());
  for (std::size_t index = 0; index < all.size(); ++index) all[index] = static_cast<tk::TreeItem>(index + 1);
  recount(all);
  if (!search_.empty()) applySearch();
}

void CFilterTreeCtrl::SetAllLeaves(bool on) {
  if (list_ == nullptr) return;
  for (CFilterNode* node : *list_) {
    if (node == nullptr) break;
    if (node->IsLeaf()) node->SetChecked(on ? CFilterNode::kTicked : CFilterNode::kUnticked);
  }
  LoadNodes(list_);
}

void CFilterTreeCtrl::SetLeavesByValue(const unsigned int* values, unsigned int count, bool on) {
  if (list_ == nullptr) return;
  const std::unordered_set<unsigned int> wanted(values, values == nullptr ? values : values + count);
  for (CFilterNode* node : *list_) {
    if (node == nullptr) break;
    if (node->IsLeaf() && wanted.contains(node->GetValue()))
      node->SetChecked(on ? CFilterNode::kTicked : CFilterNode::kUnticked);
  }
  LoadNodes(list_);
}

void CFilterTreeCtrl::OnLButtonDown(tk::TreeItem item, HitZone zone) {
  if (!acceptsUserAction()) return;  // a disabled tree takes no clicks
  const bool onItem = zone == HitZone::StateImage || zone == HitZone::Icon || zone == HitZone::Label;
  if (!isItem(item) || !onItem) {
    if (isItem(item) && zone == HitZone::Button) expandByUser(item, !expanded(item));
    return;
  }
  const int image = stateImage(item) == kTickedImage ? kUntickedImage : kTickedImage;
  const std::vector<tk::TreeItem> subtree = setSubtree(item, image);
  for (tk::TreeItem above = parent(item); isItem(above); above = parent(above)) settleFromChildren(above);
  recount(subtree);
}

void CFilterTreeCtrl::settleFromChildren(tk::TreeItem item) {
  std::vector<int> images;
  images.reserve(children(item).size());
  for (tk::TreeItem child : children(item)) images.push_back(stateImage(child));
  const int image = stateFromChildren(images);
  setStateImage(item, image);
  if (CFilterNode* node = nodeOf(item)) node->SetChecked(image - 1);
}

std::vector<tk::TreeItem> CFilterTreeCtrl::setSubtree(tk::TreeItem item, int image) {
  std::vector<tk::TreeItem> subtree{item};
  for (std::size_t next = 0; next < subtree.size(); ++next) {
    const tk::TreeItem at = subtree[next];
    setStateImage(at, image);
    if (CFilterNode* node = nodeOf(at)) node->SetChecked(image - 1);
    subtree.insert(subtree.end(), children(at).begin(), children(at).end());
  }
  return subtree;
}

CFilterTreeCtrl::LeafCount CFilterTreeCtrl::leafCount(tk::TreeItem item) const {
  return isItem(item) && item < counts_.size() ? counts_[item] : LeafCount{};
}

void CFilterTreeCtrl::recount(const std::vector<tk::TreeItem>& items) {
  if (items.empty()) return;
  counts_.resize(count() + 1);
  const auto countFromChildren = [this](tk::TreeItem item) {
    LeafCount sum;
    if (children(item).empty()) {
      const CFilterNode* node = nodeOf(item);
      sum = {node != nullptr && node->GetChecked() != CFilterNode::kUnticked ? 1u : 0u, 1u};
    }
    for (tk::TreeItem child : children(item)) {
      sum.ticked += counts_[child].ticked;
      sum.total += counts_[child].total;
    }
    counts_[item] = sum;
    if (!children(item).empty()) setItemText(item, std::to_string(sum.ticked) + '/' + std::to_string(sum.total), 1);
  };
  for (auto at = items.rbegin(); at != items.rend(); ++at) countFromChildren(*at);
  for (tk::TreeItem above = parent(items.front()); isItem(above); above = parent(above)) countFromChildren(above);
}

std::string CFilterTreeCtrl::stateText() const {
  LeafCount all;
  for (tk::TreeItem top : children(tk::kTreeRoot)) {
    all.ticked += leafCount(top).ticked;
    all.total += leafCount(top).total;
  }
  std::string text = TreeControl::stateText() + ", " + std::to_string(all.ticked) + " of " + std::to_string(all.total) +
                     " leaves ticked";
  return search_.empty() ? text : text + ", search \"" + search_ + '"';
}

void CFilterTreeCtrl::SetSearchText(std::string text) {
  search_ = std::move(text);
  applySearch();
}

void CFilterTreeCtrl::applySearch() {
  std::string wanted = search_;
  for (char& c : wanted) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  std::optional<unsigned long long> number;
  {
    std::string_view digits = wanted;
    int base = 10;
    if (digits.starts_with("0x")) {
      digits.remove_prefix(2);
      base = 16;
    }
    unsigned long long parsed = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), parsed, base);
    if (!digits.empty() && error == std::errc() && end == digits.data() + digits.size()) number = parsed;
  }
  const auto matches = [&](tk::TreeItem item) {
    if (wanted.empty()) return true;
    const CFilterNode* node = nodeOf(item);
    if (number && node != nullptr && node->GetValue() == *number) return true;
    std::string label = itemText(item);
    for (char& c : label) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return label.find(wanted) != std::string::npos;
  };
  // Items are numbered parents first: a backward pass finds the subtrees
  // that hold a match, a forward pass the items under a match.
  const std::size_t items = count();
  std::vector<char> matched(items + 1, 0), below(items + 1, 0), under(items + 1, 0);
  for (std::size_t item = items; item >= 1; --item) {
    matched[item] = matches(static_cast<tk::TreeItem>(item)) ? 1 : 0;
    if (matched[item] || below[item]) below[parent(static_cast<tk::TreeItem>(item))] = 1;
  }
  for (std::size_t item = 1; item <= items; ++item) {
    const tk::TreeItem above = parent(static_cast<tk::TreeItem>(item));
    under[item] = isItem(above) && (matched[above] || under[above]) ? 1 : 0;
    setItemHidden(static_cast<tk::TreeItem>(item), !(matched[item] || below[item] || under[item]));
  }
}
