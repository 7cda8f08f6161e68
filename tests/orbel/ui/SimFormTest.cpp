// The parts of the SIM command form: the scrollable pane's step arithmetic
// at its boundaries, and the layout of multi-line tips.
#include <gtest/gtest.h>

#include "orbel/ui/CDlgScrollable.h"
#include "orbel/ui/CRichToolTipCtrl.h"

namespace {

constexpr int kDesigned = CDlgScrollable::kDesignedHeight;

TEST(ScrollableForm, StepsAreATwentiethAndATenthOfTheHiddenHeightButFivePixelsBelowSix) {
  struct Case {
    int hidden, line, page;
  };
  const Case cases[] = {{0, 5, 5}, {59, 5, 5}, {60, 5, 6}, {119, 5, 11}, {120, 6, 12}, {kDesigned, 36, 72}};
  for (const Case& c : cases) {
    CDlgScrollable form;
    form.Create(kDesigned - c.hidden);
    form.FitToRows(CDlgScrollable::kRowCount);
    EXPECT_EQ(form.LineStep(), c.line) << c.hidden;
    EXPECT_EQ(form.PageStep(), c.page) << c.hidden;
  }
}

TEST(ScrollableForm, StepsStopAtTheTopAndAtTheHiddenHeight) {
  using tk::ScrollRequest;
  CDlgScrollable form;
  form.Create(kDesigned - 120);
  form.FitToRows(CDlgScrollable::kRowCount);  // line 6, page 12
  tk::ScrollPane& pane = form.pane();
  const std::tuple<ScrollRequest, int, int> steps[] = {
      {ScrollRequest::LineUp, 0, 0},     {ScrollRequest::LineDown, 0, 6},   {ScrollRequest::PageUp, 0, 0},
      {ScrollRequest::Thumb, 117, 117},  {ScrollRequest::LineDown, 0, 120}, {ScrollRequest::PageDown, 0, 120},
      {ScrollRequest::PageUp, 0, 108},   {ScrollRequest::Thumb, 3, 3},      {ScrollRequest::LineUp, 0, 0},
  };
  for (const auto& [request, thumb, expected] : steps) {
    pane.scroll(request, thumb);
    EXPECT_EQ(pane.position(), expected) << tk::scrollRequestName(request) << ' ' << thumb;
  }
  pane.resizeView(kDesigned - 40);
  EXPECT_EQ(pane.stateText(), "position 0 of 40 (range 728, page 688)");
  pane.scroll(ScrollRequest::PageDown);
  EXPECT_EQ(pane.position(), 5);
}

// The range once stayed at all fourteen rows whatever a command showed, so
// scrolling moved every shown row out of view.
TEST(ScrollableForm, ScrollsOnlyAsFarAsTheShownRowsReach) {
  using tk::ScrollRequest;
  CDlgScrollable form;
  form.Create(200);
  tk::ScrollPane& pane = form.pane();
  EXPECT_EQ(pane.hidden(), 0);
  const std::tuple<int, int> cases[] = {{3, 0}, {4, 8}, {14, kDesigned - 200}, {0, 0}};
  for (const auto& [rows, hidden] : cases) {
    form.FitToRows(rows);
    EXPECT_EQ(pane.hidden(), hidden) << rows;
    pane.scroll(ScrollRequest::Thumb, 10'000);
    pane.scroll(ScrollRequest::PageDown);
    EXPECT_EQ(pane.position(), hidden) << rows;
    pane.resizeView(150);  // a resize keeps the shown rows' height
    EXPECT_EQ(pane.range(), rows * CDlgScrollable::kRowHeight) << rows;
    pane.resizeView(200);
  }
}

TEST(RichToolTip, KeepsLineBreaksAndWrapsLongLinesAtWords) {
  CRichToolTipCtrl tip;
  tip.SetMaxTipWidth(20);
  const std::pair<std::string, std::string> cases[] = {
      {"one two three four five six", "one two three four\nfive six"},
      {"first\nsecond  line", "first\nsecond line"},
      {"a\n\nb", "a\n\nb"},
      {"x averyveryverylongwordindeed y", "x\naveryveryverylongwordindeed\ny"},
      {"  indented  ", "indented"},
  };
  for (const auto& [text, shown] : cases) EXPECT_EQ(tip.FormatTipText(text), shown) << text;
  tk::Edit field("f");
  tip.UpdateTipText("one two three four five six", field);
  EXPECT_EQ(field.tooltip(), "one two three four\nfive six");
}

}  // namespace
