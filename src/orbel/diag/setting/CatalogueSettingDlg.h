// What the timer and counter setting dialogs share: one module button per
// catalogue row, the entry list of the chosen module, the instance and
// new-value fields, the checks at OK and the builder operation. Each dialog
// differs only in the Setting it passes.
#pragma once

#include <string>
#include <vector>

#include "orbel/diag/CEditEx.h"
#include "orbel/diag/ModuleButtons.h"
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
    std::vector<const char*> modules;  // button captions, one per catalogue row
    std::size_t modulesPerRow;
    const char* entryCaption;
    const char* noValueText;        // shown at OK when the new value is empty
    const char* instanceStartText;  // written into the instance field at start-up; null leaves it as it is
  };

  CatalogueSettingDlg(tk::DialogTemplate dialogTemplate, tk::CWnd* parent, const Setting& setting);
  ~CatalogueSettingDlg() override;

  // The first module with all its fields empty.
  bool OnInitDialog() override;
  void OnOK() override;
  // Refills the entry list for the chosen module and chooses its first entry.
  int UpdateCombox();
  void chooseModule(int row);

  void OnSelchangeDiagCmdSetEntryIdCombx();
  void OnChangeDiagCmdSetInstEdit();
  void OnChangeDiagCmdSetValueEdit();

  CEditEx m_instanceEdit{"instance"};
  SettingFields m_fields;  // module, entry, instance text, new-value text

 private:
  // The fields, with each text the field held at its last change once it
  // has changed; copied here rather than per keystroke so that typing stays
  // linear in the text's length.
  const SettingFields& fields();

  bool m_instanceFollowsEdit = false;  // the instance text is the field's text
  bool m_valueFollowsEdit = false;     // the new-value text is the field's text
  Setting m_setting;
  ModuleButtons m_moduleButtons;
  tk::Label m_entryLabel;
  tk::ComboBox m_entryList{"entry"};
  tk::Label m_instanceLabel{"label.instance", "&Instance:"};
  tk::Label m_valueLabel{"label.value", "New &value:"};
  CEditEx m_valueEdit{"value"};
};

}  // namespace orbel
