// Physical-layer parameter request dialog: the engineer chooses which item
// of physical-layer information the terminal is to report, and a number
// from 0 to 6 that goes with it.
#pragma once

#include <cstdint>

#include "toolkit/Dialog.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"
#include "toolkit/RadioButton.h"

class CDiagCmdPhyInfoReqDlg : public tk::CDialog {
 public:
  explicit CDiagCmdPhyInfoReqDlg(tk::CWnd* parent = nullptr);
  ~CDiagCmdPhyInfoReqDlg() override;

  // Builds the request; see OrbelGetPhyParamInfoReqBuffer.
  unsigned char* GetDiagCmd(unsigned int* len);

 protected:
  bool OnInitDialog() override;

  void OnPhyInfoItem0Radio();
  void OnPhyInfoItem1Radio();
  void OnPhyInfoItem2Radio();
  void OnChangePhyInfoNumberEdit();

 private:
  tk::RadioGroup m_itemGroup;
  tk::RadioButton m_item0Radio{"item.0", "Item &0", m_itemGroup};
  tk::RadioButton m_item1Radio{"item.1", "Item &1", m_itemGroup};
  tk::RadioButton m_item2Radio{"item.2", "Item &2", m_itemGroup};
  tk::Label m_numberLabel{"label.number", "&Number (0-6):"};
  tk::Edit m_numberEdit{"number", "0"};

  std::uint8_t m_item = 0;
  std::uint8_t m_number = 0;
};
