#include "runner/HostObjects.h"

#include <memory>
#include <set>
#include <span>

#include "host/SimFilterInfoMan.h"
#include "orbel/wire/ByteOrder.h"
#include "runner/FilterHost.h"

namespace orbel::runner {
namespace {

std::string listSize(const SapList& saps) {
  std::size_t enabled = 0;
  for (const auto& sap : saps) enabled += sap.second ? 1 : 0;
  return std::to_string(saps.size()) + " (" + std::to_string(enabled) + " enabled)";
}

void addEnabled(std::set<unsigned int>& ids, const SapList& saps) {
  for (const auto& [id, enabled] : saps)
    if (enabled) ids.insert(id);
}

// The number of SAPs the message carries (its length field holds 4 x N).
std::size_t messageSaps(SapFilterManager& manager, bool userOnly) {
  const auto [buffer, length] = manager.CreateMessage(userOnly);
  const std::unique_ptr<unsigned char[]> owned(buffer);  // new[]'ed by CreateMessage
  return readU16BE(std::span<const std::uint8_t>(buffer, static_cast<std::size_t>(length)), 2) / 4u;
}

// "3 of 160 leaves ticked": how far each HLS node list is ticked.
HostObject nodeListState(const HlsNodeStore& store) {
  constexpr const char* kNames[] = {"list 0 (SAP tree)", "list 1 (first senders)", "list 2 (second senders)", "list 3",
                                    "list 4"};
  HostObject object{"HLS filter nodes", {}};
  for (int list = 0; list < HlsNodeLists::kListCount; ++list) {
    std::size_t leaves = 0, ticked = 0;
    for (const CFilterNode& node : store.lists().nodes(list)) {
      if (!node.IsLeaf()) continue;
      ++leaves;
      ticked += node.GetChecked() != CFilterNode::kUnticked ? 1 : 0;
    }
    object.fields.emplace_back(kNames[list],
                               std::to_string(ticked) + " of " + std::to_string(leaves) + " leaves ticked");
  }
  return object;
}

}  // namespace

std::vector<HostObject> hostObjectState() {
  std::vector<HostObject> objects;
  // The node lists are the host's from the first export that reads them.
  if (CSimFilterInfoMan* info = CSimFilterInfoMan::CreateInstance(false))
    objects.push_back(nodeListState(info->HlsNodes()));
  SapFilterManager* manager = hostSapFilterManager();
  if (manager == nullptr) return objects;
  // The built-in list has no getter; the message tells how many of its SAPs
  // come from it alone.
  std::set<unsigned int> listed;
  addEnabled(listed, manager->L2Sap());
  addEnabled(listed, manager->UserSap());
  const std::size_t all = messageSaps(*manager, false);
  objects.push_back(
      {"SAP filter manager",
       {{"layer-2 SAPs", listSize(manager->L2Sap())},
        {"user SAPs", listSize(manager->UserSap())},
        {"SAP set", std::to_string(manager->getSapSet().size())},
        {"built-in SAPs in the message", std::to_string(all > listed.size() ? all - listed.size() : 0)},
        {"attribute on", manager->m_attributeOn ? "true" : "false"},
        {"standard set", manager->m_standardSet ? "true" : "false"},
        {"message SAPs", std::to_string(all) + " (" + std::to_string(messageSaps(*manager, true)) + " user only)"}}});
  return objects;
}

}  // namespace orbel::runner
