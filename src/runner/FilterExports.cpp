// The trace filter exports: the compact message filter and the SAP filter
// model that the host keeps.
#include "orbel/builders/FilterExports.h"

#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "orbel/wire/ByteOrder.h"
#include "runner/BuilderCall.h"
#include "runner/ExportGroups.h"
#include "runner/FilterHost.h"

namespace orbel::runner {

namespace {

constexpr Parameter kWorkMode =
    inOut(parameterOf<int>("workMode", "in/out: the work mode (shown while switch 124 is on)"));
constexpr Parameter kFilterType =
    inOut(parameterOf<int>("filterType", "in/out: the option, 0 base, 1 2 3 5 options, 4 full, 6 loaded from a file"));
constexpr Parameter kInteractive = parameterOf<bool>("interactive", "false confirms the dialog at once", true);
constexpr Parameter kUserOnly = parameterOf<bool>("userOnly", "leaves the layer-2 and built-in SAPs out");

ExportOutcome runFilterMsgMini(const ExportCall& call) {
  unsigned int fullSet = 0;
  unsigned int workModeState = 0;
  int workMode = static_cast<int>(arg(call, kWorkMode));
  int filterType = static_cast<int>(arg(call, kFilterType));
  const bool interactive = arg(call, kInteractive) != 0;
  unsigned char* message = GetFilterMsgMini(&fullSet, &workModeState, workMode, filterType, interactive);
  ExportOutcome outcome;
  // The message carries its length in its first word.
  const std::size_t length = message == nullptr ? 0 : readU16LE(std::span<const std::uint8_t>(message, 2), 0);
  outcome.returned = takeOverBuffer(message, length);
  outcome.out = {{"fullSet", std::int64_t{fullSet}},
                 {"workModeState", std::int64_t{workModeState}},
                 {"workMode", std::int64_t{workMode}},
                 {"filterType", std::int64_t{filterType}}};
  return outcome;
}

ExportOutcome runCreateMessage(const ExportCall& call) {
  const auto [buffer, length] = ensureHostSapFilterManager().CreateMessage(arg(call, kUserOnly) != 0);
  ExportOutcome outcome;
  outcome.returned = std::vector<std::uint8_t>(buffer, buffer + length);
  delete[] buffer;
  outcome.out = {{"length", static_cast<std::int64_t>(length)}};
  return outcome;
}

// The HLS filter dialog's exports work on the host's manager, created by the
// dialog through the pointer when there is none yet.
ExportOutcome runHlsFilterBuffer(const ExportCall&) {
  ExportOutcome outcome;
  outcome.returned = OrbelGetHlsFilterBuffer(hostSapFilterManager());
  return outcome;
}

ExportOutcome runDisplayFilterBuffer(const ExportCall& call) {
  unsigned int length = call.initialLength;
  unsigned int flag = 0;
  unsigned char* message =
      OrbelGetDisplayFilterBuffer(call.nullLength ? nullptr : &length, &flag, hostSapFilterManager());
  ExportOutcome outcome;
  outcome.returned = takeOverBuffer(message, length);
  if (!call.nullLength) outcome.length = length;
  outcome.out = {{"flag", std::int64_t{flag}}};
  return outcome;
}

ExportOutcome runDefaultFilterTT(const ExportCall&) {
  OrbelGetDefaultFilterTT(hostSapFilterManager());
  return {};
}

}  // namespace

void addFilterExports(std::vector<ExportInfo>& table) {
  table.push_back(exportRow(ORBEL_SIGNATURE(GetFilterMsgMini, "fullSet", "workModeState", "workMode", "filterType",
                                            "interactive"),
                            "filters",
                            "compact message filter: a predefined SAP filter option or the filter loaded from a file; "
                            "interactive=false confirms at once",
                            {kWorkMode, kFilterType, kInteractive}, runFilterMsgMini));
  table.push_back(exportRow(ORBEL_SIGNATURE(SapFilterManager::CreateMessage, "userOnly"), "filters",
                            "the SAP filter message of the filter model the host keeps (a fresh model in each CLI run)",
                            {kUserOnly}, runCreateMessage));
  table.push_back(exportRow(ORBEL_SIGNATURE(OrbelGetHlsFilterBuffer, "manager"), "filters",
                            "HLS filter dialog: tick SAPs and senders, save, load or import a filter; OK fills the "
                            "host's SAP filter model",
                            {}, runHlsFilterBuffer));
  table.push_back(exportRow(ORBEL_SIGNATURE(OrbelGetDisplayFilterBuffer, "len", "flag", "manager"), "filters",
                            "HLS filter dialog in its display-filter mode: the display-filter message of the chosen "
                            "filter type",
                            {}, runDisplayFilterBuffer, true));
  table.push_back(exportRow(ORBEL_SIGNATURE(OrbelGetDefaultFilterTT, "manager"), "filters",
                            "the default SAP filter, without a dialog: every ticked SAP and the standard SAP list", {},
                            runDefaultFilterTT));
}

}  // namespace orbel::runner
