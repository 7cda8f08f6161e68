// What each lock-cell mode locks, named once for the dialog's captions and
// tips and for the decoder that shows a lock-cell message.
#pragma once

#include <array>
#include <cstdint>

namespace orbel {

// Which side a mode locks: none (the mode is sent alone), a TD-SCDMA cell
// given by its cell parameter id and UARFCN, or a GSM cell given by its BSIC
// and ARFCN.
enum class LockSide : std::uint8_t { None, TdScdma, Gsm };

struct LockCellMode {
  LockSide side;
  const char* caption;  // the mode's radio button
  const char* tip;      // what choosing it sends
};

inline constexpr const char* kNoCellTip = "Sends the mode alone: no cell and no frequency.";
inline constexpr const char* kTdCellTip =
    "Locks a TD-SCDMA cell: sends its cell parameter id (0 to 127, or - for any cell) and its UARFCN, which must lie "
    "in a TD-SCDMA band.";
inline constexpr const char* kGsmCellTip =
    "Locks a GSM cell: sends its BSIC (0 to 63, or - for any cell) and its ARFCN. Offered when the host has its GSM "
    "module.";

// Indexed by mode.
inline constexpr std::array<LockCellMode, 7> kLockCellModes{{
    {LockSide::None, "Mode &0 (no cell)", kNoCellTip},
    {LockSide::TdScdma, "Mode &1 (TD-SCDMA cell)", kTdCellTip},
    {LockSide::TdScdma, "Mode &2 (TD-SCDMA cell)", kTdCellTip},
    {LockSide::None, "Mode &3 (no cell)", "Sends the mode alone: no cell and no frequency. Offered only when the host "
                                          "asks for it."},
    {LockSide::None, "Mode &4 (no cell)", kNoCellTip},
    {LockSide::Gsm, "Mode &5 (GSM cell)", kGsmCellTip},
    {LockSide::Gsm, "Mode &6 (GSM cell)", kGsmCellTip},
}};

// Modes beyond the table lock nothing.
constexpr LockSide lockSideOf(std::uint8_t mode) {
  return mode < kLockCellModes.size() ? kLockCellModes[mode].side : LockSide::None;
}

// "TD-SCDMA cell", "GSM cell", "no cell".
constexpr const char* lockSideName(LockSide side) {
  return side == LockSide::TdScdma ? "TD-SCDMA cell" : side == LockSide::Gsm ? "GSM cell" : "no cell";
}

}  // namespace orbel
