// Disable request dialog: the engineer chooses a protocol task of the
// terminal and how it is to be disabled.
#pragma once

#include <cstdint>

#include "toolkit/Dialog.h"
#include "toolkit/RadioButton.h"

class CDiagCmdDisableDlg : public tk::CDialog {
 public:
  explicit CDiagCmdDisableDlg(tk::CWnd* parent = nullptr);
  ~CDiagCmdDisableDlg() override;

  // Builds the disable request; see DiagCmdDisableReqBuffer.
  unsigned char* GetDiagCmd(unsigned int* len);

 protected:
  void OnDisableTask0Radio();
  void OnDisableTask1Radio();
  void OnDisableTask2Radio();
  void OnDisableTask5Radio();
  void OnDisableTask6Radio();
  void OnDisableTask4Radio();
  void OnDisableTask8Radio();
  void OnDisableTask10Radio();
  void OnDisableTask11Radio();
  void OnDisableKind0Radio();
  void OnDisableKind1Radio();
  void OnDisableKind2Radio();

 private:
  // Ids and captions name the task byte each button sends.
  tk::RadioGroup m_taskGroup;
  tk::RadioButton m_task0Radio{"task.0", "Task &0", m_taskGroup};
  tk::RadioButton m_task1Radio{"task.1", "Task &1 (MAC, RLC)", m_taskGroup};
  tk::RadioButton m_task2Radio{"task.2", "Task &2 (RRC)", m_taskGroup};
  tk::RadioButton m_task5Radio{"task.5", "Task &5 (MM, GMM)", m_taskGroup};
  tk::RadioButton m_task6Radio{"task.6", "Task &6 (CC, SS, SM, GSMS)", m_taskGroup};
  tk::RadioButton m_task4Radio{"task.4", "Task &4 (PDH)", m_taskGroup};
  tk::RadioButton m_task8Radio{"task.8", "Task &8", m_taskGroup};
  tk::RadioButton m_task10Radio{"task.10", "Task 10", m_taskGroup};
  tk::RadioButton m_task11Radio{"task.11", "Task 11", m_taskGroup};
  tk::RadioGroup m_kindGroup;
  tk::RadioButton m_kind0Radio{"kind.0", "Kind 0", m_kindGroup};
  tk::RadioButton m_kind1Radio{"kind.1", "Kind 1", m_kindGroup};
  tk::RadioButton m_kind2Radio{"kind.2", "Kind 2", m_kindGroup};

  std::uint8_t m_task = 0;
  std::uint8_t m_kind = 0;
};
