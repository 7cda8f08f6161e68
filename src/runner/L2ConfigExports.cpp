// The layer-2 configuration export. The caller's state block and summary
// start zero-filled in each call; after it both are reported as hex and
// field by field, and the SAP filter model the host keeps receives the
// layer-2 list.
#include "orbel/builders/L2ConfigExports.h"

#include <array>
#include <span>
#include <string>

#include "orbel/config/L2ConfigLayout.h"
#include "runner/BuilderCall.h"
#include "runner/ExportGroups.h"
#include "runner/FilterHost.h"
#include "runner/L2SelectionOut.h"

namespace orbel::runner {
namespace {

constexpr Parameter kFromFile =
    parameterOf<int>("fromFile", "1 opens from L2Config.dat (all off without one), 0 from the caller's blocks");

ExportOutcome runL2Config(const ExportCall& call) {
  std::array<std::uint8_t, kL2ConfigSummarySize> summary{};
  std::array<std::uint8_t, kL2ConfigStateSize> state{};
  unsigned char* filter = reinterpret_cast<unsigned char*>(hostSapFilterManager());
  const bool confirmed =
      GetL2Config(nullptr, nullptr, filter, summary.data(), state.data(), static_cast<int>(arg(call, kFromFile)));
  hostSapFilterManager() = reinterpret_cast<SapFilterManager*>(filter);

  const L2ConfigState fields = readL2ConfigState(state);
  const L2ConfigSummary brief = readL2ConfigSummary(summary);
  const auto number = [](std::uint32_t value) { return OutValue(std::int64_t{value}); };
  ExportOutcome outcome;
  outcome.returned = confirmed;
  outcome.out = {{"summary", std::vector<std::uint8_t>(summary.begin(), summary.end())},
                 {"state", std::vector<std::uint8_t>(state.begin(), state.end())}};
  appendL2Selection(outcome.out, "", fields);
  outcome.out.insert(outcome.out.end(), {{"saveAsDefault", number(fields.saveAsDefault)},
                                         {"macAllA", number(brief.macAllA)},
                                         {"macAllB", number(brief.macAllB)},
                                         {"rlcAllA", number(brief.rlcAllA)},
                                         {"rlcAllB", number(brief.rlcAllB)},
                                         {"rlcSubAllA", number(brief.rlcSubAllA)},
                                         {"rlcSubAllB", number(brief.rlcSubAllB)},
                                         {"pdcpAllA", number(brief.pdcpAllA)},
                                         {"pdcpAllB", number(brief.pdcpAllB)}});
  return outcome;
}

}  // namespace

void addL2ConfigExports(std::vector<ExportInfo>& table) {
  table.push_back(
      exportRow(ORBEL_SIGNATURE(GetL2Config, "ignored1", "ignored2", "sapFilter", "summary", "state", "fromFile"),
                "configuration",
                "layer-2 configuration: the layers and SAP identities of the SAP filter; fills the host's "
                "SAP filter model and prints the state block and summary",
                {kFromFile}, runL2Config));
}

}  // namespace orbel::runner
