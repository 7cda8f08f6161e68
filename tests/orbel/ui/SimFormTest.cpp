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
    EXPECT_EQ(form.LineStep(), c.line) << c.hidden;
    EXPECT_EQ(form.PageStep(), c.page) << c.hidden;
  }
}

TEST(ScrollableForm, StepsStopAtTheTopAndAtTheHiddenHeight) {
  using tk::ScrollRequest;
  CDlgScrollable form;
  form.Create(kDesigned - 120);  // line 6, page 12
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
