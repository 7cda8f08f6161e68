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
  const Case cases[] = {{0, 5, 5},     {59, 5, 5},    {60, 5, 6},    {119, 5, 11},
                        {120, 6, 12},  {238, 11, 23}, {kDesigned, kDesigned / 20, kDesigned / 10}};
  for (const Case& c : cases) {
    CDlgScrollable form;
    form.Create(kDesigned - c.hidden);
    EXPECT_EQ(form.pane().hidden(), c.hidden);
    EXPECT_EQ(form.LineStep(), c.line) << c.hidden;
    EXPECT_EQ(form.PageStep(), c.page) << c.hidden;
  }
}

TEST(ScrollableForm, StepsStopAtTheTopAndAtTheHiddenHeight) {
  using tk::ScrollRequest;
  CDlgScrollable form;
  form.Create(kDesigned - 120);  // line 6, page 12
  tk::ScrollPane& pane = form.pane();
  struct Step {
    ScrollRequest request;
    int thumb;
    int expected;
  };
  const Step steps[] = {
      {ScrollRequest::LineUp, 0, 0},      {ScrollRequest::PageUp, 0, 0},     {ScrollRequest::LineDown, 0, 6},
      {ScrollRequest::PageUp, 0, 0},      {ScrollRequest::Thumb, 117, 117},  {ScrollRequest::LineDown, 0, 120},
      {ScrollRequest::PageDown, 0, 120},  {ScrollRequest::PageUp, 0, 108},   {ScrollRequest::Thumb, 3, 3},
      {ScrollRequest::LineUp, 0, 0},      {ScrollRequest::Thumb, 500, 120},  // the pane keeps the thumb inside
  };
  for (const Step& step : steps) {
    pane.scroll(step.request, step.thumb);
    EXPECT_EQ(pane.position(), step.expected) << tk::scrollRequestName(step.request) << ' ' << step.thumb;
  }
  pane.resizeView(kDesigned - 40);
  EXPECT_EQ(pane.position(), 0);
  EXPECT_EQ(pane.range(), kDesigned);
  EXPECT_EQ(pane.page(), kDesigned - 40);
  pane.scroll(ScrollRequest::PageDown);
  EXPECT_EQ(pane.position(), 5);

  // With nothing hidden no step moves the pane.
  pane.resizeView(kDesigned + 10);
  pane.scroll(ScrollRequest::LineDown);
  EXPECT_EQ(pane.position(), 0);
}

TEST(ScrollableForm, RowsHaveNumberedIdsAndStartHidden) {
  CDlgScrollable form;
  form.row(3).list.addString("x");
  form.Create(100);
  EXPECT_EQ(form.controls().size(), 1u + 3 * CDlgScrollable::kRowCount);
  EXPECT_EQ(form.row(3).value.id(), "row.3.value");
  EXPECT_EQ(form.row(13).list.id(), "row.13.list");
  EXPECT_FALSE(form.row(0).name.visible());
  EXPECT_EQ(form.row(3).list.count(), 0);
  EXPECT_THROW(form.row(14), std::out_of_range);
}

TEST(RichToolTip, KeepsLineBreaksAndWrapsLongLinesAtWords) {
  CRichToolTipCtrl tip;
  tip.SetMaxTipWidth(20);
  struct Case {
    std::string text, shown;
  };
  const Case cases[] = {
      {"", ""},
      {"Short.", "Short."},
      {"one two three four five six", "one two three four\nfive six"},
      {"first\nsecond  line", "first\nsecond line"},
      {"a\n\nb", "a\n\nb"},
      {"x averyveryverylongwordindeed y", "x\naveryveryverylongwordindeed\ny"},
      {"  indented  ", "indented"},
  };
  for (const Case& c : cases) EXPECT_EQ(tip.FormatTipText(c.text), c.shown) << c.text;

  tk::Edit field("f");
  tip.UpdateTipText("one two three four five six", field);
  EXPECT_EQ(field.tooltip(), "one two three four\nfive six");
  tip.SetMaxTipWidth(0);
  EXPECT_EQ(tip.FormatTipText("one two three four five six"), "one two three four five six");
}

}  // namespace
