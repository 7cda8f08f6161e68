// The scenario editor. Like the primitive command builder, it gets a codec
// link of its own over the host's description set.
#include "orbel/builders/ScenarioExports.h"

#include "host/codec/Psdl.h"
#include "runner/BuilderCall.h"
#include "runner/ExportGroups.h"

namespace orbel::runner {
namespace {

constexpr Parameter kPath = textParameter("path", "the scenario file (.kscl) the editor opens");

ExportOutcome runScenarioFileCreate(const ExportCall& call) {
  ExportOutcome outcome;
  auto descriptions = psdl::hostDescriptions();
  if (auto* error = std::get_if<std::string>(&descriptions)) {
    outcome.out.emplace_back("descriptions", *error);
    return outcome;
  }
  tVLink link(std::get<std::shared_ptr<const psdl::DescriptionSet>>(descriptions));
  const auto given = call.texts.find(std::string(kPath.name));
  const std::string path = given == call.texts.end() ? std::string() : given->second;
  outcome.returned = std::int64_t{ScenarioFileCreate(&link, path.c_str())};
  return outcome;
}

}  // namespace

void addScenarioExports(std::vector<ExportInfo>& table) {
  table.push_back(exportRow(ORBEL_SIGNATURE(ScenarioFileCreate, "link", "path"), "scenarios",
                            "the scenario editor on a .kscl file: select, edit and update commands, save and load "
                            "commands and lists, export a Tcl script; 0 after OK",
                            {kPath}, runScenarioFileCreate));
}

}  // namespace orbel::runner
