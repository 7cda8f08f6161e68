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
ArgValue arg(const ExportCall& call, const Parameter& parameter);

// The row of a builder that takes only the length pointer.
template <unsigned char* (*Builder)(unsigned int*)>
ExportInfo builderRow(Signature signature, std::string_view group, std::string_view summary) {
  return exportRow(std::move(signature), group, summary, {},
                   [](const ExportCall& call) { return callBuilder(call, Builder); }, true);
}

}  // namespace orbel::runner

// The row of builder F, whose only parameter is the length pointer `len`.
#define ORBEL_BUILDER_ROW(F, group, summary) \
  ::orbel::runner::builderRow<&F>(ORBEL_SIGNATURE(F, "len"), group, summary)
