// What the timer, counter, constant and variable enquiry dialogs share: one
// module button per catalogue row, the entry list of the chosen module, the
// instance field and the builder operation. Each dialog differs only in the
// Enquiry it passes.
#pragma once

#include <vector>

#include "orbel/diag/CEditEx.h"
#include "orbel/diag/ModuleButtons.h"
#include "orbel/diag/enquiry/EnquiryCommand.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Dialog.h"
#include "toolkit/Label.h"

namespace orbel {

class CatalogueEnquiryDlg : public tk::CDialog {
 protected:
  // What choosing a module does to the instance field.
  enum class InstanceRule {
    KeptForEveryModule,   // always open, its text kept
    ResetForEveryModule,  // back to all instances, open only for the instance rows
    ResetWhenClosed,      // the instance rows keep the text, the others show all instances
  };
  // What the dialog shows when it opens.
  enum class StartUp {
    NothingChosen,           // no module until the engineer picks one
    FirstModule,             // the first module and its entries
    FirstModuleAndInstance,  // as FirstModule, then the instance text written again (a change of the field)
  };

  struct Enquiry {
    ModuleCatalogue catalogue;
    PrimitiveId primitive;
    bool takesPresetValue;             // a non-zero *len is a pre-set value and shows nothing
    std::vector<const char*> modules;  // button captions, one per catalogue row
    std::size_t modulesPerRow;         // a short last row ends in a stretch
    const char* entryCaption;
    InstanceRule instanceRule;
    std::vector<int> instanceRows;  // the rows that open the instance field
    const char* instanceTemplateText;
    bool instanceOpenInTemplate;
    StartUp startUp;
    bool okWaitsForInstance;     // OK is closed until the list is filled and the instance field changed
    const char* noInstanceText;  // shown at OK when the instance is empty
  };

  CatalogueEnquiryDlg(tk::DialogTemplate dialogTemplate, tk::CWnd* parent, Enquiry enquiry);
  ~CatalogueEnquiryDlg() override;

  // Null `len` gives null; a pre-set value (when taken) builds at once;
  // otherwise the dialog runs and, after OK, the fields give the message.
  unsigned char* buildEnquiry(unsigned int* len);
  bool OnInitDialog() override;
  void OnOK() override;
  // Refills the entry list for the chosen module and applies the instance rule.
  int showModule();
  // Every module button's handler: checks the button of `row` and shows its entries.
  void OnModuleRadio(int row);
  void OnSelchangeEntry();
  void OnChangeInstance();
  // Opens OK once the list is filled and the instance field has changed.
  bool OkIsAvailable();

 private:
  void showAllInstances();
  // The fields, with the instance text the field held at its last change
  // once it has changed; copied here rather than per keystroke so that
  // typing stays linear in the text's length.
  const EnquiryFields& fields();

  Enquiry m_enquiry;
  ModuleButtons m_moduleButtons;
  tk::Label m_entryLabel;
  tk::ComboBox m_entryList{"entry"};
  tk::Label m_instanceLabel{"label.instance", "&Instance:"};
  CEditEx m_instanceEdit;

  EnquiryFields m_fields;  // module index, entry index, instance text
  bool m_instanceFollowsEdit = false;  // the instance text is the field's text
  bool m_instanceChanged = false;
  bool m_listFilled = false;
};

}  // namespace orbel
