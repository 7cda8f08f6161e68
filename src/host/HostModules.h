// The host modules the library reaches through ModuleLib<...>::sm_Instance
// (null when the host has not loaded the module), and the stand-ins this host
// loads: the filter and save-as modules fill a filter dialog's filter-type
// list, the save-as module runs the peer save-as dialog, and the
// primitive-view module is only asked whether it is there. The host program
// makes any of them absent (CLI --absent-module, the Qt host's settings); all
// are present by default.
#pragma once

#include <string_view>

namespace tk {
class CDialog;
}
struct SaveAsInfo;

// What the save-as module sees of the peer save-as dialog it runs: where the
// caller's block is, and the modal run. The dialog implements it, so the
// host's module needs nothing of the library's headers.
class PeerSaveAsRun {
 public:
  // The block the dialog fills on OK.
  virtual void PointAt(SaveAsInfo* info) = 0;
  // Runs the dialog modally: true after OK.
  virtual bool RunModally() = 0;

 protected:
  ~PeerSaveAsRun() = default;
};

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

// The host's save-as module, as far as the library calls it: when the
// HLS-filter module is absent it fills the filter dialog's filter-type list
// the same way, and it runs the peer save-as dialog on the caller's block.
class IKovaSaveAs {
 public:
  virtual void InitFilterDialog(tk::CDialog& dialog) = 0;
  // Points `dialog` at `info`, runs it modally and returns 1 for OK, else 0.
  virtual int RunPeerSaveAs(PeerSaveAsRun& dialog, SaveAsInfo* info) = 0;

 protected:
  ~IKovaSaveAs() = default;
};

// The host's primitive-view module: the library only asks whether it is loaded.
class IPrimView {
 protected:
  ~IPrimView() = default;
};

template <>
IKovaFilterHLS* ModuleLib<IKovaFilterHLS>::sm_Instance;
template <>
IKovaSaveAs* ModuleLib<IKovaSaveAs>::sm_Instance;
template <>
IPrimView* ModuleLib<IPrimView>::sm_Instance;

// Which of the modules the host has loaded.
class HostModules {
 public:
  static HostModules& Instance();

  // The names the host programs use for them: "hls-filter", "save-as",
  // "prim-view".
  static constexpr std::string_view kHlsFilterName = "hls-filter";
  static constexpr std::string_view kSaveAsName = "save-as";
  static constexpr std::string_view kPrimViewName = "prim-view";

  struct State {
    bool hlsFilter = true;
    bool saveAs = true;
    bool primView = true;
  };
  State CurrentState() const;
  void ApplyState(State state);
  // Makes the module named `name` present or absent; false for an unknown name.
  bool SetPresent(std::string_view name, bool present);

 private:
  HostModules() = default;
};
