// CDialog: a dialog of the toolkit model. It owns no widgets: it registers
// its controls, holds its template (layout) and runs through the installed
// Toolkit, which draws it or drives it from a script.
//
// Window lifetime: a window never outlives the controls it draws. A modal
// window ends inside DoModal. A modeless window is ended by the dialog's
// owner with DestroyWindow before the dialog object goes: the controls are
// members of the derived class and are gone by the time ~CDialog runs. A
// dialog destroyed with its window still open is the owner's fault; ~CDialog
// then has the toolkit end the window without reading any control
// (Toolkit::abandonModeless) and report the fault, in every build.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/AnchorLayout.h"
#include "toolkit/Button.h"
#include "toolkit/Control.h"
#include "toolkit/Keys.h"
#include "toolkit/Layout.h"
#include "toolkit/Types.h"

namespace tk {

class CDialog;
using CWnd = CDialog;

// Where a dialog's template lives: the resource module that holds it, the
// dialog's class name (what scripts expect) and its title.
struct DialogTemplate {
  std::string module;
  std::string className;
  std::string title;
};

// Where a placed dialog's template puts one control.
struct ControlPlace {
  std::string id;
  Rect rect;
};

class CDialog : private ChangeSink {
 public:
  CDialog(DialogTemplate dialogTemplate, CWnd* parent);
  virtual ~CDialog();
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Runs the dialog modally through the installed toolkit. Returns the code
  // given to EndDialog, or kDialogNotCreated when no toolkit is installed or
  // the template's resource module has not joined the resource chain.
  int DoModal();
  // Modeless use: Create initialises the dialog and shows it; false without
  // a toolkit or templates. The owner ends it with DestroyWindow before it
  // destroys the dialog (see the window lifetime above).
  bool Create();
  void ShowWindow(bool visible);
  void DestroyWindow();
  bool isModelessWindow() const { return modeless_; }

  virtual bool OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  void EndDialog(int code);

  int MessageBox(const std::string& text, const std::string& caption = {}, unsigned style = MB_OK);

  // User action: `key` pressed (or released) while the dialog has the focus.
  // The dialog hears of it first (PreTranslateKey); then it takes its normal
  // course, which for the keys modelled changes no control.
  void pressKey(Key key, bool down) { PreTranslateKey(key, down); }
  // The mouse pointer the dialog asks for over its window.
  Pointer pointer() const { return pointer_; }

  const std::string& className() const { return template_.className; }
  const std::string& title() const { return template_.title; }
  CWnd* parent() const { return parent_; }
  const LayoutNode& layout() const { return layout_; }
  const std::vector<Control*>& controls() const { return controls_; }
  Control* findControl(std::string_view id) const;

  // Placed dialogs. A dialog may put its controls at rectangles of its own
  // template instead of rows and columns: every control has a place in a
  // client area of the template's size, and the controls an AnchorLayout of
  // the dialog holds follow a resize as the dialog's OnSize moves them. A
  // visual backend then draws each control at placeOf(id), hands every new
  // client size to resizeClient and keeps the window at least as large as
  // the template. The controls of a placed dialog are flat: no property
  // sheets or scroll panes.
  bool placesControls() const { return anchored_ != nullptr; }
  Rect templateClient() const { return templateClient_; }
  Rect client() const { return client_; }
  // The control's rectangle now: the anchored one, else its template place.
  std::optional<Rect> placeOf(std::string_view id) const;
  // User action: the window's client area became `width` x `height`. The
  // dialog's OnSize runs; false (and nothing runs) when the dialog is not
  // placed or the size is below the template's.
  bool resizeClient(int width, int height);
  // What a description shows of the dialog itself: a placed dialog's client size.
  std::string stateText() const;

  // State of the current modal run, read by toolkits.
  bool hasEnded() const { return ended_; }
  int endCode() const { return endCode_; }
  // Controls whose state changed since the last call, each once, in order.
  std::vector<Control*> takeChangedControls();

 protected:
  // Sets the template, called once at the end of the constructor, and
  // registers every control it places, in template order (a property sheet's
  // pages and a scroll pane's content follow their holder); the template is a
  // dialog's only declaration of its controls, so every control is placed.
  // The OK and Cancel buttons are registered after the dialog's own controls
  // and form the template's last row. A control placed twice, or two controls
  // with one id, throw std::logic_error.
  void setLayout(std::vector<LayoutNode> rows);
  // The same where scripts and descriptions list the controls in another
  // order than the template shows them: `order` names every placed control
  // once, and std::logic_error is thrown when it names any other.
  void setLayout(std::vector<LayoutNode> rows, std::vector<Control*> order);
  // Makes the dialog placed (see above); called after setLayout. `places`
  // names every control once; `anchored` is the dialog's own layout, which
  // its OnSize applies. A control without a place, or a place naming no
  // control, throws std::logic_error.
  void setPlacement(Rect templateClient, std::vector<ControlPlace> places, const AnchorLayout& anchored);
  // The client area became `width` x `height` (never below the template's).
  virtual void OnSize(int width, int height) {
    (void)width;
    (void)height;
  }
  virtual void PreTranslateKey(Key key, bool down) {
    (void)key;
    (void)down;
  }
  void setPointer(Pointer pointer) { pointer_ = pointer; }
  Button& okButton() { return ok_; }
  Button& cancelButton() { return cancel_; }

 private:
  void controlChanged(Control& control) override;
  void registerControl(Control& control);

  DialogTemplate template_;
  CWnd* parent_;
  Button ok_{"ok", "OK"};
  Button cancel_{"cancel", "Cancel"};
  std::vector<Control*> controls_;
  std::vector<Control*> changedControls_;
  LayoutNode layout_;
  std::vector<ControlPlace> places_;
  const AnchorLayout* anchored_ = nullptr;
  Rect templateClient_;
  Rect client_;
  Pointer pointer_ = Pointer::Arrow;
  bool modeless_ = false;
  bool ended_ = false;
  int endCode_ = 0;
};

}  // namespace tk
