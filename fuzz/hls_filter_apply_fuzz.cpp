// Arbitrary bytes applied as a loaded filter to the HLS filter dialog. The
// dialog accepts exactly what the reader accepts: then the leaves ticked in
// tree A are those whose values the message lists; a refused message leaves
// every tick as it was and is told to the user.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <set>
#include <variant>
#include <vector>

#include "FuzzCheck.h"
#include "orbel/builders/ModuleLifetime.h"
#include "orbel/filter/CFilterHLSDlg.h"
#include "orbel/filter/HlsDialogMessages.h"
#include "toolkit/ScriptedToolkit.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool started = orbel::startModule();
  fuzzCheck(started, "the library starts");
  const std::vector<unsigned char> message(data, data + size);

  // A parent over the leaves 3001 to 3004, of which 3002 is ticked.
  std::deque<CFilterNode> nodes;
  CFilterNodeList list;
  nodes.emplace_back(1, "SAPs", 0xFFFFFFFF, 0, 0, 0);
  for (unsigned value = 3001; value <= 3004; ++value)
    nodes.emplace_back(value - 2999, "SAP", value, 1, value == 3002 ? 1 : 0, 1);
  for (CFilterNode& node : nodes) list.push_back(&node);
  const CFilterHLSDlg::NodeLists lists{&list, nullptr, nullptr, nullptr, nullptr};

  tk::ProfileStore profile;
  tk::ScriptedToolkit toolkit({}, profile);
  tk::ToolkitInstallation installation(toolkit);
  CFilterHLSDlg dialog(CFilterHLSDlg::kEditMode, &lists);
  fuzzCheck(dialog.Create(), "the dialog opens");
  dialog.SelectFilterType(3);
  dialog.treeA().LoadNodes(&list);

  const auto read = orbel::readAppliedSapFilter(message);
  const bool applied = dialog.ApplyHlsFilterMessage(message);
  fuzzCheck(applied == std::holds_alternative<orbel::AppliedSapFilter>(read), "the dialog takes what the reader takes");
  fuzzCheck(toolkit.messageBoxes().size() == (applied ? 0u : 1u), "a refusal is told once");
  std::set<unsigned> listed;
  if (applied) {
    const auto& ids = std::get<orbel::AppliedSapFilter>(read).ids;
    listed.insert(ids.begin(), ids.end());
  }
  for (const CFilterNode& node : nodes) {
    if (!node.IsLeaf()) continue;
    const bool expected = applied ? listed.contains(node.GetValue()) : node.GetValue() == 3002;
    fuzzCheck((node.GetChecked() == CFilterNode::kTicked) == expected, "a leaf is ticked exactly when listed");
  }
  dialog.DestroyWindow();
  if (dialog.MadeManager()) delete dialog.GetManager();  // the host owns the manager the dialog made
  return 0;
}
