// Measurement report interval dialog: the engineer types the interval at
// which the terminal reports its measurements.
#pragma once

#include <cstdint>

#include "toolkit/Dialog.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"

class CDiagMeasIntervalDlg : public tk::CDialog {
 public:
  explicit CDiagMeasIntervalDlg(tk::CWnd* parent = nullptr);
  ~CDiagMeasIntervalDlg() override;

  // Builds the interval message; see GetMeasReportInterval.
  unsigned char* GetDiagCmd(unsigned int* len);

 protected:
  void OnOK() override;

 private:
  tk::Label m_intervalLabel{"label.interval", "&Interval:"};
  tk::Edit m_intervalEdit{"interval", "0"};

  std::uint8_t m_interval = 0;
};
