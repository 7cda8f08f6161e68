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
  table.push_back({"OrbelGetTmrSetBuffer", "commands", "unsigned char* OrbelGetTmrSetBuffer(unsigned int* len)",
                   "timer setting: a new value for one timer of a module", true, {},
                   [](const ExportCall& call) { return callBuilder(call, OrbelGetTmrSetBuffer); }});
  table.push_back({"OrbelGetCountSetBuffer", "commands", "unsigned char* OrbelGetCountSetBuffer(unsigned int* len)",
                   "counter setting: a new value for one counter of a module", true, {},
                   [](const ExportCall& call) { return callBuilder(call, OrbelGetCountSetBuffer); }});
  table.push_back({"OrbelGetConstEnqueryBuffer", "commands",
                   "unsigned char* OrbelGetConstEnqueryBuffer(unsigned int* len)",
                   "constant enquiry: one group of a module's configuration constants", true, {},
                   [](const ExportCall& call) { return callBuilder(call, OrbelGetConstEnqueryBuffer); }});
  table.push_back({"OrbelGetVariableEnqueryBuffer", "commands",
                   "unsigned char* OrbelGetVariableEnqueryBuffer(unsigned int* len)",
                   "variable enquiry: one internal variable of a module", true, {},
                   [](const ExportCall& call) { return callBuilder(call, OrbelGetVariableEnqueryBuffer); }});
  table.push_back({"OrbelGetStaticEnqueryBuffer", "commands",
                   "unsigned char* OrbelGetStaticEnqueryBuffer(unsigned int* len)",
                   "static information enquiry of layer 2", true, {},
                   [](const ExportCall& call) { return callBuilder(call, OrbelGetStaticEnqueryBuffer); }});
  table.push_back({"OrbelGetFsmEnqueryBuffer", "commands", "unsigned char* OrbelGetFsmEnqueryBuffer(unsigned int* len)",
                   "state-machine enquiry of a protocol module", true, {},
                   [](const ExportCall& call) { return callBuilder(call, OrbelGetFsmEnqueryBuffer); }});
}

}  // namespace orbel::runner
