// The layer-2 configuration dialog on real widgets: the property sheet shows
// the four pages, and a Shift-click with the real modifier makes the same
// range as a scripted one, with the size-all pointer while Shift is held.
#include <gtest/gtest.h>

#include <QTabWidget>

#include <array>

#include "orbel/builders/L2ConfigExports.h"
#include "orbel/config/L2ConfigLayout.h"
#include "orbel/filter/SapFilterManager.h"
#include "qt/QtHost.h"
#include "support/ScopedDataDir.h"
#include "support/ScopedFeatures.h"

namespace {

using namespace orbel::test;

// Runs GetL2Config with a fresh model; the state block in hex, "cancelled" on Cancel.
std::string l2Config() {
  std::array<std::uint8_t, orbel::kL2ConfigStateSize> state{};
  std::array<std::uint8_t, orbel::kL2ConfigSummarySize> summary{};
  SapFilterManager model;
  unsigned char* filter = reinterpret_cast<unsigned char*>(&model);
  if (!GetL2Config(nullptr, nullptr, filter, summary.data(), state.data(), 0)) return "cancelled";
  return orbel::toHex(summary) + " | " + orbel::toHex(state);
}

TEST(L2ConfigWidgets, ShiftClickWithTheRealModifierGivesTheScriptedRange) {
  ScopedFeatures none({});
  ScopedDataDir data;
  std::string qt;
  {
    QtHost host;
    host.drive([](tkqt::DialogWindow& window) {
      auto* sheet = widget<QTabWidget>(window, "pages");
      ASSERT_NE(sheet, nullptr);
      EXPECT_EQ(sheet->count(), 4);
      EXPECT_EQ(sheet->tabText(3), "BMC");
      EXPECT_FALSE(widget<QCheckBox>(window, "mac.5")->isEnabled());  // the MAC layer is off
      clickOn(window, "layer.mac");
      clickOn(window, "mac.5");
      clickOn(window, "mac.40", Qt::ShiftModifier);
      EXPECT_EQ(window.cursor().shape(), Qt::SizeAllCursor);
      EXPECT_TRUE(checked(window, "mac.20"));
      EXPECT_EQ(widget<QCheckBox>(window, "mac.all.b")->checkState(), Qt::PartiallyChecked);
      QTest::keyRelease(&window, Qt::Key_Shift);
      EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
      clickOn(window, "mac.50");  // no longer a range
      EXPECT_FALSE(checked(window, "mac.45"));
      // The key itself, as a user presses it before clicking.
      QTest::keyPress(&window, Qt::Key_Shift);
      EXPECT_EQ(window.cursor().shape(), Qt::SizeAllCursor);
      clickOn(window, "mac.52", Qt::ShiftModifier);
      QTest::keyRelease(&window, Qt::Key_Shift);
      QTest::keyClick(&window, Qt::Key_Return);
    });
    qt = l2Config();
  }
  auto shift = [](bool down) {
    tk::ScriptAction action;
    action.verb = down ? Verb::KeyDown : Verb::KeyUp;
    action.text = "shift";
    return action;
  };
  ScriptedHost scripted(dialogScript("CL2ConfigDlg", {click("layer.mac"), click("mac.5"), shift(true), click("mac.40"),
                                                      shift(false), click("mac.50"), shift(true), click("mac.52"),
                                                      shift(false), click("ok")}));
  EXPECT_EQ(l2Config(), qt);
  EXPECT_NE(qt, "cancelled");
}

}  // namespace
