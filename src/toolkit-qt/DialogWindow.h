// The QDialog that shows one dialog of the toolkit model: built from the
// dialog's template, one adapter per control. Every user action goes through
// apply(), which runs the model's user action, records it when a session is
// being recorded, and refreshes only the widgets whose control changed. The
// Shift key reaches the dialog model as a key action, and the window shows
// the mouse pointer the model asks for. A placed dialog's widgets stand at the
// rectangles the model gives them: each resize of the window is a resize
// action on the dialog, and the widgets then move to their new places.
#pragma once

#include <QDialog>
#include <cstddef>
#include <memory>
#include <string_view>
#include <unordered_map>

#include "toolkit-qt/ControlAdapter.h"
#include "toolkit/Dialog.h"

namespace tkqt {

class QtToolkit;

class DialogWindow : public QDialog {
 public:
  DialogWindow(tk::CDialog& dialog, QtToolkit& toolkit, QWidget* parent);
  ~DialogWindow() override;

  tk::CDialog& dialog() const { return dialog_; }
  QWidget* widgetFor(std::string_view id) const;

  void apply(tk::ScriptAction action, ControlAdapter* source);
  // Refreshes the widgets of the controls that changed and ends the window
  // when the dialog has ended; tells whether `watched` was among them.
  bool sync(const ControlAdapter* watched = nullptr);

  QLayout* buildLayout(const tk::LayoutNode& node);

  // Escape and the window's close button end the dialog as its Cancel does.
  void reject() override;

  // How many control and item refreshes ran since the window was built.
  std::size_t refreshCount() const { return refreshes_; }
  std::size_t itemRefreshCount() const { return itemRefreshes_; }
  void countItemRefresh() { ++itemRefreshes_; }

 protected:
  void accept() override {}
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // Sees the key and mouse events of every widget of the window before the
  // widget does, as a dialog's own key handling would.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* widgetOf(tk::Control& control);
  // A placed dialog: every control's widget a child of the window, at its place.
  void placeWidgets();
  void moveWidgets();
  // After a resize of the dialog: the window at its client size, the widgets at their places.
  void showClientSize();
  void refresh(ControlAdapter& adapter);
  // Tells the model of a change of the Shift key, once per change.
  void followShift(bool down);
  void showPointer();

  tk::CDialog& dialog_;
  QtToolkit& toolkit_;
  std::unordered_map<const tk::Control*, std::unique_ptr<ControlAdapter>> adapters_;
  bool shiftDown_ = false;
  tk::Pointer shownPointer_ = tk::Pointer::Arrow;
  std::size_t refreshes_ = 0;
  std::size_t itemRefreshes_ = 0;
};

}  // namespace tkqt
