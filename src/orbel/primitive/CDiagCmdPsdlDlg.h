// Primitive command dialog: the engineer edits the parameter of one
// protocol primitive field by field (the host's codec shows it in a
// tree-list), may add peer data and a spare-bit count, saves or loads the
// parameter as a ".pcf" file, and OK returns the primitive as a command.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/CPsdlMBTree.h"
#include "orbel/Export.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Dialog.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"

namespace CPsdlSystem_ns {
struct tVLink;
}

class ORBEL_EXPORT CDiagCmdPsdlDlg : public tk::CDialog {
 public:
  // The tree-list's style word and columns (title, format word, width).
  static constexpr unsigned long kTreeStyle = 0xC067F7C9;

  explicit CDiagCmdPsdlDlg(tk::CWnd* parent = nullptr);
  ~CDiagCmdPsdlDlg() override;

  // Runs the dialog for the primitive that the frame bytes h2 to h5 and
  // `primitive` name. Null without a dialog when `len` is null or the codec
  // knows no parameter for the primitive; null after Cancel or a codec
  // failure. After OK stores the length through `len` and returns the
  // message (CommandBuffer rules). The variable is freed on every path.
  unsigned char* GetDiagCmd(CPsdlSystem_ns::tVLink* link, unsigned char h2, unsigned char h3, unsigned char h4,
                            unsigned char h5, unsigned int group, unsigned int primitive, unsigned int* len);

 protected:
  bool OnInitDialog() override;
  void OnSave();
  void OnLoad();
  void OnChangePsdlCmdPeerEdit();
  void OnPsdlCmdDlgPeerCheckBtn();
  void OnChangeDiagCmdPsdlFreePduEdit();

 private:
  // Message 11446, with the codec's or the file's reason under it when known.
  void showFailure(const std::string& reason);
  // Encodes the variable and copies its buffer; nothing on a codec failure.
  std::optional<std::vector<std::uint8_t>> encodedParameter();
  void releaseVariable();

  CPsdlMBTree m_tree{"params"};
  tk::CheckBox m_peerCheck{"peer.on", "&Peer data"};
  tk::Edit m_peerEdit{"peer"};
  tk::Label m_freePduLabel{"sparebits.label", "Spare &bits:"};
  tk::Edit m_freePduEdit{"sparebits"};
  tk::Button m_saveButton{"save", "&Save..."};
  tk::Button m_loadButton{"load", "&Load..."};

  CPsdlSystem_ns::tVLink* m_link = nullptr;  // the host's, not owned
  std::string m_typeName;
  std::string m_varName;
  bool m_regenerate = true;
  std::uint32_t m_spareBits = 0;
  std::string m_peerText;
  bool m_peerFlag = false;
  std::optional<std::vector<std::uint8_t>> m_peerData;
};
