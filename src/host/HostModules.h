// The host modules that the filter dialogs hand themselves to while they
// initialise, reached through ModuleLib<...>::sm_Instance (null when the host
// has not loaded the module), and the stand-ins this host loads: both fill a
// filter dialog's filter-type list. The host program makes either module
// absent (CLI --absent-modules, the Qt host's settings); both are present
// by default.
#pragma once

#include <string_view>

namespace tk {
class CDialog;
}

// Where a host module's instance is found: null while the module is absent.
// Each module's instance is defined where its stand-in lives.
template <typename Module>
struct ModuleLib {
  static Module* sm_Instance;
};

// The host's HLS-filter module, as far as the library calls it.
class IKovaFilterHLS {
 public:
  // Fills the filter-type list (control "type") of the HLS filter dialog:
  // a first entry of item data 0, then the types 1 to 5 as entries 1 to 5,
  // and selects an entry.
  virtual void InitFilterDialog(tk::CDialog& dialog) = 0;

 protected:
  ~IKovaFilterHLS() = default;
};

// The host's save-as module, as far as the filter dialog calls it: when the
// HLS-filter module is absent it fills the filter-type list the same way.
class IKovaSaveAs {
 public:
  virtual void InitFilterDialog(tk::CDialog& dialog) = 0;

 protected:
  ~IKovaSaveAs() = default;
};

template <>
IKovaFilterHLS* ModuleLib<IKovaFilterHLS>::sm_Instance;
template <>
IKovaSaveAs* ModuleLib<IKovaSaveAs>::sm_Instance;

// Which of the two modules the host has loaded.
class HostModules {
 public:
  static HostModules& Instance();

  // The names the host programs use for them: "hls-filter", "save-as".
  static constexpr std::string_view kHlsFilterName = "hls-filter";
  static constexpr std::string_view kSaveAsName = "save-as";

  struct State {
    bool hlsFilter = true;
    bool saveAs = true;
  };
  State CurrentState() const;
  void ApplyState(State state);
  // Makes the module named `name` present or absent; false for an unknown name.
  bool SetPresent(std::string_view name, bool present);

 private:
  HostModules() = default;
};
