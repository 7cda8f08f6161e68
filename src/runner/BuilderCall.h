// How the export table calls exports as a host does.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "runner/ExportTable.h"

namespace orbel::runner {

// Calls a builder: passes the length (or null), copies the message it handed
// back and releases it with free().
// A builder with further arguments is bound to them first.
ExportOutcome callBuilder(const ExportCall& call, const std::function<unsigned char*(unsigned int*)>& builder);

// The value of --arg `name`, or `fallback` when it was not given.
std::int64_t argOr(const ExportCall& call, std::string_view name, std::int64_t fallback);

}  // namespace orbel::runner
