// Creates the adapter for a control of any kind. Each kind's adapter lives in
// its own file and is reached through the factory below.
#pragma once

#include <memory>

#include "toolkit-qt/ControlAdapter.h"

namespace tk {
class Label;
class Button;
class CheckBox;
class RadioButton;
class Edit;
class ComboBox;
class ListControl;
class TreeControl;
class TabControl;
class PropertySheet;
class ScrollPane;
}  // namespace tk

namespace tkqt {

std::unique_ptr<ControlAdapter> makeAdapter(tk::Control& control, DialogWindow& window);

std::unique_ptr<ControlAdapter> makeLabelAdapter(tk::Label& label, DialogWindow& window);
std::unique_ptr<ControlAdapter> makeButtonAdapter(tk::Button& button, DialogWindow& window);
std::unique_ptr<ControlAdapter> makeCheckBoxAdapter(tk::CheckBox& box, DialogWindow& window);
std::unique_ptr<ControlAdapter> makeRadioAdapter(tk::RadioButton& radio, DialogWindow& window);
std::unique_ptr<ControlAdapter> makeEditAdapter(tk::Edit& edit, DialogWindow& window);
std::unique_ptr<ControlAdapter> makeComboAdapter(tk::ComboBox& combo, DialogWindow& window);
std::unique_ptr<ControlAdapter> makeListAdapter(tk::ListControl& list, DialogWindow& window);
std::unique_ptr<ControlAdapter> makeTreeAdapter(tk::TreeControl& tree, DialogWindow& window);
std::unique_ptr<ControlAdapter> makeTabAdapter(tk::TabControl& tabs, DialogWindow& window);
std::unique_ptr<ControlAdapter> makeSheetAdapter(tk::PropertySheet& sheet, DialogWindow& window);
std::unique_ptr<ControlAdapter> makeScrollPaneAdapter(tk::ScrollPane& pane, DialogWindow& window);

}  // namespace tkqt
