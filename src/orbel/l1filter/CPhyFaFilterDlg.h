// The full layer-1 filter dialog: every element of a layer-1 filter
// configuration on one form (task messages in a tick tree, the TD and GSM
// primitive lists of at most 16 ticks each, switches, state ranges and
// option bits), saved to and opened from layer-1 filter files.
#pragma once

#include <array>
#include <deque>
#include <string>

#include "host/FilterNode.h"
#include "orbel/filter/CFilterTreeCtrl.h"
#include "orbel/l1filter/FilterConfigCodec.h"
#include "orbel/l1filter/PhyFaFilterBase.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Dialog.h"
#include "toolkit/Label.h"
#include "toolkit/ListControl.h"

class CPhyFaFilterDlg : public tk::CDialog, private PhyFaFilterBase {
 public:
  // Ticks a primitive list holds at most.
  static constexpr int kMaxListTicks = 16;

  explicit CPhyFaFilterDlg(tk::CWnd* parent = nullptr);
  ~CPhyFaFilterDlg() override;

  using PhyFaFilterBase::Config;
  using PhyFaFilterBase::LoadPhyFaFilterConfig;

  // Encodes the form into the configuration and writes it to the filter
  // file at `path`, or to the last-configuration store when `path` is empty.
  void SavePhyFaFilterConfig(const std::string& path);

  CFilterTreeCtrl& tree() { return m_tree; }

 protected:
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  void buildNodes();
  void fillPrimitiveList(tk::ListControl& list, std::size_t firstRow, std::size_t rows);
  void showConfig();
  void fillStateChoices(const orbel::PhyFaSelection& selection);
  orbel::PhyFaSelection selectionFromForm() const;
  void onPrimitiveTicked(tk::ListControl& list, tk::Label& counter, int row);
  void OnSave();
  void OnOpen();
  void OnStored();

  // Tasks first, then their messages; the nodes live as long as the dialog.
  std::deque<CFilterNode> m_nodes;
  CFilterNodeList m_nodeList;
  orbel::PhyFaSelection m_selection;

  CFilterTreeCtrl m_tree{"tree"};
  tk::Button m_allButton{"tree.all", "Tick &all"};
  tk::Button m_noneButton{"tree.none", "&Untick all"};
  tk::ListControl m_tdList{"td.list", true};
  tk::Label m_tdCount{"td.count", "0"};
  tk::ListControl m_gsmList{"gsm.list", true};
  tk::Label m_gsmCount{"gsm.count", "0"};
  std::deque<tk::CheckBox> m_switches;
  tk::ComboBox m_tdFrom{"td.from"};
  tk::ComboBox m_tdTo{"td.to"};
  tk::ComboBox m_gsmFrom{"gsm.from"};
  tk::ComboBox m_gsmTo{"gsm.to"};
  std::deque<tk::CheckBox> m_tdOptionsA;
  std::deque<tk::CheckBox> m_tdOptionsB;
  std::deque<tk::CheckBox> m_gsmOptionsA;
  std::deque<tk::CheckBox> m_gsmOptionsB;
  tk::Button m_saveButton{"save", "&Save..."};
  tk::Button m_openButton{"open", "&Open..."};
  tk::Button m_storedButton{"stored", "S&tored configurations..."};
};
