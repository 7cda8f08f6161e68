// The search record a host owns and shares with the trace search dialog by
// layout: what to search for, the range and the direction, written by the
// dialog and read by the host on each search notification.
#pragma once

#include <cstddef>
#include <cstdint>

#include "toolkit/Types.h"

class CTrcSrchDlg;

struct TAG_KOVA_SERACH_METHOD_RECORD {
  // While the dialog is edited: option bits (kSearchRange...). After a Find:
  // the search kind (kStringSearch or kMessageSearch), which replaces them.
  std::uint32_t method = 0;
  std::uint32_t startValue = 0;  // number, or time in milliseconds; 0xFFFFFFFF when its text does not parse
  std::uint32_t endValue = 0;    // end plus one; 0xFFFFFFFF when its text does not parse
  std::uint8_t direction = 0;    // 0 or 1 from the direction buttons, 255 from Find-and-close
  std::uint8_t hostArea[19] = {};  // the host's own; never touched by the dialog
  std::uint32_t hostParam = 0;     // passed back as the first parameter of every notification
  CTrcSrchDlg* dialog = nullptr;   // the modeless dialog serving this record, owned through it
  tk::CString text;                // search string, or message name
};

// Search kinds written into `method` by a Find.
inline constexpr std::uint32_t kStringSearch = 1;
inline constexpr std::uint32_t kMessageSearch = 2;

// Option bits of `method` while the dialog is edited.
inline constexpr std::uint32_t kSearchRange = 0x10;         // the range applies
inline constexpr std::uint32_t kSearchRangeTimes = 0x20;    // the range is written as times
inline constexpr std::uint32_t kSearchRangeNumbers = 0x40;  // the range is written as numbers
inline constexpr std::uint32_t kSearchExtraText1 = 0x10000;  // the first extra text applies
inline constexpr std::uint32_t kSearchExtraText2 = 0x20000;  // the second extra text applies

// Direction written by Find-and-close.
inline constexpr std::uint8_t kSearchDirectionClosing = 255;

// The message the dialog sends the host's main window on each Find: first
// parameter `hostParam`, second the record's address.
inline constexpr int kSearchNotification = 0x803;

// The layout on a 64-bit platform: the fields of the original order and
// widths, the pointer and the string at their natural size and alignment
// (four bytes of padding before the pointer).
static_assert(offsetof(TAG_KOVA_SERACH_METHOD_RECORD, method) == 0);
static_assert(offsetof(TAG_KOVA_SERACH_METHOD_RECORD, startValue) == 4);
static_assert(offsetof(TAG_KOVA_SERACH_METHOD_RECORD, endValue) == 8);
static_assert(offsetof(TAG_KOVA_SERACH_METHOD_RECORD, direction) == 12);
static_assert(offsetof(TAG_KOVA_SERACH_METHOD_RECORD, hostArea) == 13);
static_assert(offsetof(TAG_KOVA_SERACH_METHOD_RECORD, hostParam) == 32);
static_assert(offsetof(TAG_KOVA_SERACH_METHOD_RECORD, dialog) == 40);
static_assert(offsetof(TAG_KOVA_SERACH_METHOD_RECORD, text) == 48);
static_assert(sizeof(TAG_KOVA_SERACH_METHOD_RECORD) == 48 + sizeof(tk::CString));
