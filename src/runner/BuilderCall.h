// How the export table calls exports as a host does.
#pragma once

#include <cstdint>
#include <string_view>

#include "runner/ExportTable.h"

namespace orbel::runner {

// Calls a builder: passes the length (or null), copies the message it handed
// back and releases it with free().
ExportOutcome callBuilder(const ExportCall& call, unsigned char* (*builder)(unsigned int*));

// The value of --arg `name`, or `fallback` when it was not given.
std::int64_t argOr(const ExportCall& call, std::string_view name, std::int64_t fallback);

}  // namespace orbel::runner
