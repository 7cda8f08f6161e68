// Layer-1 info report configuration dialog: the engineer picks one of three
// commands to the physical layer (one number; a mask of eight report kinds;
// two small numbers, a 16-bit number and a hexadecimal byte list) and fills
// its fields. OK checks them and prepares the payload.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "toolkit/CheckBox.h"
#include "toolkit/Dialog.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"
#include "toolkit/RadioButton.h"

class CL1ConfigDlg : public tk::CDialog {
 public:
  explicit CL1ConfigDlg(tk::CWnd* parent = nullptr);
  ~CL1ConfigDlg() override;

  // Builds the configuration command; see GetL1infoReportCfg.
  unsigned char* GetDiagCmd(unsigned int* len);

 protected:
  void OnOK() override;

  void OnL1ConfigNumberRadio();
  void OnL1ConfigMaskRadio();
  void OnL1ConfigBytesRadio();

 private:
  bool prepareNumberPayload();
  void prepareMaskPayload();
  bool prepareBytesPayload();

  tk::RadioGroup m_commandGroup;
  tk::RadioButton m_numberRadio{"command.number", "Command 12136: &number", m_commandGroup};
  tk::Label m_numberLabel{"label.number", "N&umber:"};
  tk::Edit m_numberEdit{"number", "20"};
  tk::RadioButton m_maskRadio{"command.mask", "Command 12138: report &mask", m_commandGroup};
  std::array<tk::CheckBox, 8> m_reportChecks{{{"report.1", "Report &1"},
                                              {"report.2", "Report &2"},
                                              {"report.3", "Report &3"},
                                              {"report.4", "Report &4"},
                                              {"report.5", "Report &5"},
                                              {"report.6", "Report &6"},
                                              {"report.7", "Report &7"},
                                              {"report.8", "Report &8"}}};
  tk::RadioButton m_bytesRadio{"command.bytes", "Command 12147: &byte list", m_commandGroup};
  tk::Label m_firstLabel{"label.first", "&First byte:"};
  tk::Edit m_firstEdit{"first"};
  tk::Label m_secondLabel{"label.second", "&Second byte:"};
  tk::Edit m_secondEdit{"second"};
  tk::Label m_valueLabel{"label.value", "16-bit &value:"};
  tk::Edit m_valueEdit{"value"};
  tk::Label m_bytesLabel{"label.bytes", "&Hex bytes:"};
  tk::Edit m_bytesEdit{"bytes"};

  std::uint32_t m_command = 0;  // the chosen PrimitiveId, 0 for none
  std::vector<std::uint8_t> m_payload;
};
