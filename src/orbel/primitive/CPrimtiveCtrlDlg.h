// Primitive control dialog: the editor of a scenario. It lists the
// scenario's commands; a selected simulate command shows its parameter field
// by field through the host's codec, Update encodes it again (optionally with
// peer data), and single commands, whole lists and a Tcl test script are
// saved and loaded through file dialogs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/CPsdlMBTree.h"
#include "orbel/primitive/KovaScenario.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Dialog.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"
#include "toolkit/ListControl.h"

namespace CPsdlSystem_ns {
struct tVLink;
}

class CPrimtiveCtrlDlg : public tk::CDialog {
 public:
  explicit CPrimtiveCtrlDlg(tk::CWnd* parent = nullptr);
  ~CPrimtiveCtrlDlg() override;

  // Both are set before DoModal; the link stays the host's.
  void setScenarioPath(std::string path) { m_scenarioPath = std::move(path); }
  void setLink(CPsdlSystem_ns::tVLink* link) { m_link = link; }

 protected:
  bool OnInitDialog() override;
  void OnCancel() override;
  void OnClickCommandList();
  void OnUpdate();
  void OnSaveCommand();
  void OnLoadCommand();
  void OnOpenList();
  void OnSaveList();
  void OnExportScript();
  void OnAddCommand();
  void OnRemoveCommand();
  void OnAppendList();
  void OnMoveUp();
  void OnMoveDown();
  void OnChangePeerEdit();
  void OnPeerCheckBtn();
  void OnChangeSpareBitsEdit();

 private:
  bool selectionInList() const { return m_selected >= 0 && static_cast<std::size_t>(m_selected) < m_commands.size(); }
  // The list control shows the commands, each numbered from 1.
  void listCommands();
  void showRow(std::size_t index);
  // Shows the controls of a simulate or a wait command; `all` also sets the
  // content indicator and the second simulate control and wait control A.
  void showKindControls(std::int32_t kind, bool all);
  // Decodes the command's parameter into the variable `name` and shows it
  // in the tree; false when the codec refuses.
  bool displayParameter(TAG_KOVA_SCENARIO_COMMAND_ITEM& command, const std::string& name, bool deriveName);
  void showPeerData(const TAG_KOVA_SCENARIO_COMMAND_ITEM& command);
  void releaseVariable();
  // Empties the edits and forgets the parsed peer data.
  void clearPeerData();
  // Asks whether to save a modified list (Save list on OK), then empties the
  // list, the tree and the peer data.
  void offerToSaveAndEmpty();
  void markModified(bool on) { m_modified = on; }
  void showFailure(const std::string& reason);

  tk::ListControl m_commandList{"commands"};
  CPsdlMBTree m_tree{"params"};
  tk::CheckBox m_peerCheck{"peer.on", "&Peer data"};
  tk::Edit m_peerEdit{"peer"};
  tk::Label m_spareBitsLabel{"sparebits.label", ""};
  tk::Edit m_spareBitsEdit{"sparebits"};
  tk::CheckBox m_contentCheck{"content", "Has &parameter"};
  tk::Label m_simulateNote{"simulate.note", "Simulated towards the terminal"};
  tk::Label m_waitNoteA{"wait.note", "Awaited from the terminal"};
  tk::Label m_waitNoteB{"wait.loaded", "Loaded wait command"};
  tk::Button m_updateButton{"update", "&Update"};
  tk::Button m_saveCommandButton{"save.command", "Save &command..."};
  tk::Button m_loadCommandButton{"load.command", "&Load command..."};
  tk::Button m_openListButton{"open.list", "&Open list..."};
  tk::Button m_saveListButton{"save.list", "Save l&ist..."};
  tk::Button m_exportButton{"export", "&Export script..."};
  tk::Button m_addButton{"add", "A&dd command..."};
  tk::Button m_removeButton{"remove", "&Remove"};
  tk::Button m_appendButton{"append.list", "&Append list..."};
  tk::Button m_moveUpButton{"move.up", "Move u&p"};
  tk::Button m_moveDownButton{"move.down", "Move do&wn"};
  tk::Button m_closeButton{"close", "Close"};

  CPsdlSystem_ns::tVLink* m_link = nullptr;  // the host's, not owned
  std::string m_scenarioPath;
  CKovaScenario m_commands;
  int m_selected = -1;
  std::string m_varName;
  bool m_hasParameter = true;
  std::string m_peerText;
  bool m_peerFlag = false;
  std::optional<std::vector<std::uint8_t>> m_peerData;
  std::uint32_t m_spareBits = 0;
  bool m_modified = false;
};
