#include "orbel/primitive/CPeerSaveAsDlg.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <span>

#include "host/FeatureManager.h"
#include "host/HostModules.h"
#include "host/StringTable.h"
#include "orbel/builders/FilterExports.h"
#include "orbel/builders/ModuleLifetime.h"
#include "orbel/config/CL2ConfigDlg.h"
#include "orbel/diag/NumberText.h"
#include "orbel/primitive/DisplayFilterValues.h"
#include "orbel/ui/KovaFileDialog.h"
#include "toolkit/Toolkit.h"

namespace {

constexpr int kHlsFilterFeature = 113;
constexpr int kLayer2Feature = 114;
constexpr int kTextSaveFeature = 116;

constexpr unsigned kFileExistsString = 12767;
constexpr unsigned kPathTooLongString = 12768;
constexpr std::size_t kPathLimit = 200;  // a path this long or longer is refused

constexpr char kDefaultExtension[] = "save";
constexpr char kPeerFilter[] = "Peer Files(*.peer)|*.peer|ALL Files(*.*)|*.*||";
constexpr char kTextFilter[] = "Text Files(*.txt)|*.txt|ALL Files(*.*)|*.*||";

std::uint32_t flagOf(const tk::CheckBox& box) { return box.check() == 1 ? 1 : 0; }
int checkOf(std::uint32_t flag) { return flag != 0 ? 1 : 0; }

// A signed whole number; any other text reads as 0.
std::int32_t numberOf(const tk::Edit& edit) { return orbel::parseDecimalInteger(edit.text()).value_or(0); }

bool fileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

// The text panel's choice as the block records it: the form, then the
// second form's flags or the first form's alternative (Y before X before Z)
// or, without one, its content flags.
void writeTextChoice(const SaveTextChoice& choice, SaveAsInfo& info) {
  info.textFlag = 1;
  info.textForm = choice.form;
  info.secondTextForm = choice.form == 0 ? 1 : 0;
  if (choice.form == 0) {
    info.secondFlags = choice.second;
  } else if (choice.y != 0) {
    info.textY = 1;
  } else if (choice.x != 0) {
    info.textX = 1;
  } else if (choice.z != 0) {
    info.textZ = 1;
  } else {
    info.contentFlags = choice.content;
  }
}

}  // namespace

CPeerSaveAsDlg::CPeerSaveAsDlg(tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CPeerSaveAsDlg", "Save Peer Data As"), parent) {
  m_rangeBox.onClicked = [this] { OnRangeCheck(); };
  m_l2Box.onClicked = [this] { OnL2Check(); };
  m_l2EditBox.onClicked = [this] { OnL2EditCheck(); };
  m_hlsBox.onClicked = [this] { OnHlsCheck(); };
  m_hlsEditBox.onClicked = [this] { OnHlsEditCheck(); };
  m_textBox.onClicked = [this] { OnTextCheck(); };
  m_l2EditBox.setTooltip("Choose the layer-2 SAPs to save with the data");
  m_hlsEditBox.setTooltip("Choose the HLS filter to save with the data");
  m_textBox.setTooltip("Save as text, with the choices of the panel below");

  setLayout({tk::group("Form", {tk::row({tk::item(m_firstForm), tk::item(m_secondForm), tk::stretch()})}),
             tk::group("Range", {tk::item(m_rangeBox),
                                 tk::row({tk::item(m_firstLabel), tk::item(m_firstEdit), tk::item(m_secondLabel),
                                          tk::item(m_secondEdit), tk::stretch()}),
                                 tk::item(m_rangeNote)}),
             tk::group("Options", {tk::row({tk::item(m_l2Box), tk::item(m_l2EditBox), tk::stretch()}),
                                   tk::row({tk::item(m_hlsBox), tk::item(m_hlsEditBox), tk::stretch()}),
                                   tk::row({tk::item(m_o1Box), tk::item(m_o2Box), tk::item(m_o3Box), tk::stretch()})}),
             tk::item(m_textBox)});
}

CPeerSaveAsDlg::~CPeerSaveAsDlg() {
  if (m_textPanel) m_textPanel->DestroyWindow();
}

bool CPeerSaveAsDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_pInfo == nullptr) {  // nothing to work on
    EndDialog(tk::IDCANCEL);
    return false;
  }
  const FeatureManager& features = FeatureManager::Instance();
  if (!features.GetFeature(kHlsFilterFeature) || ModuleLib<IPrimView>::sm_Instance == nullptr) {
    m_hlsBox.show(false);
    m_hlsEditBox.show(false);
  }
  if (!features.GetFeature(kLayer2Feature)) {
    m_l2Box.show(false);
    m_l2EditBox.show(false);
  }
  if (!features.GetFeature(kTextSaveFeature)) m_textBox.show(false);

  const SaveAsInfo& info = *m_pInfo;
  m_rangeBox.setCheck(checkOf(info.rangeFlag));
  m_hlsBox.setCheck(checkOf(info.hlsFilterFlag));
  m_hlsEditBox.setCheck(checkOf(info.hlsFilterEditFlag));
  m_l2Box.setCheck(checkOf(info.l2Flag));
  m_l2EditBox.setCheck(checkOf(info.l2EditFlag));
  m_o1Box.setCheck(checkOf(info.optionO1));
  m_o2Box.setCheck(checkOf(info.optionO2));
  m_o3Box.setCheck(checkOf(info.optionO3));
  m_formGroup.check(info.form == 1 ? m_firstForm : m_secondForm);
  OnRangeCheck();
  m_textBox.setCheck(0);
  UpdateTextEnabling();
  return true;
}

void CPeerSaveAsDlg::OnRangeCheck() {
  const bool ranged = m_rangeBox.check() == 1;
  for (tk::Control* control : std::initializer_list<tk::Control*>{&m_firstEdit, &m_secondEdit, &m_firstLabel,
                                                                  &m_secondLabel, &m_rangeNote})
    control->enable(ranged);
}

void CPeerSaveAsDlg::OnL2Check() {
  if (m_l2Box.check() == 0) m_l2EditBox.setCheck(0);
}

void CPeerSaveAsDlg::OnL2EditCheck() {
  if (m_l2EditBox.check() == 1) {
    orbel::RunL2ConfigRecordMode(m_l2Record, this);
    m_l2Box.setCheck(1);
  } else {
    m_l2Record.reset();
  }
}

void CPeerSaveAsDlg::OnHlsCheck() {
  if (m_hlsBox.check() == 0) m_hlsEditBox.setCheck(0);
}

// The block keeps the filter type and the values A of the confirmed display
// filter: the words a host reads from the filter data.
void CPeerSaveAsDlg::OnHlsEditCheck() {
  if (m_hlsEditBox.check() == 0) {
    ReleaseFilterData();
    return;
  }
  unsigned int length = 0;
  unsigned int displayFlag = 0;
  SapFilterManager* manager = nullptr;
  unsigned char* message = OrbelGetDisplayFilterBuffer(&length, &displayFlag, manager);
  delete manager;
  if (message != nullptr) {
    const auto values = orbel::readDisplayFilterValues(std::span<const std::uint8_t>(message, length));
    std::free(message);
    if (values) {
      ReleaseFilterData();
      if (!values->valuesA.empty()) {
        auto* data = static_cast<std::uint32_t*>(std::malloc(values->valuesA.size()));
        if (data == nullptr) throw std::bad_alloc();
        std::memcpy(data, values->valuesA.data(), values->valuesA.size());
        m_pInfo->filterData = data;
      }
      m_pInfo->filterWords = static_cast<std::uint32_t>(values->valuesA.size() / 4);
      m_pInfo->filterKind = orbel::filterKindOf(values->filterType);
      m_pInfo->displayFlag = displayFlag;
    }
  }
  m_hlsBox.setCheck(1);
}

void CPeerSaveAsDlg::ReleaseFilterData() {
  std::free(m_pInfo->filterData);
  m_pInfo->filterData = nullptr;
  m_pInfo->filterWords = 0;
}

void CPeerSaveAsDlg::OnTextCheck() {
  if (m_textPanel) {
    CloseTextPanel();
    m_textFlag = false;
  } else {
    OpenTextPanel();
  }
  m_textBox.setCheck(m_textPanel ? 1 : 0);
  UpdateTextEnabling();
}

void CPeerSaveAsDlg::OpenTextPanel() {
  m_textPanel = std::make_unique<CSaveCfgDlg>(m_textChoice, this);
  if (!m_textPanel->Create()) {
    m_textPanel.reset();
    return;
  }
  if (tk::Toolkit* toolkit = tk::installedToolkit()) toolkit->glueBelow(*m_textPanel, *this);
}

void CPeerSaveAsDlg::CloseTextPanel() {
  m_textPanel->OnOK();
  m_textChoice = m_textPanel->Choice();
  m_textPanel->DestroyWindow();
  m_textPanel.reset();
}

// The binary form's choices apply only while the text panel is closed.
void CPeerSaveAsDlg::UpdateTextEnabling() {
  const bool binary = !m_textPanel;
  for (tk::Control* control : std::initializer_list<tk::Control*>{&m_firstForm, &m_secondForm, &m_l2Box, &m_l2EditBox,
                                                                  &m_o1Box, &m_o2Box, &m_o3Box})
    control->enable(binary);
}

// The choices are gathered on a copy of the block, which takes them only
// with a usable path: a cancelled or refused file dialog leaves the block
// and the open text panel as they were.
void CPeerSaveAsDlg::OnOK() {
  SaveAsInfo chosen = *m_pInfo;
  m_textFlag = false;
  if (m_textPanel) {
    m_textPanel->OnOK();
    m_textChoice = m_textPanel->Choice();
    m_textFlag = true;
    writeTextChoice(m_textChoice, chosen);
  }
  if (m_textFlag) {
    chosen.l2Flag = chosen.l2EditFlag = 0;
    chosen.optionO2 = chosen.optionO3 = chosen.optionO1 = 0;
    chosen.form = 0;
  } else {
    chosen.textFlag = 0;
    chosen.l2Flag = flagOf(m_l2Box);
    chosen.l2EditFlag = flagOf(m_l2EditBox);
    if (chosen.l2EditFlag == 1 && m_l2Record) chosen.l2Record = *m_l2Record;
    chosen.optionO1 = flagOf(m_o1Box);
    chosen.optionO2 = flagOf(m_o2Box);
    chosen.optionO3 = flagOf(m_o3Box);
    chosen.form = m_firstForm.checked() ? 1 : 2;
  }
  chosen.rangeFlag = flagOf(m_rangeBox);
  if (chosen.rangeFlag == 1) {
    chosen.rangeFirst = numberOf(m_firstEdit);
    chosen.rangeSecond = numberOf(m_secondEdit);
  }
  chosen.hlsFilterFlag = flagOf(m_hlsBox);
  chosen.hlsFilterEditFlag = flagOf(m_hlsEditBox);

  if (!ChoosePath()) return;
  if (m_textPanel) {
    m_textPanel->DestroyWindow();
    m_textPanel.reset();
  }
  chosen.path = m_chosenPath;
  *m_pInfo = std::move(chosen);
  m_l2Record.reset();
  CDialog::OnOK();
}

bool CPeerSaveAsDlg::ChoosePath() {
  for (;;) {
    orbel::KovaFileDialog file(false, kDefaultExtension, {}, m_textFlag ? kTextFilter : kPeerFilter, this);
    file.setOptions({.hideReadOnly = true});
    if (file.DoModal() != tk::IDOK) return false;
    const std::string& path = file.GetPathName();
    if (path.size() >= kPathLimit) {
      MessageBox(getResourceStringComm(kPathTooLongString));
      return false;
    }
    if (!fileExists(path)) {
      m_chosenPath = path;
      return true;
    }
    MessageBox(getResourceStringComm(kFileExistsString));
  }
}

void CPeerSaveAsDlg::OnCancel() {
  if (m_textPanel) CloseTextPanel();
  m_l2Record.reset();
  CDialog::OnCancel();
}
