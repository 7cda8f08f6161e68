// CEditEx: an edit field that only admits a number in decimal, octal
// (leading "0") or hexadecimal (leading "0x") notation. The notation is
// decided by what the field already holds, so "0" can grow into "0x".
#pragma once

#include "toolkit/Edit.h"

class CEditEx : public tk::Edit {
 public:
  using tk::Edit::Edit;

 protected:
  bool admitsChar(const std::string& current, char c) const override;
  bool admitsText(const std::string& text) const override;
  bool admitsExtended(const std::string& text) const override;
  bool admitsShortened(const std::string& text) const override;
};
