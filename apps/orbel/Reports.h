// How the CLI prints what a session did, as text for people or as JSON for
// scripts.
#pragma once

#include <ostream>

#include "HostSession.h"

namespace orbel::cli {

void printRunText(std::ostream& out, const SessionResult& result);
void printRunJson(std::ostream& out, const runner::ExportInfo& info, const SessionResult& result);
void printDescription(std::ostream& out, const SessionResult& result);
void printExports(std::ostream& out);

}  // namespace orbel::cli
