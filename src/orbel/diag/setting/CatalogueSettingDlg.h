// What the timer and counter setting dialogs share: the entry list of the
// chosen module, the instance and new-value fields, the checks at OK and the
// builder operation. Each dialog adds its module buttons and catalogue.
#pragma once

#include <string>
#include <vector>

#include "orbel/diag/CEditEx.h"
#include "orbel/diag/setting/SettingCommand.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Dialog.h"
#include "toolkit/Label.h"

namespace orbel {

class CatalogueSettingDlg : public tk::CDialog {
 public:
  // Builds the setting message; see OrbelGetTmrSetBuffer, OrbelGetCountSetBuffer.
  unsigned char* GetDiagCmd(unsigned int* len);

 protected:
  struct Setting {
    ModuleCatalogue catalogue;
    PrimitiveId primitive;
    NumberTextBounds bounds;  // how much of each number text is read
    const char* entryCaption;
    const char* noValueText;  // shown at OK when the new value is empty
  };

  CatalogueSettingDlg(tk::DialogTemplate dialogTemplate, tk::CWnd* parent, const Setting& setting);
  ~CatalogueSettingDlg() override;

  void OnOK() override;
  // Refills the entry list for the chosen module and chooses its first entry.
  int UpdateCombox();
  void chooseModule(int row);

  void OnSelchangeDiagCmdSetEntryIdCombx();
  void OnChangeDiagCmdSetInstEdit();
  void OnChangeDiagCmdSetValueEdit();

  // The template rows of the entry list and both fields, placed after the
  // module buttons.
  std::vector<tk::LayoutNode> fieldRows();

  CEditEx m_instanceEdit{"instance"};
  SettingFields m_fields;  // module, entry, instance text, new-value text

 private:
  Setting m_setting;
  tk::Label m_entryLabel;
  tk::ComboBox m_entryList{"entry"};
  tk::Label m_instanceLabel{"label.instance", "&Instance:"};
  tk::Label m_valueLabel{"label.value", "New &value:"};
  CEditEx m_valueEdit{"value"};
};

}  // namespace orbel
