// Lock-cell dialog: the engineer locks the terminal to a TD-SCDMA cell
// (cell parameter id) or a GSM cell (BSIC) on a frequency, or chooses one of
// the modes without a cell. The host decides which modes are offered.
#pragma once

#include <array>
#include <cstdint>

#include "orbel/catalogue/LockCellModes.h"
#include "toolkit/Dialog.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"
#include "toolkit/RadioButton.h"

class CDiagCmdLockCellDlg : public tk::CDialog {
 public:
  // `offerModeThree` offers mode 3 and selects it; otherwise
  // `selectLockingMode` selects a locking mode, mode 1 on the TD-SCDMA side
  // (`tdScdmaSide`) or mode 5 on the GSM side; `showExtraCaption` shows the
  // extra caption.
  CDiagCmdLockCellDlg(bool offerModeThree, bool selectLockingMode, bool tdScdmaSide, bool showExtraCaption,
                      tk::CWnd* parent = nullptr);
  ~CDiagCmdLockCellDlg() override;

  // The values shown when the dialog opens: bit 0 of `presetFlags` shows
  // `cellId` (0xFF as "-"), bit 1 shows `frequency`.
  void SetPreset(unsigned long presetFlags, unsigned char cellId, unsigned short frequency);

  // Builds the lock-cell message; see OrbelGetLockCellBuffer.
  unsigned char* GetDiagCmd(unsigned int* len);

 protected:
  bool OnInitDialog() override;
  void OnOK() override;

  void OnLockCellMode0Radio();
  void OnLockCellMode1Radio();
  void OnLockCellMode2Radio();
  void OnLockCellMode3Radio();
  void OnLockCellMode4Radio();
  void OnLockCellMode5Radio();
  void OnLockCellMode6Radio();

 private:
  void chooseMode(std::uint8_t mode);
  void showModeFields();
  bool readFrequency();
  bool readCell();

  tk::RadioGroup m_modeGroup;
  tk::RadioButton m_mode0Radio{"mode.0", orbel::kLockCellModes[0].caption, m_modeGroup};
  tk::RadioButton m_mode1Radio{"mode.1", orbel::kLockCellModes[1].caption, m_modeGroup};
  tk::RadioButton m_mode2Radio{"mode.2", orbel::kLockCellModes[2].caption, m_modeGroup};
  tk::RadioButton m_mode3Radio{"mode.3", orbel::kLockCellModes[3].caption, m_modeGroup};
  tk::RadioButton m_mode4Radio{"mode.4", orbel::kLockCellModes[4].caption, m_modeGroup};
  tk::RadioButton m_mode5Radio{"mode.5", orbel::kLockCellModes[5].caption, m_modeGroup};
  tk::RadioButton m_mode6Radio{"mode.6", orbel::kLockCellModes[6].caption, m_modeGroup};
  tk::Label m_cellLabel{"label.cell", "Cell Param ID:"};
  tk::Edit m_cellEdit{"cell"};
  tk::Label m_frequencyLabel{"label.frequency", "&Frequency:"};
  tk::Edit m_frequencyEdit{"frequency"};
  tk::Label m_extraLabel{"label.extra", ""};

  unsigned long m_presetFlags = 0;
  std::uint8_t m_presetCell = 0;
  std::uint16_t m_presetFrequency = 0;
  bool m_offerModeThree;
  bool m_selectLockingMode;
  bool m_tdScdmaSide;
  bool m_showExtraCaption;
  std::uint8_t m_mode = 4;
  std::uint8_t m_cell = 0;  // 0xFF: any cell
  std::uint16_t m_frequency = 0;
};
