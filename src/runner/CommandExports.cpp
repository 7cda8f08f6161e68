// The command builders: enquiry, setting and cell-control commands, the
// layer-1 info report configuration, and the barred-cell dialog class.
#include "orbel/builders/Exports.h"
#include "orbel/diag/cell/IgnoreBarred.h"
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
// the chosen type (returned, and stored in `out` as the host's variable).
ExportOutcome runIgnoreBarred(const ExportCall& call) {
  IgnoreBarred dialog(static_cast<int>(arg(call, kEnableButtons)), static_cast<unsigned char>(arg(call, kCurrentType)));
  ExportOutcome outcome;
  if (dialog.DoModal() == tk::IDOK) {
    outcome.returned = std::int64_t{dialog.currentType};
    outcome.out.emplace_back("currentType", std::int64_t{dialog.currentType});
  }
  return outcome;
}

}  // namespace

void addCommandExports(std::vector<ExportInfo>& table) {
  table.push_back(ORBEL_BUILDER_ROW(OrbelGetTmrEnqueryBuffer, "commands",
                                    "timer enquiry; a non-zero *len is a pre-set value that skips the dialog"));
  table.push_back(ORBEL_BUILDER_ROW(OrbelGetCountEnqueryBuffer, "commands",
                                    "counter enquiry; a non-zero *len is a pre-set value that skips the dialog"));
  table.push_back(ORBEL_BUILDER_ROW(OrbelGetTmrSetBuffer, "commands",
                                    "timer setting: a new value for one timer of a module"));
  table.push_back(ORBEL_BUILDER_ROW(OrbelGetCountSetBuffer, "commands",
                                    "counter setting: a new value for one counter of a module"));
  table.push_back(ORBEL_BUILDER_ROW(OrbelGetConstEnqueryBuffer, "commands",
                                    "constant enquiry: one group of a module's configuration constants"));
  table.push_back(ORBEL_BUILDER_ROW(OrbelGetVariableEnqueryBuffer, "commands",
                                    "variable enquiry: one internal variable of a module"));
  table.push_back(ORBEL_BUILDER_ROW(OrbelGetStaticEnqueryBuffer, "commands", "static information enquiry of layer 2"));
  table.push_back(
      ORBEL_BUILDER_ROW(OrbelGetFsmEnqueryBuffer, "commands", "state-machine enquiry of a protocol module"));
  table.push_back(exportRow(ORBEL_SIGNATURE(OrbelGetLockCellBuffer, "len", "presetFlags", "cellId", "frequency", "b1",
                                            "b2", "b3", "b4"),
                            "commands", "lock cell; host module 25 offers the GSM modes",
                            {kPresetFlags, kCellId, kFrequency, kB1, kB2, kB3, kB4}, runLockCell, true));
  table.push_back(exportRow(
      constructorSignature<IgnoreBarred, int, unsigned char, tk::CWnd*>("IgnoreBarred",
                                                                        {"enableButtons", "currentType", "parent"}),
      "commands", "barred-cell treatment; returns the chosen type (0 Normal, 1 Ignore Barred, 2 Query type)",
      {kEnableButtons, kCurrentType}, runIgnoreBarred));
  table.push_back(ORBEL_BUILDER_ROW(DiagCmdDisableReqBuffer, "commands", "disable request for one protocol task"));
  table.push_back(ORBEL_BUILDER_ROW(OrbelGetPhyParamInfoReqBuffer, "commands", "physical-layer parameter request"));
  table.push_back(ORBEL_BUILDER_ROW(GetMeasReportInterval, "commands", "measurement report interval"));
  table.push_back(ORBEL_BUILDER_ROW(GetL1infoReportCfg, "commands",
                                    "layer-1 info report configuration: a number, a report mask or a hex byte list"));
}

}  // namespace orbel::runner
