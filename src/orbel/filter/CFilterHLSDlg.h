// The HLS filter dialog: the engineer chooses what the terminal's
// higher-layer stack traces and what the host displays, by ticking the
// host's filter trees. It edits working copies of the five HLS node lists
// and on OK writes the result into a SapFilterManager, into the shared
// nodes, into the profile and, in the display-filter mode, into a
// display-filter message. It saves and loads HLS filter files and imports
// the compact filter.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <vector>

#include "host/FilterNode.h"
#include "orbel/filter/CFilterTreeCtrl.h"
#include "orbel/filter/SapFilterManager.h"
#include "orbel/wire/CommandBuffer.h"
#include "toolkit/AnchorLayout.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Dialog.h"
#include "toolkit/Edit.h"

class CFilterHLSDlg : public tk::CDialog {
 public:
  enum Mode : int { kEditMode = 0, kDisplayFilterMode = 1, kDefaultMode = 3 };
  static constexpr int kListCount = 5;
  using NodeLists = std::array<CFilterNodeList*, kListCount>;

  // How the OK step ended.
  enum class OkOutcome {
    Stored,           // the manager, profile and nodes were written
    StoppedWithText,  // a message box told the user why nothing was stored
    NothingToStore,   // no node lists, or no filter type to read
  };

  // Copies the non-null `lists` (each up to its first null node) into
  // working copies whose nodes point at the nodes they stand for. Without
  // lists the dialog shows empty trees and its OK step stores nothing.
  CFilterHLSDlg(int mode, const NodeLists* lists, tk::CWnd* parent = nullptr);
  ~CFilterHLSDlg() override;

  // The manager the OK step writes into. Null until set or until the
  // dialog makes one (initialisation, OK step); the dialog never deletes it.
  void SetManager(SapFilterManager* manager);
  SapFilterManager* GetManager() const { return m_manager; }
  // True when the manager now held is one the dialog made with new.
  bool MadeManager() const { return m_madeManager; }

  // The OK step without closing: checks the chosen type and senders, then
  // stores. The OK button, the dialog's default OK and Save run it.
  OkOutcome RunOkStep();
  // Selects filter-type entry `index` as the host does, without notifying.
  void SelectFilterType(int index) { m_typeList.setCurSel(index); }

  // Ticks tree A from the SAP filter that `message` carries (header words
  // in host order), after unticking every leaf; clears the standard-set box
  // and sets the attribute box from the message. A bad message is shown as
  // "data error: " and the reason, and changes nothing.
  bool ApplyHlsFilterMessage(const std::vector<unsigned char>& message);

  // After OK in the display-filter mode: the message (null when none was
  // built; its length through `len`, 0 then) and the display box state.
  unsigned char* TakeDisplayMessage(unsigned int* len);
  unsigned int DisplayFlag() const { return m_displayFlag ? 1 : 0; }
  int FilterTypeIndex() const { return m_filterTypeIndex; }

  // The dialog was resized to a client area of `width` x `height`: the
  // anchored controls follow. Backends run it through resizeClient.
  void OnSize(int width, int height) override;
  const tk::AnchorLayout& anchorLayout() const { return m_layout; }

  CFilterTreeCtrl& treeA() { return m_treeA; }
  CFilterTreeCtrl& treeB() { return m_treeB; }

 protected:
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  void OnSelchangeType();
  void OnSave();
  void OnLoad();
  void OnImport();
  void registerAnchors();

  CFilterNodeList* working(int index) {
    return m_hasLists ? &m_workingLists[static_cast<std::size_t>(index)] : nullptr;
  }
  bool anyTicked(int list) const;
  std::vector<std::uint32_t> tickedValues(int list) const;
  void updateUserSaps(bool defaultRule);
  void buildDisplayMessage(int type);
  void writeBack(int type);
  void ensureManager();

  int m_mode;
  bool m_hasLists = false;
  std::array<std::deque<CFilterNode>, kListCount> m_workingNodes;
  std::array<CFilterNodeList, kListCount> m_workingLists;

  SapFilterManager* m_manager = nullptr;
  bool m_madeManager = false;
  int m_filterTypeIndex = 1;
  bool m_standardSetFlag = false;
  bool m_attributeFlag = false;
  bool m_displayFlag = false;
  orbel::CommandBuffer m_displayMessage;
  tk::AnchorLayout m_layout;

  tk::ComboBox m_typeList{"type"};
  tk::Edit m_searchA{"tree.a.search"};
  CFilterTreeCtrl m_treeA{"tree.a"};
  tk::Edit m_searchB{"tree.b.search"};
  CFilterTreeCtrl m_treeB{"tree.b"};
  tk::CheckBox m_attributeBox{"attribute", "&Attribute"};
  tk::CheckBox m_standardBox{"standard", "Add the s&tandard SAP set"};
  tk::CheckBox m_displayBox{"display", "&Display"};
  tk::Button m_leavesOffButton{"leaves.off", "All leaves o&ff"};
  tk::Button m_leavesOnButton{"leaves.on", "All leaves o&n"};
  tk::Button m_standardOnButton{"standard.on", "Standard on"};
  tk::Button m_standardOffButton{"standard.off", "Standard off"};
  tk::Button m_saveButton{"save", "&Save..."};
  tk::Button m_loadButton{"load", "&Load..."};
  tk::Button m_importButton{"import", "&Import..."};
};
