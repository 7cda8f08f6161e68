#include "orbel/diag/cell/IgnoreBarred.h"

#include "orbel/builders/ExportGuard.h"
#include "orbel/builders/ModuleLifetime.h"

IgnoreBarred::IgnoreBarred(int enable, unsigned char type, tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("IgnoreBarred", "Barred Cells"), parent), enableButtons(enable), currentType(type) {
  m_normalRadio.onClicked = [this] { OnTypeSelect(); };
  m_ignoreRadio.onClicked = [this] { OnTypeSelect(); };
  m_queryButton.onClicked = [this] { OnIgnoreBarredQuery(); };
  m_setButton.onClicked = [this] { OnIgnoreBarredSet(); };

  // Query and Set close the dialog; there is no plain OK.
  okButton().show(false);
  // Scripts and descriptions list Query before Set.
  setLayout({tk::row({tk::item(m_currentLabel), tk::item(m_current), tk::stretch()}),
             tk::row({tk::group("Type", {tk::item(m_normalRadio), tk::item(m_ignoreRadio)}),
                      tk::column({tk::item(m_setButton), tk::item(m_queryButton), tk::stretch()})})},
            {&m_currentLabel, &m_current, &m_normalRadio, &m_ignoreRadio, &m_queryButton, &m_setButton});
}

IgnoreBarred::~IgnoreBarred() = default;

const char* IgnoreBarred::GetBarredType(unsigned char type) {
  switch (type) {
    case kNormal: return "Normal";
    case kIgnoreBarred: return "Ignore Barred";
    case kQueryType: return "Query type";
    default: return "unknown";
  }
}

bool IgnoreBarred::OnInitDialog() {
  CDialog::OnInitDialog();
  const bool ready = orbel::guardExport(false, [&] {
    const bool enabled = enableButtons != 0;
    m_normalRadio.enable(enabled);
    m_ignoreRadio.enable(enabled);
    m_queryButton.enable(enabled);
    m_setButton.enable(false);
    m_current.setCaption(GetBarredType(currentType));
    return true;
  });
  if (!ready) EndDialog(tk::IDCANCEL);  // the host sees a cancelled dialog
  return ready;
}

void IgnoreBarred::OnIgnoreBarredQuery() {
  currentType = kQueryType;
  EndDialog(tk::IDOK);
}

void IgnoreBarred::OnIgnoreBarredSet() {
  currentType = m_ignoreRadio.checked() ? kIgnoreBarred : kNormal;
  EndDialog(tk::IDOK);
}

void IgnoreBarred::OnTypeSelect() { m_setButton.enable(true); }
