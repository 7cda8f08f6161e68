// The block a host owns and shares by layout with the peer save-as dialog:
// how and where to save a peer's recorded data, written by the dialog on OK.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "orbel/config/L2ConfigLayout.h"
#include "toolkit/Types.h"

// Flags are 0 or 1. The dialog reads the flags of the binary form to set its
// boxes and writes every field it owns on OK; `reserved` it never touches.
struct SaveAsInfo {
  std::uint32_t form = 0;  // 1 first binary form, 2 second binary form, 0 text
  tk::CString path;        // the chosen file
  std::uint32_t rangeFlag = 0;
  std::int32_t rangeFirst = 0;   // written only while the range flag is on
  std::int32_t rangeSecond = 0;  // written only while the range flag is on
  std::uint32_t hlsFilterFlag = 0;
  std::uint32_t hlsFilterEditFlag = 0;
  std::uint32_t displayFlag = 0;       // the HLS filter dialog's display box
  std::uint32_t filterKind = 0;        // 1, 2, 3 for filter types 3, 4, 5; otherwise 0
  std::uint32_t filterWords = 0;       // 32-bit words at `filterData`
  std::uint32_t* filterData = nullptr;  // malloc'ed; replaced and released by the dialog
  std::uint32_t l2Flag = 0;
  std::uint32_t l2EditFlag = 0;
  orbel::L2SapRecord l2Record;  // valid while `l2EditFlag` is 1
  std::uint32_t optionO2 = 0;
  std::uint32_t optionO3 = 0;
  std::uint32_t optionO1 = 0;
  std::uint32_t textFlag = 0;
  std::uint32_t reserved = 0;
  std::uint32_t textForm = 0;         // 1 first text form, 0 second
  std::uint32_t secondTextForm = 0;  // 1 when `textForm` is 0
  std::array<std::uint32_t, 8> contentFlags{};  // the first text form's content
  std::array<std::uint32_t, 3> secondFlags{};   // the second text form's content
  std::uint32_t textX = 0;
  std::uint32_t textY = 0;
  std::uint32_t textZ = 0;
};

// The layout on a 64-bit platform: the fields in their original order and
// widths, the path string and the data pointer at their natural size and
// alignment. The 32-bit layout had a four-byte path at 4 and a four-byte
// pointer at 40; here the path starts at 8 (four bytes of padding before it),
// which moves the fields from the range flag to the word count by the path's
// size, and the eight-byte pointer moves everything after it four bytes more.
// With a 32-byte string: range flag 40, pointer 72, layer-2 flag 80, record
// 88, O2 864, text flag 876, content 892, X 936, size 952.
namespace saveas {
inline constexpr std::size_t kPathSize = sizeof(tk::CString);
inline constexpr std::size_t kShift = kPathSize;          // fields from the range flag to the word count
inline constexpr std::size_t kShiftAfterPointer = kPathSize + 4;  // fields from the layer-2 flag on
}  // namespace saveas

static_assert(saveas::kPathSize % 8 == 0);
static_assert(offsetof(SaveAsInfo, form) == 0);
static_assert(offsetof(SaveAsInfo, path) == 8);
static_assert(offsetof(SaveAsInfo, rangeFlag) == 8 + saveas::kShift);
static_assert(offsetof(SaveAsInfo, rangeFirst) == 12 + saveas::kShift);
static_assert(offsetof(SaveAsInfo, rangeSecond) == 16 + saveas::kShift);
static_assert(offsetof(SaveAsInfo, hlsFilterFlag) == 20 + saveas::kShift);
static_assert(offsetof(SaveAsInfo, hlsFilterEditFlag) == 24 + saveas::kShift);
static_assert(offsetof(SaveAsInfo, displayFlag) == 28 + saveas::kShift);
static_assert(offsetof(SaveAsInfo, filterKind) == 32 + saveas::kShift);
static_assert(offsetof(SaveAsInfo, filterWords) == 36 + saveas::kShift);
static_assert(offsetof(SaveAsInfo, filterData) == 40 + saveas::kShift);
static_assert(offsetof(SaveAsInfo, l2Flag) == 44 + saveas::kShiftAfterPointer);
static_assert(offsetof(SaveAsInfo, l2EditFlag) == 48 + saveas::kShiftAfterPointer);
static_assert(offsetof(SaveAsInfo, l2Record) == 52 + saveas::kShiftAfterPointer);
static_assert(offsetof(SaveAsInfo, optionO2) == 828 + saveas::kShiftAfterPointer);
static_assert(offsetof(SaveAsInfo, optionO3) == 832 + saveas::kShiftAfterPointer);
static_assert(offsetof(SaveAsInfo, optionO1) == 836 + saveas::kShiftAfterPointer);
static_assert(offsetof(SaveAsInfo, textFlag) == 840 + saveas::kShiftAfterPointer);
static_assert(offsetof(SaveAsInfo, reserved) == 844 + saveas::kShiftAfterPointer);
static_assert(offsetof(SaveAsInfo, textForm) == 848 + saveas::kShiftAfterPointer);
static_assert(offsetof(SaveAsInfo, secondTextForm) == 852 + saveas::kShiftAfterPointer);
static_assert(offsetof(SaveAsInfo, contentFlags) == 856 + saveas::kShiftAfterPointer);
static_assert(offsetof(SaveAsInfo, secondFlags) == 888 + saveas::kShiftAfterPointer);
static_assert(offsetof(SaveAsInfo, textX) == 900 + saveas::kShiftAfterPointer);
static_assert(offsetof(SaveAsInfo, textY) == 904 + saveas::kShiftAfterPointer);
static_assert(offsetof(SaveAsInfo, textZ) == 908 + saveas::kShiftAfterPointer);
static_assert(sizeof(SaveAsInfo) == 912 + saveas::kShiftAfterPointer + 4);  // tail padding to the pointer's alignment
