#include "orbel/primitive/CSaveCfgDlg.h"

#include "host/FeatureManager.h"
#include "orbel/builders/ModuleLifetime.h"

namespace {

// While on, the second text form is offered alone with X, Y, Z: the content
// boxes of the first form and their select-all box are hidden.
constexpr int kSecondFormOnlyFeature = 124;

std::uint32_t flagOf(const tk::CheckBox& box) { return box.check() == 1 ? 1 : 0; }

}  // namespace

CSaveCfgDlg::CSaveCfgDlg(const SaveTextChoice& choice, tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CSaveCfgDlg", "Save as Text"), parent), m_choice(choice) {
  m_choice.x = m_choice.y = m_choice.z = 0;
  m_all.onClicked = [this] { OnSelectAll(); };
  m_firstForm.onClicked = [this] { OnForm(1); };
  m_secondForm.onClicked = [this] { OnForm(0); };
  for (tk::CheckBox* box : alternatives()) box->onClicked = [this] { UpdateEnabling(); };
  okButton().show(false);  // the peer save-as dialog confirms and closes the panel
  cancelButton().show(false);

  setLayout({tk::row({tk::group("Full text", {tk::item(m_firstForm), tk::item(m_all), tk::item(m_content[0]),
                                              tk::item(m_content[1]), tk::item(m_content[2]), tk::item(m_content[3]),
                                              tk::item(m_content[4]), tk::item(m_content[5]),
                                              tk::item(m_content[6]), tk::item(m_content[7])}),
                      tk::column({tk::group("Summary text", {tk::item(m_secondForm), tk::item(m_second[0]),
                                                             tk::item(m_second[1]), tk::item(m_second[2])}),
                                  tk::group("Alternatives", {tk::item(m_x), tk::item(m_y), tk::item(m_z)}),
                                  tk::stretch()})})});
}

CSaveCfgDlg::~CSaveCfgDlg() = default;

bool CSaveCfgDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  for (std::size_t i = 0; i < m_content.size(); ++i) m_content[i].setCheck(m_choice.content[i] != 0 ? 1 : 0);
  for (std::size_t i = 0; i < m_second.size(); ++i) m_second[i].setCheck(m_choice.second[i] != 0 ? 1 : 0);
  m_formGroup.check(m_choice.form == 1 ? m_firstForm : m_secondForm);
  if (FeatureManager::Instance().GetFeature(kSecondFormOnlyFeature)) {
    m_secondForm.enable(false);
    m_all.show(false);
    for (tk::CheckBox& box : m_content) box.show(false);
  }
  UpdateEnabling();
  return true;
}

void CSaveCfgDlg::OnSelectAll() {
  for (tk::CheckBox& box : m_content) box.setCheck(m_all.check());
}

void CSaveCfgDlg::OnForm(std::uint32_t form) {
  m_choice.form = form;
  UpdateEnabling();
}

// The first form's boxes and X, Y, Z serve the first form, the second form's
// boxes the second; a checked alternative disables every other box it
// replaces.
void CSaveCfgDlg::UpdateEnabling() {
  const bool firstForm = m_choice.form == 1;
  tk::CheckBox* chosen = nullptr;
  for (tk::CheckBox* box : alternatives())
    if (box->check() == 1) chosen = box;
  m_all.enable(firstForm && chosen == nullptr);
  for (tk::CheckBox& box : m_content) box.enable(firstForm && chosen == nullptr);
  for (tk::CheckBox* box : alternatives()) box->enable(firstForm && (chosen == nullptr || chosen == box));
  for (tk::CheckBox& box : m_second) box.enable(!firstForm);
}

void CSaveCfgDlg::OnOK() {
  for (std::size_t i = 0; i < m_content.size(); ++i) m_choice.content[i] = flagOf(m_content[i]);
  for (std::size_t i = 0; i < m_second.size(); ++i) m_choice.second[i] = flagOf(m_second[i]);
  m_choice.form = m_firstForm.checked() ? 1 : 0;
  m_choice.x = flagOf(m_x);
  m_choice.y = flagOf(m_y);
  m_choice.z = flagOf(m_z);
  if (m_choice.x != 0 || m_choice.y != 0 || m_choice.z != 0) {
    m_choice.content.fill(0);
    m_choice.second.fill(0);
  }
}
