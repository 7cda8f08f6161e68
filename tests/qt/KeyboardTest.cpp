// The keyboard in the Qt backend: a radio group is one Tab stop whose arrow
// keys move the choice, and typing in the middle of an edit field or over a
// selection passes the field's character filter as typing at its end does.
#include <gtest/gtest.h>

#include "orbel/builders/Exports.h"
#include "qt/QtHost.h"
#include "toolkit/RadioButton.h"

namespace {

using namespace orbel::test;

std::string timerEnquiry() { return builtHex(OrbelGetTmrEnqueryBuffer); }

TEST(Keyboard, ARadioGroupIsOneTabStopAndTheArrowsMoveTheChoice) {
  QtHost host;
  host.drive([&](tkqt::DialogWindow& window) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* rlcModel = static_cast<tk::RadioButton*>(window.dialog().findControl("module.rlc"));
    const std::vector<tk::RadioButton*>& members = rlcModel->group().members();
    ASSERT_GT(members.size(), 3u);
    const auto focused = [&] {
      for (std::size_t i = 0; i < members.size(); ++i)
        if (window.widgetFor(members[i]->id()) == QApplication::focusWidget()) return static_cast<int>(i);
      return -1;
    };
    clickOn(window, "module.rlc");
    const int rlc = focused();
    ASSERT_GE(rlc, 0);
    const int next = (rlc + 1) % static_cast<int>(members.size());

    // One Tab leaves the group, one Shift+Tab comes back to its checked button.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focused(), -1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), rlc);

    // Down chooses the next button, Up goes back; the choice follows the focus.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(focused(), next);
    EXPECT_TRUE(members[next]->checked());
    EXPECT_FALSE(checked(window, "module.rlc"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_TRUE(rlcModel->checked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_TRUE(members[next]->checked());
    window.reject();
  });
  timerEnquiry();
}

// "07" is octal to CEditEx: a "9" typed before it is refused as it is after it.
TEST(Keyboard, TypingInTheMiddleOrOverASelectionPassesTheFilter) {
  QtHost host;
  host.toolkit().recorder().start();
  host.drive([](tkqt::DialogWindow& window) {
    clickOn(window, "module.rlc");
    auto* instance = widget<QLineEdit>(window, "instance");
    typeOver(instance, "07");
    struct Keystroke {
      int caret;
      int selected;  // characters selected from the caret
      char key;
      const char* expected;
    };
    for (const Keystroke& k : {Keystroke{0, 0, '9', "07"}, {1, 0, '8', "07"}, {1, 0, 'x', "0x7"}, {0, 3, '9', "9"},
                               {0, 0, '1', "19"}, {1, 0, 'a', "19"}, {1, 0, '2', "129"}, {1, 1, '5', "159"}}) {
      instance->setCursorPosition(k.caret);
      if (k.selected > 0) instance->setSelection(k.caret, k.selected);
      QTest::keyClicks(instance, QString(QChar(k.key)));
      EXPECT_EQ(instance->text().toStdString(), k.expected) << "key " << k.key << " at " << k.caret;
    }
    instance->setSelection(1, 1);
    QTest::keyClick(instance, Qt::Key_Delete);
    EXPECT_EQ(instance->text(), "19");
    QTest::keyClick(&window, Qt::Key_Return);
  });
  const std::string qt = timerEnquiry();
  const tk::Script recording = host.toolkit().recorder().stop();
  const std::string text = orbel::script::writeScript(recording);
  EXPECT_NE(text.find(R"("insert": "instance")"), std::string::npos) << text;

  // The recording replays through the model's insertion to the same bytes.
  ScriptedHost replay(throughScriptFile(recording));
  EXPECT_EQ(timerEnquiry(), qt) << text;
  EXPECT_TRUE(replay.toolkit().errors().empty()) << text;
}

}  // namespace
