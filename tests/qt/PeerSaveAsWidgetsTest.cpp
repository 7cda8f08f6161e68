// The peer save-as dialog in the Qt backend: the text panel opens glued below
// the dialog, follows it when it moves, and closes with it.
#include <gtest/gtest.h>

#include <QApplication>

#include "host/FeatureManager.h"
#include "orbel/builders/SaveAsExports.h"
#include "support/ScopedFeatures.h"
#include "qt/QtHost.h"

namespace {

using namespace orbel::test;

// The panel's top-left corner where the glue puts it: at the dialog's
// bottom-left corner.
bool sitsBelow(const QWidget& panel, const QWidget& dialog) {
  const QRect outer = dialog.frameGeometry();
  return panel.frameGeometry().topLeft() == QPoint(outer.left(), outer.bottom() + 1);
}

TEST(PeerSaveAsWidgets, TextPanelFollowsTheMovedDialog) {
  ScopedFeatures features({113, 114, 116});
  QtHost host;
  tkqt::DialogWindow* panel = nullptr;
  bool checkedFollowing = false;
  host.toolkit().onDialogShown([&](tkqt::DialogWindow& window) {
    if (window.dialog().className() == "CSaveCfgDlg") {
      panel = &window;
      return;
    }
    clickOn(window, "text");
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(checked(window, "text"));
    EXPECT_FALSE(widget<QWidget>(window, "o1")->isEnabled());
    QApplication::processEvents();
    EXPECT_TRUE(sitsBelow(*panel, window));
    const QSize panelSize = panel->size();

    window.move(window.pos() + QPoint(40, 25));
    QTRY_VERIFY(sitsBelow(*panel, window));
    EXPECT_EQ(panel->size(), panelSize);
    checkedFollowing = true;

    clickOn(*panel, "content.2");
    clickOn(window, "text");  // closes the panel, keeping its choice
    EXPECT_FALSE(checked(window, "text"));
    EXPECT_TRUE(widget<QWidget>(window, "o1")->isEnabled());
    window.reject();
  });
  SaveAsInfo info;
  EXPECT_EQ(OrbelGetSaveAsInfo(&info), 0);
  EXPECT_TRUE(checkedFollowing);
}

}  // namespace
