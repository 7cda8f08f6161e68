#include "toolkit-qt/Adapters.h"

#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"
#include "toolkit/ListControl.h"
#include "toolkit/PropertySheet.h"
#include "toolkit/RadioButton.h"
#include "toolkit/ScrollPane.h"
#include "toolkit/TabControl.h"
#include "toolkit/TreeControl.h"

namespace tkqt {

std::unique_ptr<ControlAdapter> makeAdapter(tk::Control& control, DialogWindow& window) {
  using tk::ControlKind;
  switch (control.kind()) {
    case ControlKind::Label: return makeLabelAdapter(static_cast<tk::Label&>(control), window);
    case ControlKind::Button: return makeButtonAdapter(static_cast<tk::Button&>(control), window);
    case ControlKind::CheckBox: return makeCheckBoxAdapter(static_cast<tk::CheckBox&>(control), window);
    case ControlKind::RadioButton: return makeRadioAdapter(static_cast<tk::RadioButton&>(control), window);
    case ControlKind::Edit: return makeEditAdapter(static_cast<tk::Edit&>(control), window);
    case ControlKind::ComboBox: return makeComboAdapter(static_cast<tk::ComboBox&>(control), window);
    case ControlKind::List: return makeListAdapter(static_cast<tk::ListControl&>(control), window);
    case ControlKind::Tree:
    case ControlKind::TreeList: return makeTreeAdapter(static_cast<tk::TreeControl&>(control), window);
    case ControlKind::Tab: return makeTabAdapter(static_cast<tk::TabControl&>(control), window);
    case ControlKind::PropertySheet: return makeSheetAdapter(static_cast<tk::PropertySheet&>(control), window);
    case ControlKind::ScrollPane: return makeScrollPaneAdapter(static_cast<tk::ScrollPane&>(control), window);
  }
  return nullptr;
}

}  // namespace tkqt
