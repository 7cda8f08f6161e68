// Layer-2 configuration dialog: for MAC, RLC, PDCP and BMC, whether the layer
// takes part in the SAP trace filter and which of its SAP identities pass. In
// filter mode the result goes to the SAP filter model, to the caller's state
// block and summary and, when asked, to "L2Config.dat"; in record mode it
// goes to the record of the save-configuration dialog.
#pragma once

#include <array>
#include <memory>

#include "orbel/config/CL2SapPage.h"
#include "orbel/config/L2ConfigLayout.h"
#include "orbel/filter/SapFilterManager.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Dialog.h"
#include "toolkit/PropertySheet.h"

class CL2ConfigDlg : public tk::CDialog {
 public:
  // Filter mode: opens with `state` and `selectAll`; `filter` is the caller's
  // model, or null to have the dialog create one while it initialises.
  CL2ConfigDlg(SapFilterManager* filter, const orbel::L2ConfigState& state, const orbel::L2SelectAllStates& selectAll,
               tk::CWnd* parent = nullptr);
  // Record mode: opens with nothing ticked; OK writes `record`.
  explicit CL2ConfigDlg(orbel::L2SapRecord& record, tk::CWnd* parent = nullptr);
  ~CL2ConfigDlg() override;

  // After OK in filter mode: the state block and the select-all states the
  // dialog ended with.
  const orbel::L2ConfigState& state() const { return m_state; }
  orbel::L2SelectAllStates selectAllStates() const;
  // The filter model; one the dialog created goes to the caller with it.
  SapFilterManager* TakeFilterManager();

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  // Shift goes to the page in view; its release to every page, so no page
  // keeps a Shift flag after the pages were switched while it was held.
  void PreTranslateKey(tk::Key key, bool down) override;

 private:
  enum Layer { kMac, kRlc, kPdcp, kBmc };

  CL2ConfigDlg(SapFilterManager* filter, orbel::L2SapRecord* record, const orbel::L2ConfigState& state,
               const orbel::L2SelectAllStates& selectAll, tk::CWnd* parent);
  void OnLayerBox(Layer layer);
  void OnPageChanged();
  // The size-all pointer while the page in view holds its Shift flag.
  void UpdatePointer();
  CL2SapPage& page(Layer layer);
  tk::CheckBox& layerBox(Layer layer);
  void OnOKFilterMode();
  void OnOKRecordMode();

  tk::CheckBox m_macBox{"layer.mac", "MAC"};
  tk::CheckBox m_rlcBox{"layer.rlc", "RLC"};
  tk::CheckBox m_pdcpBox{"layer.pdcp", "PDCP"};
  tk::CheckBox m_bmcBox{"layer.bmc", "BMC"};
  tk::CheckBox m_defaultBox{"default", "Store as default"};
  tk::PropertySheet m_sheet{"pages"};
  CL2MacPage m_macPage;
  CL2RlcPage m_rlcPage;
  CL2PdcpPage m_pdcpPage;
  CL2BmcPage m_bmcPage;

  orbel::L2ConfigState m_state;
  orbel::L2SelectAllStates m_selectAll;
  SapFilterManager* m_filter = nullptr;
  std::unique_ptr<SapFilterManager> m_createdFilter;  // until the caller takes it
  orbel::L2SapRecord* m_record = nullptr;              // record mode when set
};

namespace orbel {

// Runs the dialog in record mode for the save-configuration dialog, which
// owns the record: a zero-filled one is created when there is none. The
// record keeps whatever the last confirmed run wrote.
void RunL2ConfigRecordMode(std::unique_ptr<L2SapRecord>& record, tk::CWnd* parent = nullptr);

}  // namespace orbel
