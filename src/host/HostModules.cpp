#include "host/HostModules.h"

#include <cstdint>
#include <iterator>

#include "toolkit/ComboBox.h"
#include "toolkit/Dialog.h"

namespace {

// The filter types in the order scripts select them by index: entry N holds
// type N.
constexpr const char* kTypeNames[] = {
    "Default filter",
    "SAP tree with the first sender list",
    "SAP tree with the second sender list",
    "SAP tree",
    "Message classes",
    "Events",
};

void fillFilterTypes(tk::CDialog& dialog) {
  auto* types = dynamic_cast<tk::ComboBox*>(dialog.findControl("type"));
  if (types == nullptr) return;
  types->resetContent();
  for (int type = 0; type < static_cast<int>(std::size(kTypeNames)); ++type)
    types->setItemData(types->addString(kTypeNames[type]), static_cast<std::uint64_t>(type));
  types->setCurSel(1);
}

class FilterModule final : public IKovaFilterHLS {
 public:
  void InitFilterDialog(tk::CDialog& dialog) override { fillFilterTypes(dialog); }
};

class SaveAsModule final : public IKovaSaveAs {
 public:
  void InitFilterDialog(tk::CDialog& dialog) override { fillFilterTypes(dialog); }
  int RunPeerSaveAs(PeerSaveAsRun& dialog, SaveAsInfo* info) override {
    dialog.PointAt(info);
    return dialog.RunModally() ? 1 : 0;
  }
};

class PrimViewModule final : public IPrimView {};

FilterModule filterModule;
SaveAsModule saveAsModule;
PrimViewModule primViewModule;

}  // namespace

// Every module is loaded until the host program says otherwise.
template <>
IKovaFilterHLS* ModuleLib<IKovaFilterHLS>::sm_Instance = &filterModule;
template <>
IKovaSaveAs* ModuleLib<IKovaSaveAs>::sm_Instance = &saveAsModule;
template <>
IPrimView* ModuleLib<IPrimView>::sm_Instance = &primViewModule;

HostModules& HostModules::Instance() {
  static HostModules modules;
  return modules;
}

HostModules::State HostModules::CurrentState() const {
  return {ModuleLib<IKovaFilterHLS>::sm_Instance != nullptr, ModuleLib<IKovaSaveAs>::sm_Instance != nullptr,
          ModuleLib<IPrimView>::sm_Instance != nullptr};
}

void HostModules::ApplyState(State state) {
  ModuleLib<IKovaFilterHLS>::sm_Instance = state.hlsFilter ? &filterModule : nullptr;
  ModuleLib<IKovaSaveAs>::sm_Instance = state.saveAs ? &saveAsModule : nullptr;
  ModuleLib<IPrimView>::sm_Instance = state.primView ? &primViewModule : nullptr;
}

bool HostModules::SetPresent(std::string_view name, bool present) {
  State state = CurrentState();
  if (name == kHlsFilterName)
    state.hlsFilter = present;
  else if (name == kSaveAsName)
    state.saveAs = present;
  else if (name == kPrimViewName)
    state.primView = present;
  else
    return false;
  ApplyState(state);
  return true;
}
