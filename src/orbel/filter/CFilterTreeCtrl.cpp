#include "orbel/filter/CFilterTreeCtrl.h"

#include <cctype>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_set>
#include <utility>

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

// A top-level item shows its node's state; a state without an image shows none.
int imageOfNode(const CFilterNode& node) {
  const int image = node.GetChecked() + 1;
  return image >= CFilterTreeCtrl::kNoImage && image <= CFilterTreeCtrl::kPartlyTickedImage ? image
                                                                                           : CFilterTreeCtrl::kNoImage;
}
// A settled third-level item shows its node ticked or not.
int tickedOrNot(const CFilterNode& node) {
  return node.GetChecked() != CFilterNode::kUnticked ? CFilterTreeCtrl::kTickedImage : CFilterTreeCtrl::kUntickedImage;
}

std::string countText(CFilterTreeCtrl::LeafCount count) {
  char text[24];  // two numbers of up to 10 digits and the slash
  char* const slash = std::to_chars(text, text + 10, count.ticked).ptr;
  *slash = '/';
  return std::string(text, std::to_chars(slash + 1, text + sizeof text, count.total).ptr);
}

}  // namespace

CFilterTreeCtrl::CFilterTreeCtrl(std::string id) : TreeControl(std::move(id), tk::ControlKind::Tree, 2) {
  onStateImageClick = [this](tk::TreeItem item) { OnLButtonDown(item, HitZone::StateImage); };
  labelClickTicks = true;
}

int CFilterTreeCtrl::stateFromChildren(const std::vector<int>& childImages) {
  std::uint8_t mix = 0;
  for (int image : childImages) mix |= mixOf(image);
  return imageOfMix(mix);
}

void CFilterTreeCtrl::LoadNodes(CFilterNodeList* list) {
  if (!showsSameNodes(list)) {
    deleteAllItems();
    list_ = list;
    if (list == nullptr) return;
    insertNodes(*list);
  }
  showNodeStates();
  if (!search_.empty()) applySearch();
}

void CFilterTreeCtrl::deleteAllItems() {
  loaded_.clear();
  levels_.clear();
  counts_.clear();
  TreeControl::deleteAllItems();
}

bool CFilterTreeCtrl::showsSameNodes(const CFilterNodeList* list) const {
  if (list == nullptr || list != list_ || list->size() != loaded_.size() || levels_.size() != count() + 1) return false;
  for (std::size_t position = 0; position < loaded_.size(); ++position) {
    const CFilterNode* node = (*list)[position];
    const LoadedNode& was = loaded_[position];
    if (node != was.node) return false;
    if (node != nullptr &&
        (node->GetId() != was.id || node->GetParentId() != was.parentId || node->IsLeaf() != was.leaf))
      return false;
  }
  return true;
}

void CFilterTreeCtrl::insertNodes(const CFilterNodeList& nodes) {
  reserveItems(nodes.size());
  loaded_.reserve(nodes.size());
  for (const CFilterNode* node : nodes)
    loaded_.push_back(node == nullptr ? LoadedNode{}
                                      : LoadedNode{node, node->GetId(), node->GetParentId(), node->IsLeaf()});
  levels_.reserve(nodes.size() + 1);
  levels_.push_back(0);  // the root

  const FilterNodeChildren childrenOf(nodes);
  // Each node is shown once, so a node list whose identities form a cycle
  // cannot make the tree grow without end.
  std::vector<bool> shown(nodes.size(), false);
  struct Pending {
    tk::TreeItem item;
    std::size_t position;
    std::uint8_t level;
  };
  std::vector<Pending> pending;
  for (std::size_t position = 0; position < nodes.size(); ++position) {
    CFilterNode* node = nodes[position];
    if (node == nullptr || node->GetParentId() != 0 || shown[position]) continue;
    shown[position] = true;
    const tk::TreeItem top = insertItem(node->label());
    setItemData(top, reinterpret_cast<std::uintptr_t>(node));
    levels_.push_back(1);
    pending.push_back({top, position, 1});
    // Children of a top-level node are shown whatever its leaf flag says;
    // deeper down only non-leaf nodes have theirs shown.
    while (!pending.empty()) {
      const Pending at = pending.back();
      pending.pop_back();
      const auto level = static_cast<std::uint8_t>(at.level < 4 ? at.level + 1 : 4);
      for (std::uint32_t child : childrenOf.of(nodes[at.position]->GetId())) {
        if (shown[child]) continue;
        shown[child] = true;
        CFilterNode* childNode = nodes[child];
        const tk::TreeItem item = insertItem(childNode->label(), at.item);
        setItemData(item, reinterpret_cast<std::uintptr_t>(childNode));
        levels_.push_back(level);
        if (!childNode->IsLeaf()) pending.push_back({item, child, level});
      }
    }
  }
}

void CFilterTreeCtrl::showNodeStates() {
  // Items are numbered in insertion order, every parent before its
  // children, so a backward pass meets every child before its parent: each
  // item passes its state image and leaf count up as it is settled.
  const std::size_t items = count();
  counts_.assign(items + 1, LeafCount{});
  std::vector<std::uint8_t> childMix(items + 1, 0);
  for (std::size_t index = items; index >= 1; --index) {
    const auto item = static_cast<tk::TreeItem>(index);
    CFilterNode& node = *nodeOf(item);
    const int level = levels_[index];
    const bool hasChildren = !children(item).empty();
    int shownImage = kNoImage;
    if (hasChildren && level <= 2) {
      shownImage = imageOfMix(childMix[index]);
      node.SetChecked(shownImage - 1);
    } else if (level == 1) {
      shownImage = imageOfNode(node);  // a top-level item without children
    } else if (level <= 3) {
      shownImage = tickedOrNot(node);
    }
    setStateImage(item, shownImage);

    const tk::TreeItem above = parent(item);
    childMix[above] |= mixOf(shownImage);
    LeafCount& own = counts_[index];
    if (!hasChildren) own = {node.GetChecked() != CFilterNode::kUnticked ? 1u : 0u, 1u};
    counts_[above].ticked += own.ticked;
    counts_[above].total += own.total;
    setItemText(item, hasChildren ? countText(own) : std::string(), 1);

    if (itemText(item) != node.label()) setItemText(item, node.label());
    if (image(item) != 0 || selectedImage(item) != 0) setImage(item, 0, 0);
    expand(item, level <= 2);
    if (search_.empty()) setItemHidden(item, false);
    if (level >= 2) node.SetParentNode(nodeOf(above));
  }
  dropSelection();
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
