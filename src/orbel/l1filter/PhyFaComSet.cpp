#include "orbel/l1filter/PhyFaComSet.h"

#include <cstdlib>

#include "orbel/builders/ExportGuard.h"
#include "orbel/builders/ModuleLifetime.h"
#include "orbel/l1filter/L1CommandFrame.h"

PhyFaComSet::PhyFaComSet(tk::CWnd* parent) : CDialog(orbel::dialogTemplate("PhyFaComSet", "Port Setting"), parent) {
  m_optionCheck.setTooltip("Ticked: the port setting's first body word is 0; unticked: 1.");
  setLayout({tk::row({tk::item(m_optionCheck), tk::stretch()})});
}

PhyFaComSet::~PhyFaComSet() { std::free(m_pFrame); }

bool PhyFaComSet::OnInitDialog() {
  CDialog::OnInitDialog();
  const bool ready = orbel::guardExport(false, [&] {
    m_optionCheck.setCheck(1);
    return true;
  });
  if (!ready) EndDialog(tk::IDCANCEL);  // the host sees a cancelled dialog
  return ready;
}

void PhyFaComSet::OnOK() {
  orbel::guardExport([&] {
    orbel::CommandBuffer frame = orbel::buildPortSettingFrame(m_optionCheck.check() == 1);
    if (!frame) {
      MessageBox("alloc msg fail");
      return;
    }
    orbel::keepFrame(m_pFrame, std::move(frame));
    CDialog::OnOK();
  });
}
