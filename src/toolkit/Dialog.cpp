#include "toolkit/Dialog.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "toolkit/PropertySheet.h"
#include "toolkit/ResourceChain.h"
#include "toolkit/ScrollPane.h"
#include "toolkit/Toolkit.h"

namespace tk {
namespace {

// Appends the controls `node` places, in template order; a property sheet's
// pages and a scroll pane's content follow their holder.
void collectPlaced(const LayoutNode& node, std::vector<Control*>& placed) {
  if (node.kind == LayoutNode::Kind::Control) {
    placed.push_back(node.control);
    if (const auto* sheet = dynamic_cast<const PropertySheet*>(node.control))
      for (const PropertySheet::Page& page : sheet->pages()) collectPlaced(page.content, placed);
    if (const auto* pane = dynamic_cast<const ScrollPane*>(node.control)) collectPlaced(pane->content(), placed);
  }
  for (const LayoutNode& child : node.children) collectPlaced(child, placed);
}

}  // namespace

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
  client_ = templateClient_;
  int code = toolkit->runModal(*this);
  return ended_ ? code : IDCANCEL;
}

bool CDialog::Create() {
  Toolkit* toolkit = installedToolkit();
  if (modeless_) return true;
  if (toolkit == nullptr || !resourceChainHolds(template_.module)) return false;
  ended_ = false;
  client_ = templateClient_;
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

void CDialog::setLayout(std::vector<LayoutNode> rows) {
  std::vector<Control*> placed;
  for (const LayoutNode& node : rows) collectPlaced(node, placed);
  setLayout(std::move(rows), std::move(placed));
}

void CDialog::setLayout(std::vector<LayoutNode> rows, std::vector<Control*> order) {
  std::vector<Control*> placed;
  for (const LayoutNode& node : rows) collectPlaced(node, placed);
  std::ranges::sort(placed);
  if (auto twice = std::ranges::adjacent_find(placed); twice != placed.end())
    throw std::logic_error(className() + ": the control \"" + (*twice)->id() + "\" is placed twice");
  std::vector<Control*> ordered = order;
  std::ranges::sort(ordered);
  if (ordered != placed)
    throw std::logic_error(className() + ": the control order names other controls than the template places");
  for (Control* control : order) registerControl(*control);
  registerControl(ok_);
  registerControl(cancel_);
  rows.push_back(row({stretch(), item(ok_), item(cancel_)}));
  layout_ = column(std::move(rows));
}

void CDialog::setPlacement(Rect templateClient, std::vector<ControlPlace> places, const AnchorLayout& anchored) {
  for (const ControlPlace& place : places)
    if (findControl(place.id) == nullptr)
      throw std::logic_error(className() + ": a place names no control \"" + place.id + '"');
  for (const Control* control : controls_)
    if (std::ranges::count(places, control->id(), &ControlPlace::id) != 1)
      throw std::logic_error(className() + ": the control \"" + control->id() + "\" needs exactly one place");
  places_ = std::move(places);
  anchored_ = &anchored;
  templateClient_ = templateClient;
  client_ = templateClient;
}

std::optional<Rect> CDialog::placeOf(std::string_view id) const {
  if (anchored_ == nullptr) return std::nullopt;
  if (const Rect* rect = anchored_->rectOf(std::string(id))) return *rect;
  auto found = std::ranges::find(places_, id, &ControlPlace::id);
  return found == places_.end() ? std::nullopt : std::optional<Rect>(found->rect);
}

bool CDialog::resizeClient(int width, int height) {
  if (anchored_ == nullptr || width < templateClient_.width() || height < templateClient_.height()) return false;
  client_ = {0, 0, width, height};
  OnSize(width, height);
  return true;
}

std::string CDialog::stateText() const {
  if (anchored_ == nullptr) return {};
  return "client " + std::to_string(client_.width()) + " x " + std::to_string(client_.height());
}

void CDialog::registerControl(Control& control) {
  if (findControl(control.id()) != nullptr)
    throw std::logic_error(className() + ": two controls have the id \"" + control.id() + "\"");
  controls_.push_back(&control);
  control.watch(this);
}

void CDialog::controlChanged(Control& control) {
  // A control changes a handful of times per action; a linear look at the
  // short pending list keeps it unique without a set.
  if (std::find(changedControls_.begin(), changedControls_.end(), &control) == changedControls_.end())
    changedControls_.push_back(&control);
}

}  // namespace tk
