// The command builders: enquiry, setting and cell-control commands, the
// layer-1 info report configuration, and the barred-cell dialog class.
#include "orbel/builders/Exports.h"
#include "orbel/diag/IgnoreBarred.h"
#include "runner/BuilderCall.h"
#include "runner/ExportGroups.h"

namespace orbel::runner {
namespace {

constexpr Parameter kPresetFlags =
    parameterOf<unsigned long>("presetFlags", "bit 0: the dialog opens with cellId, bit 1: with frequency");
constexpr Parameter kCellId = parameterOf<unsigned char>("cellId", "pre-set cell; 255 shows \"-\" (any cell)");
constexpr Parameter kFrequency = parameterOf<unsigned short>("frequency", "pre-set frequency (UARFCN or ARFCN)");
constexpr Parameter kB1 = parameterOf<bool>("b1", "offers mode 3 and selects it");
constexpr Parameter kB2 = parameterOf<bool>("b2", "selects a locking mode (1 or 5)");
constexpr Parameter kB3 = parameterOf<bool>("b3", "the TD-SCDMA side (mode 1, \"Cell Param ID:\") rather than GSM");
constexpr Parameter kB4 = parameterOf<bool>("b4", "shows the extra caption");
constexpr Parameter kEnableButtons =
    parameterOf<int>("enableButtons", "0 leaves only Cancel usable", 1);
constexpr Parameter kCurrentType =
    parameterOf<unsigned char>("currentType", "type shown: 0 Normal, 1 Ignore Barred, 2 Query type");

// Arguments are converted to the parameter types as a C++ caller's would be.
ExportOutcome runLockCell(const ExportCall& call) {
  return callBuilder(call, [&call](unsigned int* len) {
    return OrbelGetLockCellBuffer(len, static_cast<unsigned long>(arg(call, kPresetFlags)),
                                  static_cast<unsigned char>(arg(call, kCellId)),
                                  static_cast<unsigned short>(arg(call, kFrequency)), arg(call, kB1) != 0,
                                  arg(call, kB2) != 0, arg(call, kB3) != 0, arg(call, kB4) != 0);
  });
}

// As the host uses the class: construct, run modally and, after OK, read
// the chosen type (returned as a number, named in `out`).
ExportOutcome runIgnoreBarred(const ExportCall& call) {
  IgnoreBarred dialog(static_cast<int>(arg(call, kEnableButtons)), static_cast<unsigned char>(arg(call, kCurrentType)));
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
                   {kPresetFlags, kCellId, kFrequency, kB1, kB2, kB3, kB4}, runLockCell});
  table.push_back({"IgnoreBarred", "commands",
                   "class IgnoreBarred(int enableButtons, unsigned char currentType, CWnd* parent)",
                   "barred-cell treatment; returns the chosen type (0 Normal, 1 Ignore Barred, 2 Query type)", false,
                   {kEnableButtons, kCurrentType}, runIgnoreBarred});
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
