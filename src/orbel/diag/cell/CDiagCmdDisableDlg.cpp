#include "orbel/diag/cell/CDiagCmdDisableDlg.h"

#include <array>

#include "orbel/builders/ModuleLifetime.h"
#include "orbel/wire/DiagMessage.h"

CDiagCmdDisableDlg::CDiagCmdDisableDlg(tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CDiagCmdDisableDlg", "Disable Request"), parent) {
  m_task0Radio.onClicked = [this] { OnDisableTask0Radio(); };
  m_task1Radio.onClicked = [this] { OnDisableTask1Radio(); };
  m_task2Radio.onClicked = [this] { OnDisableTask2Radio(); };
  m_task5Radio.onClicked = [this] { OnDisableTask5Radio(); };
  m_task6Radio.onClicked = [this] { OnDisableTask6Radio(); };
  m_task4Radio.onClicked = [this] { OnDisableTask4Radio(); };
  m_task8Radio.onClicked = [this] { OnDisableTask8Radio(); };
  m_task10Radio.onClicked = [this] { OnDisableTask10Radio(); };
  m_task11Radio.onClicked = [this] { OnDisableTask11Radio(); };
  m_kind0Radio.onClicked = [this] { OnDisableKind0Radio(); };
  m_kind1Radio.onClicked = [this] { OnDisableKind1Radio(); };
  m_kind2Radio.onClicked = [this] { OnDisableKind2Radio(); };

  setLayout({
      tk::row({tk::group("Task", {tk::item(m_task0Radio), tk::item(m_task1Radio), tk::item(m_task2Radio),
                                  tk::item(m_task5Radio), tk::item(m_task6Radio), tk::item(m_task4Radio),
                                  tk::item(m_task8Radio), tk::item(m_task10Radio), tk::item(m_task11Radio)}),
               tk::group("Disable kind", {tk::item(m_kind0Radio), tk::item(m_kind1Radio), tk::item(m_kind2Radio),
                                          tk::stretch()})}),
  });
}

CDiagCmdDisableDlg::~CDiagCmdDisableDlg() = default;

// No button is checked when the dialog opens: task 0 and kind 0 are sent
// unless the engineer picks others.
unsigned char* CDiagCmdDisableDlg::GetDiagCmd(unsigned int* len) {
  if (len == nullptr || DoModal() != tk::IDOK) return nullptr;
  const std::array<std::uint8_t, 1> payload{m_kind};
  return orbel::frameMessage({m_task, 0}, orbel::MessageGroup::ProtocolStack, orbel::PrimitiveId::DisableRequest,
                             payload)
      .handOver(len);
}

void CDiagCmdDisableDlg::OnDisableTask0Radio() { m_task = 0; }
void CDiagCmdDisableDlg::OnDisableTask1Radio() { m_task = 1; }
void CDiagCmdDisableDlg::OnDisableTask2Radio() { m_task = 2; }
void CDiagCmdDisableDlg::OnDisableTask5Radio() { m_task = 5; }
void CDiagCmdDisableDlg::OnDisableTask6Radio() { m_task = 6; }
void CDiagCmdDisableDlg::OnDisableTask4Radio() { m_task = 4; }
void CDiagCmdDisableDlg::OnDisableTask8Radio() { m_task = 8; }
void CDiagCmdDisableDlg::OnDisableTask10Radio() { m_task = 10; }
void CDiagCmdDisableDlg::OnDisableTask11Radio() { m_task = 11; }
void CDiagCmdDisableDlg::OnDisableKind0Radio() { m_kind = 0; }
void CDiagCmdDisableDlg::OnDisableKind1Radio() { m_kind = 1; }
void CDiagCmdDisableDlg::OnDisableKind2Radio() { m_kind = 2; }
