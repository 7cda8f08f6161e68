#include "orbel/primitive/CDiagCmdPsdlDlg.h"

#include <variant>

#include "host/Clipboard.h"
#include "host/StringTable.h"
#include "host/codec/Psdl.h"
#include "orbel/builders/ModuleLifetime.h"
#include "orbel/primitive/PcfFile.h"
#include "orbel/primitive/PeerDataText.h"
#include "orbel/primitive/PsdlCommand.h"
#include "orbel/ui/KovaFileDialog.h"
#include "toolkit/AtomicFile.h"
#include "toolkit/FileRead.h"

namespace {

constexpr unsigned kCodecOrFileFailure = 11446;

struct ColumnSpec {
  const char* title;
  unsigned long format;
  int width;
};
constexpr ColumnSpec kColumns[] = {
    {"Field Name", 0x104144, 280}, {"Field Value", 0x104244, 68}, {"Field Comment", 0x104244, 18}};

}  // namespace

CDiagCmdPsdlDlg::CDiagCmdPsdlDlg(tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CDiagCmdPsdlDlg", "Primitive Command"), parent) {
  m_peerEdit.onChange = [this] { OnChangePsdlCmdPeerEdit(); };
  m_peerCheck.onClicked = [this] { OnPsdlCmdDlgPeerCheckBtn(); };
  m_freePduEdit.onChange = [this] { OnChangeDiagCmdPsdlFreePduEdit(); };
  m_saveButton.onClicked = [this] { OnSave(); };
  m_loadButton.onClicked = [this] { OnLoad(); };
  setLayout({
      tk::group("Parameter", {tk::item(m_tree)}),
      tk::row({tk::item(m_peerCheck), tk::item(m_peerEdit)}),
      tk::row({tk::item(m_freePduLabel), tk::item(m_freePduEdit), tk::stretch(), tk::item(m_saveButton),
               tk::item(m_loadButton)}),
  });
}

CDiagCmdPsdlDlg::~CDiagCmdPsdlDlg() = default;

unsigned char* CDiagCmdPsdlDlg::GetDiagCmd(CPsdlSystem_ns::tVLink* link, unsigned char h2, unsigned char h3,
                                           unsigned char h4, unsigned char h5, unsigned int group,
                                           unsigned int primitive, unsigned int* len) {
  if (len == nullptr) return nullptr;
  m_link = link;
  m_typeName = PsdlQueryParameter(link, h2, h3, h4, h5, primitive);
  if (m_typeName.empty()) return nullptr;
  m_varName = "SIM_" + m_typeName;

  const bool confirmed = DoModal() == tk::IDOK;
  std::optional<std::vector<std::uint8_t>> parameter;
  if (confirmed) {
    if (m_regenerate) {
      parameter = encodedParameter();
    } else {
      unsigned char* block = nullptr;
      unsigned int length = 0;
      if (PsdlGetVarBuf(m_link, m_varName.c_str(), &block, &length) == 0) parameter.emplace(block, block + length);
    }
    if (!parameter) showFailure(m_link->lastError);
  }
  releaseVariable();
  std::optional<std::vector<std::uint8_t>> peer = std::move(m_peerData);
  m_peerData.reset();
  if (!parameter) return nullptr;

  const std::vector<std::uint8_t> noPeer;
  const bool withPeer = m_peerFlag && peer && !peer->empty();
  orbel::CommandBuffer message =
      orbel::buildPsdlMessage({{h2, h3, h4, h5}, group, primitive}, *parameter, withPeer ? *peer : noPeer,
                              static_cast<std::uint16_t>(m_spareBits));
  if (!message) showFailure("the message could not be built: too long for its length word, or out of memory");
  return message.handOver(len);
}

bool CDiagCmdPsdlDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_typeName.empty()) return true;
  if (PsdlNewVar(m_link, m_typeName.c_str(), m_varName.c_str()) != 0) return true;
  m_peerText.clear();
  m_peerFlag = false;
  m_peerData.reset();
  m_spareBits = 0;
  m_tree.SetStyle(kTreeStyle);
  for (const ColumnSpec& column : kColumns) m_tree.InsertColumn(column.title, column.format, column.width, -1, 0, 0);
  PsdlDisplayToMBTree(m_link, m_varName.c_str(), &m_tree);
  m_freePduEdit.setText(orbel::kResetSpareBitsText);
  return true;
}

void CDiagCmdPsdlDlg::OnChangePsdlCmdPeerEdit() {
  m_peerText = m_peerEdit.text();
  const std::string refusal = orbel::readPeerEdit(m_peerText, m_peerData);
  if (!refusal.empty()) MessageBox(refusal, {}, tk::MB_OK | tk::MB_ICONWARNING);
}

void CDiagCmdPsdlDlg::OnPsdlCmdDlgPeerCheckBtn() { m_peerFlag = !m_peerFlag; }

void CDiagCmdPsdlDlg::OnChangeDiagCmdPsdlFreePduEdit() {
  const std::optional<std::uint32_t> bits = orbel::readSpareBitsText(m_freePduEdit.text());
  m_spareBits = bits.value_or(0);
  if (!bits) m_freePduEdit.setText(orbel::kResetSpareBitsText);
}

void CDiagCmdPsdlDlg::OnSave() {
  const std::optional<std::vector<std::uint8_t>> parameter = encodedParameter();
  if (!parameter) {
    showFailure(m_link != nullptr ? m_link->lastError : std::string());
    return;
  }
  orbel::KovaFileDialog fileDialog(false, orbel::kPcfExtension, "", orbel::kPcfFileFilter, this);
  if (fileDialog.DoModal() != tk::IDOK) return;
  const std::string error =
      tk::writeFileAtomically(fileDialog.GetPathName(), orbel::serializePcf(m_typeName, *parameter));
  if (!error.empty()) showFailure(error);
}

void CDiagCmdPsdlDlg::OnLoad() {
  orbel::KovaFileDialog fileDialog(true, orbel::kPcfExtension, "", orbel::kPcfFileFilter, this);
  if (fileDialog.DoModal() != tk::IDOK) return;
  const std::string& path = fileDialog.GetPathName();
  const tk::FileRead file = tk::readRegularFile(path, orbel::kPcfFileLimit);
  if (!file.ok()) {
    showFailure(tk::describeRefusal(file, path, "primitive content file"));
    return;
  }
  const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(file.bytes.data()),
                                            file.bytes.size());
  auto read = orbel::readPcf(bytes);
  if (const auto* refusal = std::get_if<orbel::ReadRefusal>(&read)) {
    if (orbel::isWrongMagic(*refusal))
      MessageBox("!");
    else
      showFailure(path + ": " + refusal->reason);
    return;
  }
  const orbel::PcfContent& content = std::get<orbel::PcfContent>(read);
  const auto length = static_cast<unsigned int>(content.parameter.size());
  unsigned char* block = PsdlNewBuf(m_link, length);
  if (block == nullptr) {
    MessageBox("!!");
    return;
  }
  std::copy(content.parameter.begin(), content.parameter.end(), block);

  unsigned char* previous = nullptr;
  unsigned int previousLength = 0;
  if (PsdlGetVarBuf(m_link, m_varName.c_str(), &previous, &previousLength) == 0 && previous != nullptr)
    PsdlFreeBuf(m_link, previous);
  if (PsdlBindVarBuf(m_link, m_varName.c_str(), block, length) != 0) {
    MessageBox("!!!");
    return;
  }
  if (PsdlVarInterpret(m_link, m_varName.c_str()) != 0) {
    showFailure(m_link->lastError);
    return;
  }
  m_tree.DeleteAllItems();
  PsdlDisplayToMBTree(m_link, m_varName.c_str(), &m_tree);

  tk::CString script;
  PsdlVarGenerateScript(m_link, m_varName.c_str(), kPsdlScriptCompose | kPsdlScriptVariableForm, script);
  PsdlVarGenerateScript(m_link, m_varName.c_str(), kPsdlScriptPlay | kPsdlScriptVariableForm, script);
  CopyTextToClipboard(this, script);
}

void CDiagCmdPsdlDlg::showFailure(const std::string& reason) {
  std::string text = getResourceStringComm(kCodecOrFileFailure);
  if (!reason.empty()) text += "\n" + reason;
  MessageBox(text, {}, tk::MB_OK | tk::MB_ICONWARNING);
}

std::optional<std::vector<std::uint8_t>> CDiagCmdPsdlDlg::encodedParameter() {
  unsigned char* block = nullptr;
  unsigned int length = 0;
  if (PsdlGenerateMsg(m_link, m_varName.c_str()) != 0) return std::nullopt;
  if (PsdlGetVarBuf(m_link, m_varName.c_str(), &block, &length) != 0) return std::nullopt;
  return std::vector<std::uint8_t>(block, block + length);
}

void CDiagCmdPsdlDlg::releaseVariable() {
  if (m_link != nullptr) PsdlFreeVar(m_link, m_varName.c_str());
  m_tree.onValueEdit = nullptr;
}
