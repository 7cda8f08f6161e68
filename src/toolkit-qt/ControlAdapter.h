// The Qt side of one control: a widget that shows the control's state and
// turns the user's input into the control's user actions, so that a click in
// Qt runs exactly the code a scripted click runs.
#pragma once

#include <QObject>
#include <QWidget>
#include <memory>

#include "toolkit/Control.h"
#include "toolkit/Script.h"

namespace tkqt {

class DialogWindow;

class ControlAdapter {
 public:
  ControlAdapter(tk::Control& control, DialogWindow& window) : control_(control), window_(window) {}
  virtual ~ControlAdapter() = default;
  ControlAdapter(const ControlAdapter&) = delete;
  ControlAdapter& operator=(const ControlAdapter&) = delete;

  virtual QWidget* widget() = 0;
  tk::Control& control() const { return control_; }

  // Cuts every connection from the widgets to this adapter. The window does
  // it first when it goes, so that no signal its teardown emits (focus out,
  // a selection model reset) reaches an adapter or a control.
  void detach() { receiver_.reset(); }

  // Brings the widget in line with the control: enabled, visible, tooltip,
  // then what the kind of control shows.
  void refresh();

 protected:
  virtual void refreshState() = 0;
  // Hands a user action to the dialog window, which applies, records and refreshes.
  void act(tk::ScriptAction action);
  tk::ScriptAction action(tk::ScriptAction::Verb verb) const;
  DialogWindow& window() const { return window_; }
  // The context of every connection the adapter makes; detach() ends them all.
  QObject* receiver() const { return receiver_.get(); }

 private:
  std::unique_ptr<QObject> receiver_ = std::make_unique<QObject>();
  tk::Control& control_;
  DialogWindow& window_;
};

}  // namespace tkqt
