// The QDialog that shows one dialog of the toolkit model: built from the
// dialog's template, one adapter per control. Every user action goes through
// apply(), which runs the model's user action, records it when a session is
// being recorded, and refreshes only the widgets whose control changed.
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

 private:
  QWidget* widgetOf(tk::Control& control);
  void refresh(ControlAdapter& adapter);

  tk::CDialog& dialog_;
  QtToolkit& toolkit_;
  std::unordered_map<const tk::Control*, std::unique_ptr<ControlAdapter>> adapters_;
  std::size_t refreshes_ = 0;
  std::size_t itemRefreshes_ = 0;
};

}  // namespace tkqt
