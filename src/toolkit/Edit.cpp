#include "toolkit/Edit.h"

#include <utility>

namespace tk {

Edit::Edit(std::string id, std::string text) : Control(std::move(id), ControlKind::Edit), text_(std::move(text)) {}

void Edit::setText(std::string text) { replaceText(std::move(text)); }

bool Edit::type(std::string_view chars) {
  if (!acceptsUserAction()) return false;
  for (char c : chars) {
    if (c == kBackspace) {
      if (!text_.empty()) replaceText(text_.substr(0, text_.size() - 1));
    } else if (admitsChar(text_, c)) {
      replaceText(text_ + c);
    }
  }
  return true;
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

void Edit::replaceText(std::string next) {
  std::string before = std::exchange(text_, std::move(next));
  if (!admitsText(text_)) text_ = std::move(before);  // the edit control's undo
  changed();
  if (onChange) onChange();
}

}  // namespace tk
