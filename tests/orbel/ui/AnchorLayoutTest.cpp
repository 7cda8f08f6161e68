// Anchored geometry: each anchor combination follows a resize as its edges
// say, the pins set edges to the client's, and the HLS filter dialog's tree
// stretches while its buttons keep their corner.
#include <gtest/gtest.h>

#include "orbel/filter/CFilterHLSDlg.h"
#include "orbel/ui/AnchorLayout.h"
#include "support/ScriptedHost.h"

namespace {

using orbel::AnchorLayout;
using orbel::Rect;

TEST(AnchorLayout, EachAnchorCombinationFollowsAGrowingClient) {
  struct Case {
    unsigned anchors;
    Rect after;
  };
  // The client grows from 100 x 100 to 141 x 161; the control sits at 10,20 -
  // 30,40.
  for (const Case& c : {
           Case{AnchorLayout::kLeft | AnchorLayout::kTop, {10, 20, 30, 40}},
           Case{AnchorLayout::kLeft | AnchorLayout::kRight | AnchorLayout::kTop | AnchorLayout::kBottom,
                {10, 20, 71, 101}},
           Case{AnchorLayout::kRight | AnchorLayout::kBottom, {51, 81, 71, 101}},
           Case{0, {30, 50, 50, 70}},  // 141/2 - 100/2 = 20, 161/2 - 100/2 = 30
           Case{AnchorLayout::kLeft | AnchorLayout::kTop | AnchorLayout::kPinRight | AnchorLayout::kPinTop,
                {10, 0, 141, 40}},
           Case{AnchorLayout::kRight | AnchorLayout::kBottom | AnchorLayout::kPinLeft | AnchorLayout::kPinBottom,
                {0, 81, 71, 161}},
       }) {
    AnchorLayout layout;
    layout.setClient({0, 0, 100, 100});
    layout.add("c", {10, 20, 30, 40}, c.anchors);
    layout.apply({0, 0, 141, 161});
    EXPECT_EQ(*layout.rectOf("c"), c.after) << c.anchors;
    EXPECT_EQ(layout.client(), (Rect{0, 0, 141, 161}));
  }
}

TEST(AnchorLayout, TheHlsFilterDialogStretchesItsTreeAndKeepsItsButtonsInTheirCorners) {
  orbel::test::ScriptedHost host(orbel::test::dialogScript("CFilterHLSDlg", {}));
  CFilterHLSDlg dialog(CFilterHLSDlg::kEditMode, nullptr);
  ASSERT_TRUE(dialog.Create());
  const Rect tree = *dialog.anchorLayout().rectOf("tree.a");
  const Rect ok = *dialog.anchorLayout().rectOf("ok");
  const Rect load = *dialog.anchorLayout().rectOf("load");
  const Rect client = dialog.anchorLayout().client();
  dialog.OnSize(client.width() + 100, client.height() + 50);
  EXPECT_EQ(*dialog.anchorLayout().rectOf("tree.a"), (Rect{tree.left, tree.top, tree.right + 100, tree.bottom + 50}));
  EXPECT_EQ(*dialog.anchorLayout().rectOf("ok"), (Rect{ok.left + 100, ok.top + 50, ok.right + 100, ok.bottom + 50}));
  EXPECT_EQ(*dialog.anchorLayout().rectOf("load"), (Rect{load.left, load.top + 50, load.right, load.bottom + 50}));
  EXPECT_EQ(dialog.anchorLayout().rectOf("tree.b"), nullptr);  // keeps its place
  dialog.DestroyWindow();
  if (dialog.MadeManager()) delete dialog.GetManager();  // the host owns the manager the dialog made
}

}  // namespace
