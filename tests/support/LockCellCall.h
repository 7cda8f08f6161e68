// Test support: the lock-cell export called with its seven further
// arguments, as the scripted and the Qt dialog tests both call it.
#pragma once

#include "orbel/builders/Exports.h"
#include "support/ScriptedHost.h"

namespace orbel::test {

struct LockCellArgs {
  unsigned long presetFlags = 0;
  unsigned char cellId = 0;
  unsigned short frequency = 0;
  bool b1 = false, b2 = false, b3 = false, b4 = false;
};

inline Call lockCell(const LockCellArgs& a) {
  return callExport([&a](unsigned int* len) {
    return OrbelGetLockCellBuffer(len, a.presetFlags, a.cellId, a.frequency, a.b1, a.b2, a.b3, a.b4);
  });
}

}  // namespace orbel::test
