// Controls behave as the real toolkit does before a dialog hears of an action.
#include <gtest/gtest.h>

#include "toolkit/CheckBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"
#include "toolkit/RadioButton.h"

namespace {

// An edit that admits digits only and refuses texts longer than three.
class DigitEdit : public tk::Edit {
 public:
  using tk::Edit::Edit;

 protected:
  bool admitsChar(const std::string&, char c) const override { return c >= '0' && c <= '9'; }
  bool admitsText(const std::string& text) const override { return text.size() <= 3; }
};

TEST(RadioButton, ClickChecksItAndClearsTheRestOfItsGroupOnly) {
  tk::RadioGroup modules, other;
  tk::RadioButton a("a", "A", modules), b("b", "B", modules), c("c", "C", other);
  int notified = 0;
  b.onClicked = [&] { ++notified; };
  c.setCheck(true);
  a.click();
  EXPECT_TRUE(b.click());
  EXPECT_FALSE(a.checked());
  EXPECT_TRUE(b.checked());
  EXPECT_TRUE(c.checked());  // another group is untouched
  EXPECT_EQ(modules.checked(), &b);
  EXPECT_EQ(notified, 1);
}

TEST(Control, DisabledOrHiddenControlsRefuseUserActionsWithoutNotifying) {
  tk::RadioGroup group;
  tk::RadioButton radio("r", "R", group);
  tk::CheckBox box("c", "C");
  tk::Edit edit("e", "keep");
  int notified = 0;
  radio.onClicked = box.onClicked = edit.onChange = [&] { ++notified; };
  radio.enable(false);
  box.show(false);
  edit.enable(false);
  EXPECT_FALSE(radio.click());
  EXPECT_FALSE(box.click());
  EXPECT_FALSE(edit.type("x"));
  EXPECT_FALSE(edit.paste("x"));
  EXPECT_FALSE(radio.checked());
  EXPECT_EQ(box.check(), 0);
  EXPECT_EQ(edit.text(), "keep");
  EXPECT_EQ(notified, 0);
}

TEST(CheckBox, ClicksCycleTwoOrThreeStates) {
  tk::CheckBox two("two", "Two"), three("three", "Three", true);
  two.click();
  two.click();
  EXPECT_EQ(two.check(), 0);
  three.click();
  three.click();
  EXPECT_EQ(three.check(), 2);
  EXPECT_TRUE(three.clickTo(1));
  EXPECT_EQ(three.check(), 1);
  EXPECT_FALSE(two.clickTo(2));
}

// A text that fails the whole-text check is undone but still notified, also
// when it comes from code.
TEST(Edit, TypingFiltersEachCharacterAndATextFailingTheWholeTextCheckIsUndone) {
  DigitEdit edit("e");
  std::vector<std::string> seen;
  edit.onChange = [&] { seen.push_back(edit.text()); };
  edit.type("1a2");
  edit.type("\b");
  edit.type("234");  // "123" passes, "1234" is undone
  edit.paste("99999");
  edit.setText("abcd");
  EXPECT_EQ(edit.text(), "123");
  EXPECT_EQ(seen, (std::vector<std::string>{"1", "12", "1", "12", "123", "123", "123", "123"}));
}

// Typing at the caret or over a selection passes the same filter and check
// as typing at the end; a refused character leaves the selection in place.
TEST(Edit, InsertionAtTheCaretAndOverASelectionPassesTheFilter) {
  struct Case {
    const char* start;
    std::size_t at;
    std::size_t replace;
    const char* typed;
    const char* expected;
    int changes;
  };
  for (const Case& c : {Case{"12", 0, 0, "9", "912", 1}, Case{"12", 1, 0, "a", "12", 0}, Case{"12", 1, 1, "a", "12", 0},
                        Case{"123", 1, 1, "5", "153", 1}, Case{"12", 1, 0, "34", "132", 2},  // "1342" is undone
                        Case{"123", 0, 3, "", "", 1}, Case{"123", 1, 2, "7a8", "178", 2}}) {
    DigitEdit edit("e", c.start);
    int changes = 0;
    edit.onChange = [&] { ++changes; };
    EXPECT_TRUE(edit.insert(c.at, c.replace, c.typed));
    EXPECT_EQ(edit.text(), c.expected) << c.start << " at " << c.at << " typed " << c.typed;
    EXPECT_EQ(changes, c.changes) << c.start << " at " << c.at << " typed " << c.typed;
  }
  DigitEdit edit("e", "12");
  EXPECT_FALSE(edit.insert(3, 0, "1"));
  EXPECT_FALSE(edit.insert(1, 2, "1"));
}

TEST(ComboBox, DeletingKeepsTheSelectionOnTheSameItem) {
  tk::ComboBox combo("c");
  for (const char* text : {"a", "b", "c", "d"}) combo.addString(text);
  combo.setCurSel(2);
  combo.deleteString(0);
  EXPECT_EQ(combo.curSel(), 1);
  EXPECT_EQ(combo.item(combo.curSel()).text, "c");
  combo.deleteString(1);
  EXPECT_EQ(combo.curSel(), -1);
  EXPECT_FALSE(combo.select(5));
  EXPECT_EQ(combo.find("d"), 1);
}

TEST(ComboBox, AnEditableOneTakesTypedTextAndTheTextOfTheItemChosen) {
  tk::ComboBox combo("c");
  int edits = 0;
  combo.onEditChange = [&] { ++edits; };
  combo.addString("first");
  EXPECT_FALSE(combo.enterText("x"));  // a drop-down list has no field
  combo.setEditable(true);
  EXPECT_TRUE(combo.enterText("typed"));
  EXPECT_EQ(combo.editText(), "typed");
  EXPECT_EQ(combo.curSel(), -1);  // typing chooses no item
  EXPECT_TRUE(combo.select(0));
  EXPECT_EQ(combo.editText(), "first");
  combo.enable(false);
  EXPECT_FALSE(combo.enterText("refused"));
  EXPECT_EQ(edits, 1);
  combo.setEditable(false);
  EXPECT_EQ(combo.editText(), "");
}

TEST(Control, ChangeCounterMovesOnlyOnRealChanges) {
  tk::Edit edit("e", "x");
  tk::ComboBox combo("c");
  const auto before = combo.changeCount();
  combo.setCurSel(0);  // no items: nothing changes
  combo.resetContent();
  EXPECT_EQ(combo.changeCount(), before);
  edit.enable(true);
  EXPECT_EQ(edit.changeCount(), 0u);
  edit.enable(false);
  EXPECT_EQ(edit.changeCount(), 1u);
}

}  // namespace
