// The peer save-as export. The caller's block starts zero-filled in each
// call; after it every field is reported by name, the layer-2 record by its
// ticked SAP identities and the filter data as hex, which the runner then
// releases as a host would.
#include "orbel/builders/SaveAsExports.h"

#include <cstdlib>
#include <string>

#include "runner/BuilderCall.h"
#include "runner/ExportGroups.h"
#include "runner/L2SelectionOut.h"

namespace orbel::runner {
namespace {

template <std::size_t N>
std::string flagList(const std::array<std::uint32_t, N>& flags) {
  std::string text;
  for (std::uint32_t flag : flags) text += (text.empty() ? "" : " ") + std::to_string(flag);
  return text;
}

ExportOutcome runSaveAsInfo(const ExportCall&) {
  SaveAsInfo info;
  const int result = OrbelGetSaveAsInfo(&info);
  const auto number = [](std::int64_t value) { return OutValue(value); };
  const auto* data = reinterpret_cast<const std::uint8_t*>(info.filterData);

  ExportOutcome outcome;
  outcome.returned = static_cast<std::int64_t>(result);
  outcome.out = {{"form", number(info.form)},
                 {"path", info.path},
                 {"rangeFlag", number(info.rangeFlag)},
                 {"rangeFirst", number(info.rangeFirst)},
                 {"rangeSecond", number(info.rangeSecond)},
                 {"hlsFilterFlag", number(info.hlsFilterFlag)},
                 {"hlsFilterEditFlag", number(info.hlsFilterEditFlag)},
                 {"displayFlag", number(info.displayFlag)},
                 {"filterKind", number(info.filterKind)},
                 {"filterWords", number(info.filterWords)},
                 {"filterData", std::vector<std::uint8_t>(data, data + std::size_t{info.filterWords} * 4)},
                 {"l2Flag", number(info.l2Flag)},
                 {"l2EditFlag", number(info.l2EditFlag)}};
  appendL2Selection(outcome.out, "l2", info.l2Record);
  outcome.out.insert(outcome.out.end(), {{"optionO1", number(info.optionO1)},
                                         {"optionO2", number(info.optionO2)},
                                         {"optionO3", number(info.optionO3)},
                                         {"textFlag", number(info.textFlag)},
                                         {"textForm", number(info.textForm)},
                                         {"secondTextForm", number(info.secondTextForm)},
                                         {"contentFlags", flagList(info.contentFlags)},
                                         {"secondFlags", flagList(info.secondFlags)},
                                         {"textX", number(info.textX)},
                                         {"textY", number(info.textY)},
                                         {"textZ", number(info.textZ)}});
  std::free(info.filterData);
  return outcome;
}

}  // namespace

void addSaveAsExports(std::vector<ExportInfo>& table) {
  table.push_back(exportRow(ORBEL_SIGNATURE(OrbelGetSaveAsInfo, "options"), "trace tools",
                            "peer save-as options: a binary form with range, layer-2, HLS filter and option flags, or "
                            "text chosen in the panel below; prints the filled block field by field",
                            {}, runSaveAsInfo));
}

}  // namespace orbel::runner
