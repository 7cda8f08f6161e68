#include "toolkit/AnchorLayout.h"

#include <utility>

namespace tk {
namespace {

// One axis: `low`/`high` the control's edges, anchored at the near and far
// side; `before`/`after` the client's extent along the axis.
void follow(int& low, int& high, bool nearSide, bool farSide, int before, int after) {
  const int change = after - before;
  if (nearSide && farSide) {
    high += change;
  } else if (farSide) {
    low += change;
    high += change;
  } else if (!nearSide) {
    const int shift = after / 2 - before / 2;
    low += shift;
    high += shift;
  }
}

}  // namespace

void AnchorLayout::add(std::string id, Rect rect, unsigned anchors) {
  entries_.push_back({std::move(id), rect, anchors});
}

void AnchorLayout::apply(Rect client) {
  for (Entry& entry : entries_) {
    Rect& r = entry.rect;
    const unsigned a = entry.anchors;
    follow(r.left, r.right, (a & kLeft) != 0, (a & kRight) != 0, client_.width(), client.width());
    follow(r.top, r.bottom, (a & kTop) != 0, (a & kBottom) != 0, client_.height(), client.height());
    if ((a & kPinTop) != 0) r.top = client.top;
    if ((a & kPinLeft) != 0) r.left = client.left;
    if ((a & kPinRight) != 0) r.right = client.right;
    if ((a & kPinBottom) != 0) r.bottom = client.bottom;
  }
  client_ = client;
}

const Rect* AnchorLayout::rectOf(const std::string& id) const {
  for (const Entry& entry : entries_)
    if (entry.id == id) return &entry.rect;
  return nullptr;
}

}  // namespace tk
