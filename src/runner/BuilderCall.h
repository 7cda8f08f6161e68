// How the export table calls exports as a host does.
#pragma once

#include <cstdint>
#include <functional>

#include "runner/ExportTable.h"

namespace orbel::runner {

// Calls a builder: passes the length (or null), copies the message it handed
// back and releases it with free().
// A builder with further arguments is bound to them first.
ExportOutcome callBuilder(const ExportCall& call, const std::function<unsigned char*(unsigned int*)>& builder);

// Takes over a malloc'ed block an export handed back, as a host does: its
// first `length` bytes, then free(). Null gives nothing.
Returned takeOverBuffer(unsigned char* buffer, std::size_t length);

// The value given for `parameter`, or its fallback when none was given.
std::int64_t arg(const ExportCall& call, const Parameter& parameter);

}  // namespace orbel::runner
