// Anchored geometry: each anchor combination follows a resize as its edges
// say, the pins set edges to the client's, and a placed dialog draws every
// control at its place, moves the anchored ones on a resize and refuses a
// template that leaves a control without a place.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "support/ScriptedHost.h"
#include "toolkit/ActionApplier.h"
#include "toolkit/AnchorLayout.h"
#include "toolkit/Dialog.h"
#include "toolkit/Edit.h"
#include "toolkit/TreeControl.h"

namespace {

using orbel::test::resizeDialog;
using tk::AnchorLayout;
using tk::Rect;

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

// A placed dialog: one stretching tree and one field that keeps its place.
class PlacedProbe : public tk::CDialog {
 public:
  explicit PlacedProbe(std::vector<tk::ControlPlace> places) : CDialog({"probe", "PlacedProbe", "Probe"}, nullptr) {
    setLayout({tk::item(tree), tk::item(field)});
    layout.setClient(kTemplate);
    layout.add("tree", {10, 10, 190, 150}, AnchorLayout::kLeft | AnchorLayout::kTop | AnchorLayout::kRight |
                                               AnchorLayout::kBottom);
    setPlacement(kTemplate, std::move(places), layout);
  }
  void OnSize(int width, int height) override { layout.apply({0, 0, width, height}); }

  static constexpr Rect kTemplate{0, 0, 300, 200};
  tk::AnchorLayout layout;
  tk::TreeControl tree{"tree"};
  tk::Edit field{"field"};
};

std::vector<tk::ControlPlace> everyPlace() {
  return {{"tree", {10, 10, 190, 150}}, {"field", {200, 10, 290, 30}}, {"ok", {120, 170, 200, 190}},
          {"cancel", {210, 170, 290, 190}}};
}

TEST(PlacedDialog, AScriptedResizeMovesTheAnchoredControlsAndKeepsTheOthersAtTheirPlace) {
  PlacedProbe dialog(everyPlace());
  EXPECT_EQ(dialog.stateText(), "client 300 x 200");
  EXPECT_EQ(tk::applyAction(dialog, resizeDialog(420, 260)), "");
  EXPECT_EQ(dialog.placeOf("tree"), (Rect{10, 10, 310, 210}));
  EXPECT_EQ(dialog.placeOf("field"), (Rect{200, 10, 290, 30}));
  EXPECT_EQ(dialog.placeOf("ok"), (Rect{120, 170, 200, 190}));
  EXPECT_EQ(dialog.placeOf("nothing"), std::nullopt);
  EXPECT_EQ(dialog.client(), (Rect{0, 0, 420, 260}));
  EXPECT_EQ(dialog.stateText(), "client 420 x 260");

  // Never below the template: the window's least size.
  const std::string tooSmall = "resize on 'dialog' refused: the client area is at least 300 x 200";
  EXPECT_EQ(tk::applyAction(dialog, resizeDialog(299, 400)), tooSmall);
  EXPECT_EQ(tk::applyAction(dialog, resizeDialog(400, 199)), tooSmall);
  EXPECT_EQ(dialog.placeOf("tree"), (Rect{10, 10, 310, 210}));
  EXPECT_EQ(dialog.client(), (Rect{0, 0, 420, 260}));
}

TEST(PlacedDialog, EveryControlHasExactlyOnePlace) {
  std::vector<tk::ControlPlace> missing = everyPlace();
  missing.pop_back();
  std::vector<tk::ControlPlace> twice = everyPlace();
  twice.push_back(twice.front());
  std::vector<tk::ControlPlace> stranger = everyPlace();
  stranger.push_back({"stranger", {}});
  for (const auto& [places, fault] : std::vector<std::pair<std::vector<tk::ControlPlace>, std::string>>{
           {missing, "the control \"cancel\" needs exactly one place"},
           {twice, "the control \"tree\" needs exactly one place"},
           {stranger, "a place names no control \"stranger\""},
       }) {
    try {
      PlacedProbe dialog(places);
      ADD_FAILURE() << "accepted: " << fault;
    } catch (const std::logic_error& error) {
      EXPECT_NE(std::string(error.what()).find(fault), std::string::npos) << error.what();
    }
  }
}

TEST(PlacedDialog, ADialogLaidOutInRowsRefusesAResize) {
  class RowsProbe : public tk::CDialog {
   public:
    RowsProbe() : CDialog({"probe", "RowsProbe", "Probe"}, nullptr) { setLayout({tk::item(field)}); }
    tk::Edit field{"field"};
  } dialog;
  EXPECT_FALSE(dialog.placesControls());
  EXPECT_EQ(dialog.placeOf("field"), std::nullopt);
  EXPECT_EQ(dialog.stateText(), "");
  EXPECT_EQ(tk::applyAction(dialog, resizeDialog(800, 600)),
            "resize on 'dialog' refused: RowsProbe arranges its controls in rows");
}

}  // namespace
