#include "orbel/filter/CFilterTreeCtrl.h"

#include <cctype>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

CFilterTreeCtrl::CFilterTreeCtrl(std::string id) : TreeControl(std::move(id), tk::ControlKind::Tree, 2) {
  onStateImageClick = [this](tk::TreeItem item) { OnLButtonDown(item, HitZone::StateImage); };
  labelClickTicks = true;
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
  const int image = imageFromChildren(item);
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
  const auto countFromNode = [this](tk::TreeItem item) {
    const CFilterNode* node = nodeOf(item);
    showCount(item, node != nullptr ? node->GetChecked() : CFilterNode::kUnticked);
  };
  for (auto at = items.rbegin(); at != items.rend(); ++at) countFromNode(*at);
  for (tk::TreeItem above = parent(items.front()); isItem(above); above = parent(above)) countFromNode(above);
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
