// The command builders: enquiry, setting and cell-control commands, the
// layer-1 info report configuration, and the barred-cell dialog class.
#include "orbel/builders/Exports.h"
#include "orbel/diag/IgnoreBarred.h"
#include "runner/BuilderCall.h"
#include "runner/ExportGroups.h"

namespace orbel::runner {
namespace {

// Arguments are converted to the parameter types as a C++ caller's would be.
ExportOutcome runLockCell(const ExportCall& call) {
  return callBuilder(call, [&call](unsigned int* len) {
    return OrbelGetLockCellBuffer(len, static_cast<unsigned long>(argOr(call, "presetFlags", 0)),
                                  static_cast<unsigned char>(argOr(call, "cellId", 0)),
                                  static_cast<unsigned short>(argOr(call, "frequency", 0)), argOr(call, "b1", 0) != 0,
                                  argOr(call, "b2", 0) != 0, argOr(call, "b3", 0) != 0, argOr(call, "b4", 0) != 0);
  });
}

// As the host uses the class: construct, run modally and, after OK, read
// the chosen type (returned as a number, named in `out`).
ExportOutcome runIgnoreBarred(const ExportCall& call) {
  IgnoreBarred dialog(static_cast<int>(argOr(call, "enableButtons", 1)),
                      static_cast<unsigned char>(argOr(call, "currentType", 0)));
  ExportOutcome outcome;
  if (dialog.DoModal() == tk::IDOK) {
    outcome.returned = std::int64_t{dialog.currentType};
    outcome.out.emplace_back("currentType", IgnoreBarred::GetBarredType(dialog.currentType));
  }
  return outcome;
}

}  // namespace

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
  table.push_back({"OrbelGetLockCellBuffer", "commands",
                   "unsigned char* OrbelGetLockCellBuffer(unsigned int* len, unsigned long presetFlags, unsigned char "
                   "cellId, unsigned short frequency, bool b1, bool b2, bool b3, bool b4)",
                   "lock cell; host module 25 offers the GSM modes", true,
                   {"presetFlags", "cellId", "frequency", "b1", "b2", "b3", "b4"}, runLockCell});
  table.push_back({"IgnoreBarred", "commands",
                   "class IgnoreBarred(int enableButtons, unsigned char currentType, CWnd* parent)",
                   "barred-cell treatment; returns the chosen type (0 Normal, 1 Ignore Barred, 2 Query type)", false,
                   {"enableButtons", "currentType"}, runIgnoreBarred});
  table.push_back({"DiagCmdDisableReqBuffer", "commands", "unsigned char* DiagCmdDisableReqBuffer(unsigned int* len)",
                   "disable request for one protocol task", true, {},
                   [](const ExportCall& call) { return callBuilder(call, DiagCmdDisableReqBuffer); }});
  table.push_back({"OrbelGetPhyParamInfoReqBuffer", "commands",
                   "unsigned char* OrbelGetPhyParamInfoReqBuffer(unsigned int* len)",
                   "physical-layer parameter request", true, {},
                   [](const ExportCall& call) { return callBuilder(call, OrbelGetPhyParamInfoReqBuffer); }});
  table.push_back({"GetMeasReportInterval", "commands", "unsigned char* GetMeasReportInterval(unsigned int* len)",
                   "measurement report interval", true, {},
                   [](const ExportCall& call) { return callBuilder(call, GetMeasReportInterval); }});
  table.push_back({"GetL1infoReportCfg", "commands", "unsigned char* GetL1infoReportCfg(unsigned int* len)",
                   "layer-1 info report configuration: a number, a report mask or a hex byte list", true, {},
                   [](const ExportCall& call) { return callBuilder(call, GetL1infoReportCfg); }});
}

}  // namespace orbel::runner
