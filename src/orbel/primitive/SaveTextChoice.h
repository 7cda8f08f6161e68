// The choices of the text save panel, kept by the peer save-as dialog
// between openings of the panel.
#pragma once

#include <array>
#include <cstdint>

struct SaveTextChoice {
  std::array<std::uint32_t, 8> content{};  // the first text form's content flags
  std::array<std::uint32_t, 3> second{};   // the second text form's content flags
  std::uint32_t form = 1;                  // 1 first text form, 0 second
  std::uint32_t x = 0;                     // X, Y and Z each replace the content choice
  std::uint32_t y = 0;
  std::uint32_t z = 0;
};
