#include "toolkit/Dialog.h"

#include <algorithm>
#include <utility>

#include "toolkit/ResourceChain.h"
#include "toolkit/Toolkit.h"

namespace tk {

CDialog::CDialog(DialogTemplate dialogTemplate, CWnd* parent) : template_(std::move(dialogTemplate)), parent_(parent) {
  ok_.onClicked = [this] { OnOK(); };
  cancel_.onClicked = [this] { OnCancel(); };
}

CDialog::~CDialog() {
  // The derived part and its controls are already gone: only a window its
  // owner forgot to end is left, and it goes without reading them.
  if (!modeless_) return;
  modeless_ = false;
  if (Toolkit* toolkit = installedToolkit()) toolkit->abandonModeless(*this);
}

int CDialog::DoModal() {
  Toolkit* toolkit = installedToolkit();
  if (toolkit == nullptr || !resourceChainHolds(template_.module)) return kDialogNotCreated;
  ended_ = false;
  endCode_ = 0;
  changedControls_.clear();
  int code = toolkit->runModal(*this);
  return ended_ ? code : IDCANCEL;
}

bool CDialog::Create() {
  Toolkit* toolkit = installedToolkit();
  if (modeless_) return true;
  if (toolkit == nullptr || !resourceChainHolds(template_.module)) return false;
  ended_ = false;
  modeless_ = toolkit->createModeless(*this);
  return modeless_;
}

void CDialog::ShowWindow(bool visible) {
  if (Toolkit* toolkit = installedToolkit(); modeless_ && toolkit != nullptr) toolkit->showModeless(*this, visible);
}

void CDialog::DestroyWindow() {
  if (!modeless_) return;
  modeless_ = false;
  if (Toolkit* toolkit = installedToolkit()) toolkit->destroyModeless(*this);
}

bool CDialog::OnInitDialog() { return true; }

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int code) {
  ended_ = true;
  endCode_ = code;
}

int CDialog::MessageBox(const std::string& text, const std::string& caption, unsigned style) {
  Toolkit* toolkit = installedToolkit();
  return toolkit == nullptr ? IDCANCEL : toolkit->messageBox(this, text, caption, style);
}

Control* CDialog::findControl(std::string_view id) const {
  auto found = std::find_if(controls_.begin(), controls_.end(), [&](Control* c) { return c->id() == id; });
  return found == controls_.end() ? nullptr : *found;
}

std::vector<Control*> CDialog::takeChangedControls() {
  std::vector<Control*> changed = std::move(changedControls_);
  changedControls_.clear();
  return changed;
}

void CDialog::addControl(Control& control) {
  controls_.push_back(&control);
  control.watch(this);
}

void CDialog::setLayout(std::vector<LayoutNode> rows) {
  addControl(ok_);
  addControl(cancel_);
  rows.push_back(row({stretch(), item(ok_), item(cancel_)}));
  layout_ = column(std::move(rows));
}

void CDialog::controlChanged(Control& control) {
  // A control changes a handful of times per action; a linear look at the
  // short pending list keeps it unique without a set.
  if (std::find(changedControls_.begin(), changedControls_.end(), &control) == changedControls_.end())
    changedControls_.push_back(&control);
}

}  // namespace tk
