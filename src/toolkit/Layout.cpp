#include "toolkit/Layout.h"

#include <utility>

namespace tk {

LayoutNode item(Control& control) { return {LayoutNode::Kind::Control, &control, {}, {}}; }

LayoutNode row(std::vector<LayoutNode> children) { return {LayoutNode::Kind::Row, nullptr, {}, std::move(children)}; }

LayoutNode column(std::vector<LayoutNode> children) {
  return {LayoutNode::Kind::Column, nullptr, {}, std::move(children)};
}

LayoutNode group(std::string caption, std::vector<LayoutNode> children) {
  return {LayoutNode::Kind::Group, nullptr, std::move(caption), std::move(children)};
}

LayoutNode stretch() { return {LayoutNode::Kind::Stretch, nullptr, {}, {}}; }

}  // namespace tk
