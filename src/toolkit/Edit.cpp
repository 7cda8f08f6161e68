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
