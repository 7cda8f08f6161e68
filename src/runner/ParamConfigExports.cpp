// The stack configuration exports: the other-parameter configuration command
// and the AMR voice-path save options.
#include "orbel/builders/ParamConfigExports.h"

#include <cstdlib>
#include <string>

#include "runner/BuilderCall.h"
#include "runner/ExportGroups.h"

namespace orbel::runner {
namespace {

ExportOutcome runOtherParamCfg(const ExportCall& call) {
  // A host asks for the dialog unless it says otherwise.
  const auto showDialog = static_cast<unsigned char>(argOr(call, "showDialog", 1) != 0 ? 1 : 0);
  int length = -1;  // the export always sets it
  unsigned char* message = GetOtherParamCfg(showDialog, length);
  ExportOutcome outcome;
  outcome.length = static_cast<std::uint32_t>(length);
  if (message != nullptr) {
    outcome.returned = std::vector<std::uint8_t>(message, message + length);
    std::free(message);
  }
  return outcome;
}

ExportOutcome runAmrVpCfg(const ExportCall&) {
  SaveAmrVpParam param;  // the caller's record: zeroes and an empty path
  ExportOutcome outcome;
  outcome.returned = static_cast<std::int64_t>(GetAmrVpCfg(param));
  std::string flags;
  for (std::uint8_t flag : param.itemFlags) flags += (flags.empty() ? "" : " ") + std::to_string(flag);
  outcome.out = {{"itemFlags", flags},
                 {"rangeFlag", std::to_string(param.rangeFlag)},
                 {"firstNumber", std::to_string(param.firstNumber)},
                 {"secondNumber", std::to_string(param.secondNumber)},
                 {"path", param.path}};
  return outcome;
}

}  // namespace

void addParamConfigExports(std::vector<ExportInfo>& table) {
  table.push_back({"GetOtherParamCfg",
                   "configuration",
                   "unsigned char* GetOtherParamCfg(unsigned char showDialog, int& length)",
                   "other radio parameters to report (primitive 12200); showDialog=0 builds from the stored choice; "
                   "null while feature switch 143 is off",
                   false,
                   {"showDialog"},
                   runOtherParamCfg});
  table.push_back({"GetAmrVpCfg",
                   "configuration",
                   "int GetAmrVpCfg(SaveAmrVpParam& param)",
                   "AMR voice-path save options: nine items, an optional range and the .AmrVp file; "
                   "prints the filled record",
                   false,
                   {},
                   runAmrVpCfg});
}

}  // namespace orbel::runner
