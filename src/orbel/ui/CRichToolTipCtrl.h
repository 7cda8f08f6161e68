// The rich tooltip control: multi-line tips over a form's controls. A tip
// keeps the line breaks of its text and wraps long lines at word boundaries,
// so that a field's comment reads as a short paragraph; the visual backend
// shows it when the pointer rests on the control.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "toolkit/Control.h"

class CRichToolTipCtrl {
 public:
  static constexpr std::size_t kDefaultTipWidth = 60;

  // Lines longer than `characters` are wrapped (0: never).
  void SetMaxTipWidth(std::size_t characters) { maxWidth_ = characters; }
  std::size_t GetMaxTipWidth() const { return maxWidth_; }

  // Shows `text` over `control`; an empty text removes its tip.
  void UpdateTipText(std::string_view text, tk::Control& control) const;

  // `text` as the tip shows it: its own line breaks kept, blanks between
  // words collapsed, lines wrapped to the maximum width. A word longer than
  // a line stands on a line of its own.
  std::string FormatTipText(std::string_view text) const;

 private:
  std::size_t maxWidth_ = kDefaultTipWidth;
};
