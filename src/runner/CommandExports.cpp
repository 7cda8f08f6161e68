// The command builders: enquiry, setting and cell-control commands.
#include "orbel/builders/Exports.h"
#include "runner/BuilderCall.h"
#include "runner/ExportGroups.h"

namespace orbel::runner {

void addCommandExports(std::vector<ExportInfo>& table) {
  table.push_back({"OrbelGetTmrEnqueryBuffer", "commands", "unsigned char* OrbelGetTmrEnqueryBuffer(unsigned int* len)",
                   "timer enquiry; a non-zero *len is a pre-set value that skips the dialog", true, {},
                   [](const ExportCall& call) { return callBuilder(call, OrbelGetTmrEnqueryBuffer); }});
  table.push_back({"OrbelGetCountEnqueryBuffer", "commands",
                   "unsigned char* OrbelGetCountEnqueryBuffer(unsigned int* len)",
                   "counter enquiry; a non-zero *len is a pre-set value that skips the dialog", true, {},
                   [](const ExportCall& call) { return callBuilder(call, OrbelGetCountEnqueryBuffer); }});
}

}  // namespace orbel::runner
