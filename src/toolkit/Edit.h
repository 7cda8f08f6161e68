// Single-line edit field. A subclass may filter typed characters and check
// the whole text after every change; a text that fails the check is undone
// before the dialog hears of the change. Typing costs one step per character:
// a typed character only extends or shortens the text already checked.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "toolkit/Control.h"

namespace tk {

class Edit : public Control {
 public:
  static constexpr char kBackspace = '\b';

  explicit Edit(std::string id, std::string text = {});

  const std::string& text() const { return text_; }
  // From code (SetWindowText): the change is checked and notified as any other.
  void setText(std::string text);

  // User action: characters one at a time through the filter; a backspace
  // removes the last character. Returns false when the field refuses input.
  bool type(std::string_view chars);
  // User action: characters typed with the caret at `at` and the `replace`
  // characters from there selected. Each passes the filter as the field
  // would hold it without the selection; the first one admitted replaces the
  // selection. Without characters the selection is deleted. Returns false
  // when the field refuses input or the range lies outside the text.
  bool insert(std::size_t at, std::size_t replace, std::string_view chars);
  // User action: replaces the whole text at once, as a paste does.
  bool paste(std::string text);

  std::string stateText() const override { return '"' + text_ + '"'; }

  // A hint drawn in the empty field, saying what to type there.
  void setCue(std::string cue) { cue_ = std::move(cue); }
  const std::string& cue() const { return cue_; }

  std::function<void()> onChange;

 protected:
  // Whether `c` may be typed into a field that holds `current`.
  virtual bool admitsChar(const std::string& current, char c) const;
  // Whether the field may hold `text` after a change.
  virtual bool admitsText(const std::string& text) const;
  // Whether the field may hold `text`, an admitted text with one character
  // typed at its end. Subclasses whose check can look at that character only
  // override it; the default checks the whole text.
  virtual bool admitsExtended(const std::string& text) const;
  // Whether the field may hold `text`, an admitted text without its last
  // character. The default checks the whole text.
  virtual bool admitsShortened(const std::string& text) const;

 private:
  void replaceText(std::string next);
  void typeOne(char c);
  void notifyChange();

  std::string text_;
  std::string cue_;
  // Whether text_ is known to pass admitsText; a text given at construction
  // is checked on the first typing.
  bool textAdmitted_ = false;
};

}  // namespace tk
