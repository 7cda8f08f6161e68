// The stack configuration exports: the other-parameter configuration command
// and the AMR voice-path save options.
#include "orbel/builders/ParamConfigExports.h"

#include <cstdlib>
#include <iterator>
#include <string>

#include "runner/BuilderCall.h"
#include "runner/ExportGroups.h"

namespace orbel::runner {
namespace {

// A host asks for the dialog unless it says otherwise.
constexpr Parameter kShowDialog =
    parameterOf<unsigned char>("showDialog", "0 builds the message from the stored choice without a dialog", 1);

ExportOutcome runOtherParamCfg(const ExportCall& call) {
  const auto showDialog = static_cast<unsigned char>(arg(call, kShowDialog));
  int length = -1;  // the export always sets it
  unsigned char* message = GetOtherParamCfg(showDialog, length);
  ExportOutcome outcome;
  outcome.length = static_cast<std::uint32_t>(length);
  outcome.returned = takeOverBuffer(message, message == nullptr ? 0 : static_cast<std::size_t>(length));
  return outcome;
}

ExportOutcome runAmrVpCfg(const ExportCall&) {
  SaveAmrVpParam param;  // the caller's record: zeroes and an empty path
  ExportOutcome outcome;
  outcome.returned = static_cast<std::int64_t>(GetAmrVpCfg(param));
  outcome.out = {{"itemFlags", std::vector<std::uint8_t>(std::begin(param.itemFlags), std::end(param.itemFlags))},
                 {"rangeFlag", std::int64_t{param.rangeFlag}},
                 {"firstNumber", std::int64_t{param.firstNumber}},
                 {"secondNumber", std::int64_t{param.secondNumber}},
                 {"path", param.path}};
  return outcome;
}

}  // namespace

void addParamConfigExports(std::vector<ExportInfo>& table) {
  table.push_back(exportRow(ORBEL_SIGNATURE(GetOtherParamCfg, "showDialog", "length"), "configuration",
                            "other radio parameters to report (primitive 12200); showDialog=0 builds from the stored "
                            "choice; null while feature switch 143 is off",
                            {kShowDialog}, runOtherParamCfg));
  table.push_back(exportRow(ORBEL_SIGNATURE(GetAmrVpCfg, "param"), "configuration",
                            "AMR voice-path save options: nine items, an optional range and the .AmrVp file; "
                            "prints the filled record",
                            {}, runAmrVpCfg));
}

}  // namespace orbel::runner
