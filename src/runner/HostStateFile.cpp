#include "runner/HostStateFile.h"

#include <algorithm>
#include <functional>
#include <nlohmann/json.hpp>
#include <vector>

#include "host/SimFilterInfoMan.h"
#include "runner/FilterHost.h"
#include "toolkit/AtomicFile.h"
#include "toolkit/FileRead.h"

namespace orbel::runner {
namespace {

using nlohmann::json;

constexpr char kFormatName[] = "orbel-host-state";
constexpr int kFormatVersion = 1;

struct StateError {
  std::string text;
};

[[noreturn]] void fail(const std::string& where, const std::string& what) { throw StateError{where + ": " + what}; }

// What reading an entry decided, applied once every entry has been read.
using Apply = std::function<void()>;

// One kind of object the host keeps: how it is written and read back.
struct StateEntry {
  const char* key;
  json (*save)();
  Apply (*read)(const json& value, const std::string& where);
};

json sapListJson(const SapList& saps) {
  json list = json::array();
  for (const auto& [id, enabled] : saps) list.push_back({id, enabled});
  return list;
}

SapList sapListOf(const json& value, const std::string& where) {
  if (!value.is_array()) fail(where, "a list of [identifier, enabled] pairs is expected");
  SapList saps;
  for (std::size_t index = 0; index < value.size(); ++index) {
    const json& pair = value[index];
    if (!pair.is_array() || pair.size() != 2 || !pair[0].is_number_unsigned() ||
        pair[0].get<std::uint64_t>() > 0xFFFFFFFFu || !pair[1].is_boolean())
      fail(where + '[' + std::to_string(index) + ']', "[identifier from 0 to 4294967295, true or false] is expected");
    saps.emplace_back(pair[0].get<unsigned int>(), pair[1].get<bool>());
  }
  return saps;
}

bool flagOf(const json& object, const char* key, const std::string& where) {
  auto found = object.find(key);
  if (found == object.end() || !found->is_boolean()) fail(where, std::string("\"") + key + "\" must be true or false");
  return found->get<bool>();
}

const json& memberOf(const json& object, const char* key, const std::string& where) {
  auto found = object.find(key);
  if (found == object.end()) fail(where, std::string("\"") + key + "\" is missing");
  return *found;
}

// The SAP filter model: its two flags and the lists the dialogs fill. The
// built-in SAPs follow feature switch 130 of the call that creates it.
json saveSapFilterManager() {
  SapFilterManager* manager = hostSapFilterManager();
  if (manager == nullptr) return nullptr;
  return {{"attributeOn", manager->m_attributeOn},
          {"standardSet", manager->m_standardSet},
          {"layer2Saps", sapListJson(manager->L2Sap())},
          {"userSaps", sapListJson(manager->UserSap())}};
}

Apply readSapFilterManager(const json& value, const std::string& where) {
  if (value.is_null()) return [] { releaseHostSapFilterManager(); };
  if (!value.is_object()) fail(where, "an object or null is expected");
  const bool attributeOn = flagOf(value, "attributeOn", where);
  const bool standardSet = flagOf(value, "standardSet", where);
  SapList layer2 = sapListOf(memberOf(value, "layer2Saps", where), where + ".layer2Saps");
  SapList user = sapListOf(memberOf(value, "userSaps", where), where + ".userSaps");
  return [=] {
    releaseHostSapFilterManager();
    SapFilterManager& manager = ensureHostSapFilterManager();
    manager.m_attributeOn = attributeOn;
    manager.m_standardSet = standardSet;
    manager.L2Sap(layer2);
    manager.UserSap(user);
  };
}

// The tick state of every node of the five HLS node lists, in list order:
// one digit per node (0 not ticked, 1 ticked, 2 partly ticked) for each list.
json saveNodeTicks() {
  HlsNodeStore& store = CSimFilterInfoMan::CreateInstance(true)->HlsNodes();
  json lists = json::array();
  for (int index = 0; index < HlsNodeLists::kListCount; ++index) {
    std::string ticks;
    for (const CFilterNode& node : store.lists().nodes(index))
      ticks += static_cast<char>('0' + std::clamp(node.GetChecked(), 0, 2));
    lists.push_back(std::move(ticks));
  }
  return lists;
}

Apply readNodeTicks(const json& value, const std::string& where) {
  HlsNodeStore& store = CSimFilterInfoMan::CreateInstance(true)->HlsNodes();
  if (!value.is_array() || value.size() != HlsNodeLists::kListCount)
    fail(where, "five lists of tick states are expected");
  std::vector<std::vector<int>> ticks(HlsNodeLists::kListCount);
  for (std::size_t list = 0; list < value.size(); ++list) {
    const std::string at = where + '[' + std::to_string(list) + ']';
    const std::size_t nodes = store.lists().nodes(static_cast<int>(list)).size();
    if (!value[list].is_string() || value[list].get_ref<const std::string&>().size() != nodes)
      fail(at, "a text of " + std::to_string(nodes) + " tick states is expected, one for each node of the host's list");
    for (char tick : value[list].get_ref<const std::string&>()) {
      if (tick < '0' || tick > '2') fail(at, "tick states are 0, 1 or 2");
      ticks[list].push_back(tick - '0');
    }
  }
  return [ticks, &store] {
    for (int list = 0; list < HlsNodeLists::kListCount; ++list) {
      CFilterNodeList& nodes = *store.list(list);
      for (std::size_t index = 0; index < nodes.size(); ++index)
        nodes[index]->SetChecked(ticks[static_cast<std::size_t>(list)][index]);
    }
  };
}

constexpr StateEntry kEntries[] = {
    {"sapFilterManager", saveSapFilterManager, readSapFilterManager},
    {"hlsNodeTicks", saveNodeTicks, readNodeTicks},
};

}  // namespace

std::string hostStateText() {
  json objects = json::object();
  for (const StateEntry& entry : kEntries) objects[entry.key] = entry.save();
  return json{{"format", kFormatName}, {"version", kFormatVersion}, {"objects", objects}}.dump(1) + '\n';
}

std::string applyHostStateText(std::string_view text) {
  const json document = json::parse(text, nullptr, false);
  if (document.is_discarded()) return "not a JSON document";
  try {
    if (!document.is_object() || document.value("format", "") != kFormatName)
      fail("file", std::string("\"format\" must be \"") + kFormatName + '"');
    if (document.value("version", 0) != kFormatVersion) fail("file", "\"version\" must be 1");
    const json& objects = memberOf(document, "objects", "file");
    if (!objects.is_object()) fail("objects", "an object is expected");
    for (const auto& [key, value] : objects.items()) {
      bool known = false;
      for (const StateEntry& entry : kEntries) known = known || key == entry.key;
      if (!known) fail("objects", "unexpected \"" + key + "\"");
    }
    std::vector<Apply> applies;
    for (const StateEntry& entry : kEntries)
      if (objects.contains(entry.key))
        applies.push_back(entry.read(objects[entry.key], std::string("objects.") + entry.key));
    for (const Apply& apply : applies) apply();
  } catch (const StateError& error) {
    return error.text;
  } catch (const json::exception& error) {
    return error.what();
  }
  return {};
}

std::string loadHostStateFile(const std::string& path) {
  const tk::FileRead read = tk::readRegularFile(path, kHostStateFileLimit);
  if (read.status == tk::FileRead::Status::Missing) return {};
  if (!read.ok()) return tk::describeRefusal(read, path, "state file");
  const std::string error = applyHostStateText(read.bytes);
  return error.empty() ? error : path + ": " + error;
}

std::string saveHostStateFile(const std::string& path) { return tk::writeFileAtomically(path, hostStateText()); }

}  // namespace orbel::runner
