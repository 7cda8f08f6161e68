#include "orbel/primitive/CPrimtiveCtrlDlg.h"

#include <algorithm>

#include "host/StringTable.h"
#include "host/codec/Psdl.h"
#include "orbel/builders/ModuleLifetime.h"
#include "orbel/primitive/CDiagCmdPsdlDlg.h"
#include "orbel/primitive/CPrimitivePickerDlg.h"
#include "orbel/primitive/NewScenarioCommand.h"
#include "orbel/primitive/PeerDataText.h"
#include "orbel/primitive/ScenarioMessage.h"
#include "orbel/ui/KovaFileDialog.h"
#include "toolkit/AtomicFile.h"
#include "toolkit/FileRead.h"

namespace {

constexpr unsigned kCodecOrFileFailure = 11446;
constexpr char kSaveQuestion[] = "是否保存当前的流程？";
constexpr char kSpareBitsCaption[] = "数据包空余bit数";
constexpr char kCommandFilter[] = "kova scenario command (*.ksc)|*.ksc||";
constexpr char kListFilter[] = "kova scenario command list (*.kscl)|*.kscl||";
constexpr char kScriptFilter[] = "tcl test script (*.tcl)|*.tcl||";
// The header words up to the payload length: length, frame, group, primitive, reserved.
constexpr std::size_t kFrameHead = 18;
constexpr std::size_t kFrameOverhead = 24;

struct ColumnSpec {
  const char* title;
  unsigned long format;
  int width;
};
constexpr ColumnSpec kTreeColumns[] = {
    {"Field Name", 0x104144, 280}, {"Field Value", 0x104244, 68}, {"Field Comment", 0x104244, 18}};

std::string sequenceText(std::size_t index) { return std::to_string(index + 1); }

}  // namespace

CPrimtiveCtrlDlg::CPrimtiveCtrlDlg(tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CPrimtiveCtrlDlg", "Primitive Control"), parent) {
  m_commandList.onSelChanged = [this] { OnClickCommandList(); };
  m_peerEdit.onChange = [this] { OnChangePeerEdit(); };
  m_peerCheck.onClicked = [this] { OnPeerCheckBtn(); };
  m_spareBitsEdit.onChange = [this] { OnChangeSpareBitsEdit(); };
  m_updateButton.onClicked = [this] { OnUpdate(); };
  m_saveCommandButton.onClicked = [this] { OnSaveCommand(); };
  m_loadCommandButton.onClicked = [this] { OnLoadCommand(); };
  m_openListButton.onClicked = [this] { OnOpenList(); };
  m_saveListButton.onClicked = [this] { OnSaveList(); };
  m_exportButton.onClicked = [this] { OnExportScript(); };
  m_addButton.onClicked = [this] { OnAddCommand(); };
  m_removeButton.onClicked = [this] { OnRemoveCommand(); };
  m_appendButton.onClicked = [this] { OnAppendList(); };
  m_moveUpButton.onClicked = [this] { OnMoveUp(); };
  m_moveDownButton.onClicked = [this] { OnMoveDown(); };
  m_closeButton.onClicked = [this] { OnCancel(); };
  setLayout({
      tk::row({tk::group("Commands", {tk::item(m_commandList)}), tk::group("Parameter", {tk::item(m_tree)})}),
      tk::row({tk::item(m_contentCheck), tk::item(m_simulateNote), tk::item(m_waitNoteA), tk::item(m_waitNoteB)}),
      tk::row({tk::item(m_peerCheck), tk::item(m_peerEdit), tk::item(m_spareBitsLabel), tk::item(m_spareBitsEdit)}),
      tk::row({tk::item(m_updateButton), tk::item(m_addButton), tk::item(m_removeButton), tk::item(m_moveUpButton),
               tk::item(m_moveDownButton), tk::stretch(), tk::item(m_saveCommandButton),
               tk::item(m_loadCommandButton)}),
      tk::row({tk::item(m_openListButton), tk::item(m_appendButton), tk::item(m_saveListButton),
               tk::item(m_exportButton), tk::stretch(), tk::item(m_closeButton)}),
  });
}

CPrimtiveCtrlDlg::~CPrimtiveCtrlDlg() { releaseVariable(); }

bool CPrimtiveCtrlDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  // An unreadable file opens an empty editor; the commands read before a
  // refused record stay.
  m_commands.LoadFile(m_scenarioPath);
  m_commandList.insertColumn("序号", 50);
  m_commandList.insertColumn("控制命令", 200);
  m_commandList.insertColumn("动作", 50);
  listCommands();
  m_peerText.clear();
  m_peerFlag = false;
  m_peerData.reset();
  m_spareBits = 0;
  m_selected = -1;
  m_hasParameter = true;
  m_tree.SetStyle(CDiagCmdPsdlDlg::kTreeStyle);
  for (const ColumnSpec& column : kTreeColumns) m_tree.InsertColumn(column.title, column.format, column.width, -1, 0, 0);
  for (tk::Control* control : std::initializer_list<tk::Control*>{
           &m_contentCheck, &m_simulateNote, &m_waitNoteA, &m_waitNoteB, &m_peerCheck, &m_spareBitsEdit,
           &m_spareBitsLabel, &m_peerEdit})
    control->show(false);
  markModified(false);
  return true;
}

void CPrimtiveCtrlDlg::listCommands() {
  m_commandList.deleteAllItems();
  for (std::size_t i = 0; i < m_commands.size(); ++i) {
    m_commands.at(i).sequence = static_cast<std::int32_t>(i + 1);
    const TAG_KOVA_SCENARIO_COMMAND_ITEM& command = m_commands.at(i);
    const int row = m_commandList.insertItem(sequenceText(i));
    m_commandList.setItemText(row, 1, std::string(orbel::scenarioName(command)));
    m_commandList.setItemText(row, 2, std::string(orbel::scenarioKindText(command.kind)));
  }
}

void CPrimtiveCtrlDlg::showRow(std::size_t index) {
  const TAG_KOVA_SCENARIO_COMMAND_ITEM& command = m_commands.at(index);
  m_commandList.setItemText(static_cast<int>(index), 0, sequenceText(index));
  m_commandList.setItemText(static_cast<int>(index), 1, std::string(orbel::scenarioName(command)));
  m_commandList.setItemText(static_cast<int>(index), 2, std::string(orbel::scenarioKindText(command.kind)));
}

void CPrimtiveCtrlDlg::showKindControls(std::int32_t kind, bool all) {
  const bool simulate = kind == orbel::kScenarioSimulate;
  m_waitNoteB.show(!simulate);
  m_peerCheck.show(simulate);
  m_peerEdit.show(simulate);
  m_spareBitsEdit.show(simulate);
  m_spareBitsLabel.show(simulate);
  if (simulate) {
    m_peerCheck.setCheck(m_peerFlag ? 1 : 0);
    m_spareBitsLabel.setCaption(kSpareBitsCaption);
  }
  if (!all) return;
  m_waitNoteA.show(!simulate);
  m_contentCheck.show(simulate);
  m_simulateNote.show(simulate);
}

void CPrimtiveCtrlDlg::OnClickCommandList() {
  const int row = m_commandList.selection();
  if (row < 0 || static_cast<std::size_t>(row) >= m_commands.size()) return;
  releaseVariable();
  m_selected = row;
  TAG_KOVA_SCENARIO_COMMAND_ITEM& command = m_commands.at(static_cast<std::size_t>(row));
  showKindControls(command.kind, true);
  // Peer bytes parsed for the command selected before must not reach this one.
  clearPeerData();
  if (displayParameter(command, {}, true)) showPeerData(command);
  m_varName = std::string(orbel::scenarioName(command));
}

bool CPrimtiveCtrlDlg::displayParameter(TAG_KOVA_SCENARIO_COMMAND_ITEM& command, const std::string& name,
                                        bool deriveName) {
  m_tree.enable(false);
  m_tree.onValueEdit = nullptr;
  const auto message = orbel::readScenarioMessage(orbel::scenarioData(command));
  if (!message) {
    showFailure("the command's message is shorter than its lengths say");
    return false;
  }
  const auto& f = message->frame;
  const std::string typeName = PsdlQueryParameter(m_link, f[0], f[1], f[2], f[3], message->primitive);
  if (typeName.empty()) {
    if (deriveName) m_contentCheck.setCheck(0);
    m_hasParameter = false;
    m_tree.DeleteAllItems();
    return true;
  }
  std::string varName = name;
  if (deriveName) {
    varName = orbel::scenarioVariableName(typeName).substr(0, orbel::kScenarioNameField - 1);
    std::fill(std::begin(command.name), std::end(command.name), '\0');
    std::copy(varName.begin(), varName.end(), command.name);
    showRow(static_cast<std::size_t>(m_selected));
  }
  if (PsdlNewVar(m_link, typeName.c_str(), varName.c_str()) != 0) return false;
  m_varName = varName;
  unsigned char* existing = nullptr;
  unsigned int existingLength = 0;
  if (PsdlGetVarBuf(m_link, varName.c_str(), &existing, &existingLength) == 0 && existing != nullptr) {
    PsdlFreeBuf(m_link, existing);
    return false;
  }
  const auto length = static_cast<unsigned int>(message->parameter.size());
  unsigned char* block = PsdlNewBuf(m_link, length);
  if (block == nullptr) {
    MessageBox("!!");
    return false;
  }
  std::copy(message->parameter.begin(), message->parameter.end(), block);
  if (PsdlBindVarBuf(m_link, varName.c_str(), block, length) != 0) {
    MessageBox("!!!");
    return false;
  }
  if (PsdlVarInterpret(m_link, varName.c_str()) != 0) {
    showFailure(m_link->lastError);
    return false;
  }
  m_tree.DeleteAllItems();
  PsdlDisplayToMBTree(m_link, varName.c_str(), &m_tree);
  m_tree.enable(true);
  m_hasParameter = true;
  m_contentCheck.setCheck(1);
  return true;
}

void CPrimtiveCtrlDlg::showPeerData(const TAG_KOVA_SCENARIO_COMMAND_ITEM& command) {
  const auto message = orbel::readScenarioMessage(orbel::scenarioData(command));
  if (message && !message->peer.empty()) {
    m_peerCheck.setCheck(1);
    m_peerFlag = true;
    m_peerEdit.setText(orbel::peerBytesText(message->peer));
    OnChangePeerEdit();
  } else {
    m_peerCheck.setCheck(0);
    m_peerFlag = false;
  }
}

void CPrimtiveCtrlDlg::OnUpdate() {
  if (!selectionInList()) return;
  const auto index = static_cast<std::size_t>(m_selected);
  const TAG_KOVA_SCENARIO_COMMAND_ITEM& old = m_commands.at(index);
  const std::string name(orbel::scenarioName(old));
  std::vector<std::uint8_t> parameter;
  if (m_hasParameter) {
    unsigned char* block = nullptr;
    unsigned int length = 0;
    if (PsdlGenerateMsg(m_link, name.c_str()) != 0 || PsdlGetVarBuf(m_link, name.c_str(), &block, &length) != 0 ||
        (block == nullptr && length != 0)) {
      showFailure(m_link != nullptr ? m_link->lastError : std::string());
      releaseVariable();
      m_peerData.reset();
      return;
    }
    parameter.assign(block, block + length);
  }
  const bool withPeer = m_peerFlag && m_peerData && !m_peerData->empty();
  const std::size_t peerLength = withPeer ? m_peerData->size() : 0;
  const std::size_t total = parameter.size() + kFrameOverhead + peerLength;
  auto command = orbel::CreateScenarioCommand(old.sequence, name, old.kind, static_cast<std::int32_t>(
                                                  std::min<std::size_t>(total, orbel::kScenarioLargestData + 1)));
  if (m_hasParameter) releaseVariable();
  // Every path below leaves the tree showing a variable that is gone.
  m_tree.enable(false);
  m_tree.onValueEdit = nullptr;
  if (!command) {
    showFailure("the message would exceed its 16-bit length word");
    m_peerData.reset();
    return;
  }
  const auto oldData = orbel::scenarioData(old);
  const auto data = orbel::scenarioData(*command);
  std::copy_n(oldData.begin(), std::min(kFrameHead, oldData.size()), data.begin());
  auto putU16 = [&](std::size_t at, std::size_t value) {
    data[at] = static_cast<std::uint8_t>(value & 0xFF);
    data[at + 1] = static_cast<std::uint8_t>(value >> 8 & 0xFF);
  };
  putU16(0, total);
  putU16(18, parameter.size());
  std::copy(parameter.begin(), parameter.end(), data.begin() + 20);
  const std::size_t trailer = 20 + parameter.size();
  if (withPeer) {
    putU16(trailer, peerLength);
    putU16(trailer + 2, m_spareBits & 0xFFFF);
    std::copy(m_peerData->begin(), m_peerData->end(), data.begin() + static_cast<std::ptrdiff_t>(trailer + 4));
    m_peerData.reset();
  }
  m_commands.replace(index, std::move(command));
  markModified(true);
}

void CPrimtiveCtrlDlg::OnSaveCommand() {
  if (!selectionInList()) return;
  orbel::KovaFileDialog fileDialog(false, orbel::kScenarioCommandExtension, "", kCommandFilter, this);
  if (fileDialog.DoModal() != tk::IDOK) return;
  std::string record;
  orbel::WriteScenarioCommand(record, m_commands.at(static_cast<std::size_t>(m_selected)));
  const std::string error = tk::writeFileAtomically(fileDialog.GetPathName(), record);
  if (!error.empty()) showFailure(error);
}

void CPrimtiveCtrlDlg::OnLoadCommand() {
  if (!selectionInList()) return;
  orbel::KovaFileDialog fileDialog(true, orbel::kScenarioCommandExtension, "", kCommandFilter, this);
  if (fileDialog.DoModal() != tk::IDOK) return;
  const std::string& path = fileDialog.GetPathName();
  const tk::FileRead file = tk::readRegularFile(path, orbel::kScenarioFileLimit);
  if (!file.ok()) {
    showFailure(tk::describeRefusal(file, path, "scenario command file"));
    return;
  }
  orbel::ByteReader in({reinterpret_cast<const std::uint8_t*>(file.bytes.data()), file.bytes.size()});
  auto read = orbel::ReadScenarioCommand(in);
  if (auto* refusal = std::get_if<orbel::ReadRefusal>(&read)) {
    showFailure(path + ": " + refusal->reason);
    return;
  }
  const auto index = static_cast<std::size_t>(m_selected);
  m_commands.replace(index, std::move(std::get<orbel::ScenarioCommandPtr>(read)));
  releaseVariable();
  TAG_KOVA_SCENARIO_COMMAND_ITEM& command = m_commands.at(index);
  showKindControls(command.kind, false);
  clearPeerData();
  const std::string name(orbel::scenarioName(command));
  if (displayParameter(command, name, false)) showPeerData(command);
  showRow(index);
  m_varName = name;
  markModified(true);
}

void CPrimtiveCtrlDlg::offerToSaveAndEmpty() {
  if (m_modified && MessageBox(kSaveQuestion, {}, tk::MB_OKCANCEL) == tk::IDOK) OnSaveList();
  releaseVariable();
  m_commandList.deleteAllItems();
  m_tree.DeleteAllItems();
  clearPeerData();
}

void CPrimtiveCtrlDlg::OnOpenList() {
  if (m_modified) {
    offerToSaveAndEmpty();
    m_selected = -1;
  }
  markModified(false);
  orbel::KovaFileDialog fileDialog(true, orbel::kScenarioListExtension, "", kListFilter, this);
  if (fileDialog.DoModal() != tk::IDOK) {
    // The list control keeps showing the commands that are still held.
    listCommands();
    return;
  }
  releaseVariable();
  m_tree.DeleteAllItems();
  m_commands.clear();
  m_selected = -1;
  m_scenarioPath = fileDialog.GetPathName();
  if (m_commands.LoadFile(m_scenarioPath) != 0) showFailure(m_scenarioPath);
  listCommands();
}

void CPrimtiveCtrlDlg::OnAppendList() {
  orbel::KovaFileDialog fileDialog(true, orbel::kScenarioListExtension, "", kListFilter, this);
  if (fileDialog.DoModal() != tk::IDOK) return;
  const std::size_t before = m_commands.size();
  if (m_commands.LoadFile(fileDialog.GetPathName()) != 0) showFailure(fileDialog.GetPathName());
  if (m_commands.size() == before) return;
  listCommands();
  markModified(true);
}

void CPrimtiveCtrlDlg::OnSaveList() {
  markModified(false);
  orbel::KovaFileDialog fileDialog(false, orbel::kScenarioListExtension, "", kListFilter, this);
  if (fileDialog.DoModal() != tk::IDOK) return;
  m_commands.SaveFile(fileDialog.GetPathName());
}

void CPrimtiveCtrlDlg::OnExportScript() {
  orbel::KovaFileDialog fileDialog(false, "tcl", "", kScriptFilter, this);
  if (fileDialog.DoModal() != tk::IDOK) return;
  tk::CString script;
  for (std::size_t i = 0; i < m_commands.size(); ++i) {
    const TAG_KOVA_SCENARIO_COMMAND_ITEM& command = m_commands.at(i);
    const auto data = orbel::scenarioData(command);
    const auto message = orbel::readScenarioMessage(data);
    // The codec reads as far as the message's own length word says.
    if (!message || data.size() < kFrameOverhead || (data[0] | data[1] << 8) > static_cast<int>(data.size())) {
      showFailure("command " + sequenceText(i) + ": the message is shorter than its lengths say");
      return;
    }
    const bool simulate = command.kind == orbel::kScenarioSimulate;
    if (simulate && !message->peer.empty()) script += "NewBuffer your_peer " + orbel::peerBytesText(message->peer) + "\n";
    const unsigned mode = (simulate ? kPsdlScriptCompose : kPsdlScriptPlay) | kPsdlScriptMessageForm;
    if (PsdlVarGenerateScript(m_link, data.data(), mode, script, 0, 1) != 0) {
      showFailure("command " + sequenceText(i) + ": " + m_link->lastError);
      return;
    }
  }
  std::string bytes = script;
  bytes += '\0';
  const std::string error = tk::writeFileAtomically(fileDialog.GetPathName(), bytes);
  if (!error.empty()) showFailure(error);
}

void CPrimtiveCtrlDlg::OnAddCommand() {
  CPrimitivePickerDlg::Descriptions descriptions = std::string("the codec link holds no primitive descriptions");
  if (m_link != nullptr && m_link->descriptions) descriptions = m_link->descriptions;
  CPrimitivePickerDlg picker(std::move(descriptions), this);
  if (picker.DoModal() != tk::IDOK || picker.chosen() == nullptr) return;
  // The new command's variable may bear the name of the selected command's.
  releaseVariable();
  const auto sequence = static_cast<std::int32_t>(m_commands.size() + 1);
  auto made = orbel::defaultScenarioCommand(*m_link, *picker.chosen(), sequence);
  if (auto* why = std::get_if<std::string>(&made)) {
    showFailure(*why);
    return;
  }
  m_commands.append(std::move(std::get<orbel::ScenarioCommandPtr>(made)));
  listCommands();
  m_commandList.setSelection(static_cast<int>(m_commands.size() - 1));
  OnClickCommandList();
  markModified(true);
}

void CPrimtiveCtrlDlg::OnRemoveCommand() {
  if (!selectionInList()) return;
  releaseVariable();
  m_tree.DeleteAllItems();
  clearPeerData();
  m_commands.remove(static_cast<std::size_t>(m_selected));
  m_selected = -1;
  listCommands();
  markModified(true);
}

void CPrimtiveCtrlDlg::OnMoveUp() {
  if (!selectionInList() || m_selected == 0) return;
  m_commands.swap(static_cast<std::size_t>(m_selected), static_cast<std::size_t>(m_selected - 1));
  --m_selected;
  listCommands();
  m_commandList.setSelection(m_selected);
  markModified(true);
}

void CPrimtiveCtrlDlg::OnMoveDown() {
  if (!selectionInList() || static_cast<std::size_t>(m_selected) + 1 >= m_commands.size()) return;
  m_commands.swap(static_cast<std::size_t>(m_selected), static_cast<std::size_t>(m_selected + 1));
  ++m_selected;
  listCommands();
  m_commandList.setSelection(m_selected);
  markModified(true);
}

void CPrimtiveCtrlDlg::OnCancel() {
  if (m_modified) {
    offerToSaveAndEmpty();
    m_commands.clear();
  }
  CDialog::OnCancel();
}

void CPrimtiveCtrlDlg::OnChangePeerEdit() {
  m_peerText = m_peerEdit.text();
  const std::string refusal = orbel::readPeerEdit(m_peerText, m_peerData);
  if (!refusal.empty()) MessageBox(refusal, {}, tk::MB_OK | tk::MB_ICONWARNING);
}

void CPrimtiveCtrlDlg::OnPeerCheckBtn() { m_peerFlag = !m_peerFlag; }

void CPrimtiveCtrlDlg::OnChangeSpareBitsEdit() {
  const std::optional<std::uint32_t> bits = orbel::readSpareBitsText(m_spareBitsEdit.text());
  m_spareBits = bits.value_or(0);
  if (!bits) m_spareBitsEdit.setText(orbel::kResetSpareBitsText);
}

void CPrimtiveCtrlDlg::clearPeerData() {
  m_peerEdit.setText({});
  m_peerText.clear();
  m_peerData.reset();
  m_spareBitsEdit.setText({});
  OnChangeSpareBitsEdit();
}

void CPrimtiveCtrlDlg::releaseVariable() {
  if (!m_varName.empty() && m_link != nullptr) PsdlFreeVar(m_link, m_varName.c_str());
  m_varName.clear();
  m_tree.onValueEdit = nullptr;
  m_tree.enable(false);
}

void CPrimtiveCtrlDlg::showFailure(const std::string& reason) {
  std::string text = getResourceStringComm(kCodecOrFileFailure);
  if (!reason.empty()) text += "\n" + reason;
  MessageBox(text, {}, tk::MB_OK | tk::MB_ICONWARNING);
}
