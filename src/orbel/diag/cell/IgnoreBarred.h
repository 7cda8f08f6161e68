// The barred-cell treatment dialog: the host shows its current type and the
// engineer either queries the terminal's type or sets "Normal" or "Ignore
// Barred". It builds no message; the host reads `currentType` after OK.
#pragma once

#include "orbel/Export.h"
#include "toolkit/Button.h"
#include "toolkit/Dialog.h"
#include "toolkit/Label.h"
#include "toolkit/RadioButton.h"

class ORBEL_EXPORT IgnoreBarred : public tk::CDialog {
 public:
  // Barred types.
  static constexpr unsigned char kNormal = 0;
  static constexpr unsigned char kIgnoreBarred = 1;
  static constexpr unsigned char kQueryType = 2;

  // `enableButtons` zero leaves only Cancel usable.
  IgnoreBarred(int enableButtons, unsigned char currentType, tk::CWnd* parent = nullptr);
  ~IgnoreBarred() override;

  // "Normal", "Ignore Barred", "Query type", or "unknown" for other values.
  static const char* GetBarredType(unsigned char type);

  int enableButtons;
  // The type shown when the dialog opens; after OK, the type chosen.
  unsigned char currentType;

 protected:
  void OnIgnoreBarredQuery();
  void OnIgnoreBarredSet();
  void OnTypeSelect();

 private:
  bool OnInitDialog() override;

  tk::RadioGroup m_typeGroup;
  tk::RadioButton m_normalRadio{"type.normal", "&Normal", m_typeGroup};
  tk::RadioButton m_ignoreRadio{"type.ignore", "&Ignore Barred", m_typeGroup};
  tk::Label m_currentLabel{"label.current", "Current type:"};
  tk::Label m_current{"current", ""};
  tk::Button m_queryButton{"query", "&Query"};
  tk::Button m_setButton{"set", "&Set"};
};
