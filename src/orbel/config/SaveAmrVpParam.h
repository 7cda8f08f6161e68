// What the host learns from the AMR voice-path save dialog: which items to
// save, an optional range of two numbers and the file to save them to. The
// host owns the record and writes the file itself.
#pragma once

#include <array>
#include <cstdint>

#include "toolkit/Types.h"

struct SaveAmrVpParam {
  std::array<std::uint8_t, 9> itemFlags{};  // 1 when the item's box is ticked, else 0
  std::uint8_t rangeFlag = 0;               // 1 when the range box is ticked, else 0
  std::int32_t firstNumber = 0;             // set only when the range box is ticked
  std::int32_t secondNumber = 0;            // set only when the range box is ticked
  tk::CString path;                         // full path of the chosen file
};
