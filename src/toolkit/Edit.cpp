#include "toolkit/Edit.h"

#include <utility>

namespace tk {

Edit::Edit(std::string id, std::string text) : Control(std::move(id), ControlKind::Edit), text_(std::move(text)) {}

void Edit::setText(std::string text) { replaceText(std::move(text)); }

bool Edit::type(std::string_view chars) {
  if (!acceptsUserAction()) return false;
  if (!textAdmitted_) textAdmitted_ = admitsText(text_);
  for (char c : chars) {
    if (c == kBackspace ? !text_.empty() : admitsChar(text_, c)) typeOne(c);
  }
  return true;
}

// The text changes in place; a change the check refuses is undone in place.
void Edit::typeOne(char c) {
  bool admitted = false;
  if (c == kBackspace) {
    char removed = text_.back();
    text_.pop_back();
    admitted = textAdmitted_ ? admitsShortened(text_) : admitsText(text_);
    if (!admitted) text_.push_back(removed);
  } else {
    text_.push_back(c);
    admitted = textAdmitted_ ? admitsExtended(text_) : admitsText(text_);
    if (!admitted) text_.pop_back();
  }
  textAdmitted_ = textAdmitted_ || admitted;
  notifyChange();
}

bool Edit::insert(std::size_t at, std::size_t replace, std::string_view chars) {
  if (!acceptsUserAction() || at > text_.size() || replace > text_.size() - at) return false;
  if (chars.empty() && replace > 0) replaceText(text_.substr(0, at) + text_.substr(at + replace));
  for (char c : chars) {
    std::string head = text_.substr(0, at);
    const std::string tail = text_.substr(at + replace);
    if (!admitsChar(head + tail, c)) continue;
    std::string next = head + c + tail;
    replaceText(next);
    if (text_ != next) continue;  // undone by the check of the whole text
    ++at;
    replace = 0;
  }
  return true;
}

bool Edit::paste(std::string text) {
  if (!acceptsUserAction()) return false;
  replaceText(std::move(text));
  return true;
}

bool Edit::admitsChar(const std::string&, char) const { return true; }

bool Edit::admitsText(const std::string&) const { return true; }

bool Edit::admitsExtended(const std::string& text) const { return admitsText(text); }

bool Edit::admitsShortened(const std::string& text) const { return admitsText(text); }

void Edit::replaceText(std::string next) {
  std::string before = std::exchange(text_, std::move(next));
  if (admitsText(text_))
    textAdmitted_ = true;
  else
    text_ = std::move(before);  // the edit control's undo
  notifyChange();
}

void Edit::notifyChange() {
  changed();
  if (onChange) onChange();
}

}  // namespace tk
