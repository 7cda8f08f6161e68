// The layer-1 trace filter: the default configuration and the two exported
// layer-1 command dialogs.
#include <string>

#include "orbel/builders/L1FilterExports.h"
#include "orbel/l1filter/PhyFaComSet.h"
#include "orbel/l1filter/PhyFaLoopTest.h"
#include "orbel/wire/ByteOrder.h"
#include "runner/BuilderCall.h"
#include "runner/ExportGroups.h"
#include "toolkit/Types.h"

namespace orbel::runner {
namespace {

std::string endCodeName(int code) {
  switch (code) {
    case tk::IDOK: return "IDOK";
    case tk::IDCANCEL: return "IDCANCEL";
    case tk::kDialogNotCreated: return "not created";
  }
  return std::to_string(code);
}

// Runs an exported command dialog as its host does: construct, run modally
// and, after OK, copy the frame that the dialog holds (its length is the
// word at offset 0) before the dialog is destroyed.
template <class Dialog>
ExportOutcome runFrameDialog(const ExportCall&) {
  Dialog dialog;
  const int code = dialog.DoModal();
  ExportOutcome outcome;
  outcome.out.emplace_back("DoModal", endCodeName(code));
  if (code == tk::IDOK && dialog.m_pFrame != nullptr) {
    const std::size_t length = readU16LE({dialog.m_pFrame, 2}, 0);
    outcome.returned = std::vector<std::uint8_t>(dialog.m_pFrame, dialog.m_pFrame + length);
  }
  return outcome;
}

}  // namespace

void addL1FilterExports(std::vector<ExportInfo>& table) {
  table.push_back(builderRow<&GetPhyFaFilterDefault>(
      ORBEL_SIGNATURE(GetPhyFaFilterDefault, "length"), "filters",
      "the last confirmed layer-1 filter configuration (1128 bytes), else the built-in default; no dialog"));
  table.push_back(exportRow(ORBEL_RESULT_MEMBER(PhyFaComSet, m_pFrame), "filters",
                            "exported dialog class: layer-1 port-setting command frame (1176 bytes) after OK", {},
                            runFrameDialog<PhyFaComSet>));
  table.push_back(exportRow(ORBEL_RESULT_MEMBER(PhyFaLoopTest, m_pFrame), "filters",
                            "exported dialog class: layer-1 loop-test command frame carrying a file of up to 10240 bytes",
                            {}, runFrameDialog<PhyFaLoopTest>));
  table.push_back(builderRow<&GetPhyFaFilter>(
      ORBEL_SIGNATURE(GetPhyFaFilter, "length"), "filters",
      "layer-1 filter dialog (the basic one with switch 124 or module 47, 42 or 41): the confirmed configuration "
      "(1128 bytes)"));
}

}  // namespace orbel::runner
