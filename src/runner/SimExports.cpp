// The SIM command builder. Its commands come from the host's SIM
// definitions (CSimFilterInfoMan): the built-in set, or the file a host
// names (the CLI's --sim-definitions, the ORBEL_SIM_DEFINITIONS variable).
#include "orbel/builders/Exports.h"
#include "runner/BuilderCall.h"
#include "runner/ExportGroups.h"

namespace orbel::runner {

void addSimExports(std::vector<ExportInfo>& table) {
  table.push_back(ORBEL_BUILDER_ROW(OrbelGetSimCmdBuffer, "commands",
                                    "SIM command defined by the host: pick it in the tree, fill its rows"));
}

}  // namespace orbel::runner
