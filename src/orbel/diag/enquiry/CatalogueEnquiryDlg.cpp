#include "orbel/diag/enquiry/CatalogueEnquiryDlg.h"

#include <algorithm>
#include <stdexcept>

namespace orbel {
namespace {

constexpr char kAllInstances[] = "0xffff";

}  // namespace

CatalogueEnquiryDlg::CatalogueEnquiryDlg(tk::DialogTemplate dialogTemplate, tk::CWnd* parent, Enquiry enquiry)
    : CDialog(std::move(dialogTemplate), parent),
      m_enquiry(std::move(enquiry)),
      m_moduleButtons(m_enquiry.modules, m_enquiry.modulesPerRow, [this](int row) { OnModuleRadio(row); }),
      m_entryLabel("label.entry", m_enquiry.entryCaption),
      m_instanceEdit("instance", m_enquiry.instanceTemplateText) {
  if (m_enquiry.modules.size() != m_enquiry.catalogue.size())
    throw std::logic_error(className() + ": one module caption per catalogue row is needed");
  m_entryList.onSelChange = [this] { OnSelchangeEntry(); };
  m_instanceEdit.onChange = [this] { OnChangeInstance(); };

  m_instanceEdit.enable(m_enquiry.instanceOpenInTemplate);
  if (m_enquiry.okWaitsForInstance) okButton().enable(false);
  setLayout({
      m_moduleButtons.group(),
      tk::row({tk::item(m_entryLabel), tk::item(m_entryList)}),
      tk::row({tk::item(m_instanceLabel), tk::item(m_instanceEdit)}),
  });
}

CatalogueEnquiryDlg::~CatalogueEnquiryDlg() = default;

unsigned char* CatalogueEnquiryDlg::buildEnquiry(unsigned int* len) {
  if (len == nullptr) return nullptr;
  if (m_enquiry.takesPresetValue && *len != 0) return buildPresetEnquiry(len, m_enquiry.catalogue, m_enquiry.primitive);
  if (DoModal() != tk::IDOK) return nullptr;
  return buildFieldsEnquiry(len, m_enquiry.catalogue, m_enquiry.primitive, fields());
}

bool CatalogueEnquiryDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_fields = {};
  m_instanceFollowsEdit = false;
  if (m_enquiry.startUp != StartUp::NothingChosen) OnModuleRadio(0);
  if (m_enquiry.startUp == StartUp::FirstModuleAndInstance) m_instanceEdit.setText(fields().instanceText);
  return true;
}

void CatalogueEnquiryDlg::OnOK() {
  if (fields().instanceText.empty()) {
    MessageBox(m_enquiry.noInstanceText);
    return;
  }
  CDialog::OnOK();
}

int CatalogueEnquiryDlg::showModule() {
  showModuleEntries(m_entryList, m_enquiry.catalogue, m_fields);
  const bool open = std::ranges::find(m_enquiry.instanceRows, m_fields.moduleIndex) != m_enquiry.instanceRows.end();
  switch (m_enquiry.instanceRule) {
    case InstanceRule::KeptForEveryModule:
      break;
    case InstanceRule::ResetForEveryModule:
      m_instanceEdit.enable(open);
      showAllInstances();
      break;
    case InstanceRule::ResetWhenClosed:
      m_instanceEdit.enable(open);
      if (!open) showAllInstances();
      break;
  }
  m_listFilled = true;
  return 0;
}

void CatalogueEnquiryDlg::OnModuleRadio(int row) {
  m_moduleButtons.check(row);
  m_fields.moduleIndex = row;
  showModule();
}

void CatalogueEnquiryDlg::OnSelchangeEntry() {
  m_fields.entryIndex = m_entryList.curSel();
  if (m_enquiry.okWaitsForInstance) OkIsAvailable();
}

void CatalogueEnquiryDlg::OnChangeInstance() {
  m_instanceFollowsEdit = true;
  m_instanceChanged = true;
  if (m_enquiry.okWaitsForInstance) OkIsAvailable();
}

bool CatalogueEnquiryDlg::OkIsAvailable() {
  if (m_listFilled && m_instanceChanged) okButton().enable(true);
  return true;
}

const EnquiryFields& CatalogueEnquiryDlg::fields() {
  if (m_instanceFollowsEdit) m_fields.instanceText = m_instanceEdit.text();
  return m_fields;
}

// The field's handler makes the fields follow the text.
void CatalogueEnquiryDlg::showAllInstances() { m_instanceEdit.setText(kAllInstances); }

}  // namespace orbel
