#include "toolkit-qt/ControlAdapter.h"

#include "toolkit-qt/DialogWindow.h"

namespace tkqt {

void ControlAdapter::refresh() {
  QWidget* shown = widget();
  shown->setEnabled(control_.enabled());
  if (shown->isVisibleTo(shown->parentWidget()) != control_.visible()) shown->setVisible(control_.visible());
  shown->setToolTip(QString::fromStdString(control_.tooltip()));
  refreshState();
}

void ControlAdapter::act(tk::ScriptAction action) { window_.apply(std::move(action), this); }

tk::ScriptAction ControlAdapter::action(tk::ScriptAction::Verb verb) const {
  tk::ScriptAction made;
  made.verb = verb;
  made.control = control_.id();
  return made;
}

}  // namespace tkqt
