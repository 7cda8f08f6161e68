// Geometry of a resizable dialog: each registered control keeps its
// rectangle and the edges it is anchored to, and follows a change of the
// client size by those anchors. Computed here, drawn by the backend.
#pragma once

#include <string>
#include <vector>

namespace tk {

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

class AnchorLayout {
 public:
  // Anchor bits. Anchored to both sides of an axis, a control stretches with
  // the client; to the far side only, it moves with it; to neither, it keeps
  // its place relative to the middle. The pin bits set an edge to the
  // client's edge.
  enum Anchor : unsigned {
    kTop = 0x1,
    kLeft = 0x2,
    kRight = 0x4,
    kBottom = 0x8,
    kPinTop = 0x100,
    kPinLeft = 0x200,
    kPinRight = 0x400,
    kPinBottom = 0x800,
  };

  struct Entry {
    std::string id;
    Rect rect;
    unsigned anchors = 0;
  };

  // The client rectangle the registered rectangles are placed in.
  void setClient(Rect client) { client_ = client; }
  const Rect& client() const { return client_; }
  void add(std::string id, Rect rect, unsigned anchors);
  // Moves every control by the change from the last client rectangle to
  // `client`, which then replaces it.
  void apply(Rect client);

  const std::vector<Entry>& entries() const { return entries_; }
  // The rectangle of the control `id`, or null when it is not registered.
  const Rect* rectOf(const std::string& id) const;

 private:
  Rect client_;
  std::vector<Entry> entries_;
};

}  // namespace tk
