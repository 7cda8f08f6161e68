#include "orbel/config/CSaveAmrVpDlg.h"

#include "orbel/builders/ModuleLifetime.h"
#include "orbel/diag/NumberText.h"
#include "orbel/ui/KovaFileDialog.h"

namespace {

constexpr char kFileExtension[] = "AmrVp";
constexpr char kFileFilter[] = "AMR VP file (*.AmrVp)|*.AmrVp||";

// A signed whole number; any other text reads as 0.
std::int32_t numberOf(const tk::Edit& edit) { return orbel::parseDecimalInteger(edit.text()).value_or(0); }

}  // namespace

CSaveAmrVpDlg::CSaveAmrVpDlg(SaveAmrVpParam* param, tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CSaveAmrVpDlg", "Save AMR Voice Path"), parent), m_param(param) {
  m_rangeCheck.onClicked = [this] { OnRangeCheck(); };
  m_rangeCheck.setTooltip("Save only the frames from the first to the second number");
  m_firstEdit.enable(false);
  m_secondEdit.enable(false);

  setLayout({
      tk::group("Items to save",
                {tk::row({tk::column({tk::item(m_itemChecks[0]), tk::item(m_itemChecks[1]), tk::item(m_itemChecks[2]),
                                      tk::item(m_itemChecks[3]), tk::item(m_itemChecks[4])}),
                          tk::column({tk::item(m_itemChecks[5]), tk::item(m_itemChecks[6]), tk::item(m_itemChecks[7]),
                                      tk::item(m_itemChecks[8]), tk::stretch()})})}),
      tk::group("Range",
                {tk::item(m_rangeCheck), tk::row({tk::item(m_firstLabel), tk::item(m_firstEdit),
                                                  tk::item(m_secondLabel), tk::item(m_secondEdit), tk::stretch()})}),
  });
}

CSaveAmrVpDlg::~CSaveAmrVpDlg() = default;

void CSaveAmrVpDlg::OnRangeCheck() {
  const bool ranged = m_rangeCheck.check() == 1;
  m_firstEdit.enable(ranged);
  m_secondEdit.enable(ranged);
}

void CSaveAmrVpDlg::OnOK() {
  orbel::KovaFileDialog file(false, kFileExtension, {}, kFileFilter, this);
  if (file.DoModal() != tk::IDOK) return;
  m_param->path = file.GetPathName();
  if (m_rangeCheck.check() == 1) {
    m_param->rangeFlag = 1;
    m_param->firstNumber = numberOf(m_firstEdit);
    m_param->secondNumber = numberOf(m_secondEdit);
  } else {
    m_param->rangeFlag = 0;
  }
  for (std::size_t i = 0; i < kItemCount; ++i) m_param->itemFlags[i] = m_itemChecks[i].check() == 1 ? 1 : 0;
  CDialog::OnOK();
}
