#include "orbel/l1filter/PhyFaComSet.h"

#include <cstdlib>

#include "orbel/builders/ModuleLifetime.h"
#include "orbel/l1filter/L1CommandFrame.h"

PhyFaComSet::PhyFaComSet(tk::CWnd* parent) : CDialog(orbel::dialogTemplate("PhyFaComSet", "Port Setting"), parent) {
  setLayout({tk::row({tk::item(m_optionCheck), tk::stretch()})});
}

PhyFaComSet::~PhyFaComSet() { std::free(m_pFrame); }

bool PhyFaComSet::OnInitDialog() {
  CDialog::OnInitDialog();
  m_optionCheck.setCheck(1);
  return true;
}

void PhyFaComSet::OnOK() {
  orbel::CommandBuffer frame = orbel::buildPortSettingFrame(m_optionCheck.check() == 1);
  if (!frame) {
    MessageBox("alloc msg fail");
    return;
  }
  orbel::keepFrame(m_pFrame, std::move(frame));
  CDialog::OnOK();
}
