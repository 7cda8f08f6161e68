#include "orbel/ui/CDlgScrollable.h"

#include <algorithm>
#include <string>

namespace {

std::string rowId(int index, const char* part) { return "row." + std::to_string(index) + "." + part; }

}  // namespace

CDlgScrollable::Row::Row(int index)
    : name(rowId(index, "name"), {}), value(rowId(index, "value")), list(rowId(index, "list")) {}

CDlgScrollable::CDlgScrollable() {
  std::vector<tk::LayoutNode> rows;
  for (int i = 0; i < kRowCount; ++i) {
    m_rows.push_back(std::make_unique<Row>(i));
    Row& made = *m_rows.back();
    // The name above its value, so that fields line up whatever the names' lengths.
    rows.push_back(tk::column({tk::item(made.name), tk::row({tk::item(made.value), tk::item(made.list)})}));
  }
  rows.push_back(tk::stretch());
  m_pane.setContent(tk::column(std::move(rows)));
  m_pane.onScroll = [this](tk::ScrollRequest request, int thumb) { OnVScroll(request, thumb); };
  m_pane.onResize = [this](int height) { OnSize(height); };
}

std::vector<tk::Control*> CDlgScrollable::controls() {
  std::vector<tk::Control*> all{&m_pane};
  for (const auto& made : m_rows) {
    all.push_back(&made->name);
    all.push_back(&made->value);
    all.push_back(&made->list);
  }
  return all;
}

void CDlgScrollable::Create(int visibleHeight) {
  m_pane.setScrollInfo(0, visibleHeight, 0);
  HideAllRows();
}

void CDlgScrollable::HideAllRows() {
  for (const auto& made : m_rows) {
    made->name.show(false);
    made->value.show(false);
    made->list.show(false);
    made->list.resetContent();
  }
  FitToRows(0);
}

void CDlgScrollable::FitToRows(int count) {
  m_contentHeight = std::clamp(count, 0, kRowCount) * kRowHeight;
  m_pane.setScrollInfo(m_contentHeight, m_pane.page(), 0);
}

void CDlgScrollable::OnVScroll(tk::ScrollRequest request, int thumbPosition) {
  switch (request) {
    case tk::ScrollRequest::LineUp: scrollBy(-LineStep()); break;
    case tk::ScrollRequest::LineDown: scrollBy(LineStep()); break;
    case tk::ScrollRequest::PageUp: scrollBy(-PageStep()); break;
    case tk::ScrollRequest::PageDown: scrollBy(PageStep()); break;
    case tk::ScrollRequest::Thumb: m_pane.setPosition(thumbPosition); break;
  }
}

// Up by no more than the position, down by no more than the hidden height
// still below.
void CDlgScrollable::scrollBy(int delta) {
  const int position = m_pane.position();
  if (delta < 0)
    delta = -std::min(-delta, position);
  else
    delta = std::min(delta, std::max(m_pane.hidden() - position, 0));
  m_pane.setPosition(position + delta);
}

void CDlgScrollable::OnSize(int visibleHeight) { m_pane.setScrollInfo(m_contentHeight, visibleHeight, 0); }
