#include "toolkit-qt/DialogWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>

#include "toolkit-qt/Adapters.h"
#include "toolkit-qt/QtToolkit.h"
#include "toolkit/ActionApplier.h"

namespace tkqt {
namespace {

bool isLabelledRow(const tk::LayoutNode& node) {
  return node.kind == tk::LayoutNode::Kind::Row && node.children.size() == 2 &&
         node.children[0].kind == tk::LayoutNode::Kind::Control &&
         node.children[0].control->kind() == tk::ControlKind::Label &&
         node.children[1].kind == tk::LayoutNode::Kind::Control;
}

bool holdsItemViews(const tk::LayoutNode& node) {
  if (node.kind == tk::LayoutNode::Kind::Control) {
    const tk::ControlKind kind = node.control->kind();
    return kind == tk::ControlKind::List || kind == tk::ControlKind::Tree || kind == tk::ControlKind::TreeList ||
           kind == tk::ControlKind::PropertySheet || kind == tk::ControlKind::ScrollPane;
  }
  for (const tk::LayoutNode& child : node.children)
    if (holdsItemViews(child)) return true;
  return false;
}

}  // namespace

DialogWindow::DialogWindow(tk::CDialog& dialog, QtToolkit& toolkit, QWidget* parent)
    : QDialog(parent), dialog_(dialog), toolkit_(toolkit) {
  setWindowTitle(QString::fromStdString(dialog.title()));
  if (dialog.placesControls())
    placeWidgets();
  else
    setLayout(buildLayout(dialog.layout()));
  for (auto& [control, adapter] : adapters_) adapter->refresh();
  dialog.takeChangedControls();
  if (auto* ok = qobject_cast<QPushButton*>(widgetFor("ok"))) ok->setDefault(true);
  if (dialog.placesControls()) {
    // Below the template's size the places would cut controls off.
    const tk::Rect least = dialog.templateClient();
    const tk::Rect client = dialog.client();
    setSizeGripEnabled(true);
    setMinimumSize(least.width(), least.height());
    resize(client.width(), client.height());
  } else if (holdsItemViews(dialog.layout())) {
    setSizeGripEnabled(true);
    resize(std::max(sizeHint().width(), 560), std::max(sizeHint().height(), 420));
  } else {
    adjustSize();
  }
  qApp->installEventFilter(this);
}

DialogWindow::~DialogWindow() {
  // Nothing the teardown does may read a control: a modeless window can be
  // abandoned after its controls are gone. The widgets belong to the window
  // and go with it after this; first every widget signal is cut from the
  // adapters, then the adapters take their item models along, and the views
  // fall back to an empty model that reads nothing.
  for (auto& [control, adapter] : adapters_) adapter->detach();
  adapters_.clear();
}

QWidget* DialogWindow::widgetFor(std::string_view id) const {
  tk::Control* control = dialog_.findControl(id);
  auto found = control == nullptr ? adapters_.end() : adapters_.find(control);
  return found == adapters_.end() ? nullptr : found->second->widget();
}

void DialogWindow::apply(tk::ScriptAction action, ControlAdapter* source) {
  if (dialog_.hasEnded()) return;
  const std::string error = tk::applyAction(dialog_, action);
  if (error.empty()) toolkit_.recordAction(dialog_, action);
  if (error.empty() && action.verb == tk::ScriptAction::Verb::Resize && action.control == tk::kDialogTarget)
    showClientSize();
  const bool sourceRefreshed = sync(source);
  // The widget may show what the model refused (a filtered character, a
  // state Qt changed by itself); put the model's state back.
  if (source != nullptr && !sourceRefreshed && !dialog_.hasEnded()) refresh(*source);
}

bool DialogWindow::sync(const ControlAdapter* watched) {
  bool watchedRefreshed = false;
  for (tk::Control* control : dialog_.takeChangedControls()) {
    auto found = adapters_.find(control);
    if (found == adapters_.end()) continue;
    refresh(*found->second);
    watchedRefreshed = watchedRefreshed || found->second.get() == watched;
  }
  showPointer();
  if (dialog_.hasEnded()) {
    if (dialog_.isModelessWindow())
      hide();
    else
      done(dialog_.endCode());
  }
  return watchedRefreshed;
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::MouseButtonPress) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget->window() != this) return false;
  if (type == QEvent::MouseButtonPress) {
    // A click carries the modifiers held: Shift may have been pressed while
    // another window had the focus, or released there.
    followShift((static_cast<QMouseEvent*>(event)->modifiers() & Qt::ShiftModifier) != 0);
  } else if (auto* key = static_cast<QKeyEvent*>(event); key->key() == Qt::Key_Shift && !key->isAutoRepeat()) {
    followShift(type == QEvent::KeyPress);
  }
  return false;  // the widget still gets the event
}

void DialogWindow::followShift(bool down) {
  if (down == shiftDown_) return;
  shiftDown_ = down;
  tk::ScriptAction key;
  key.verb = down ? tk::ScriptAction::Verb::KeyDown : tk::ScriptAction::Verb::KeyUp;
  key.text = tk::keyName(tk::Key::Shift);
  apply(key, nullptr);
}

void DialogWindow::showPointer() {
  if (dialog_.pointer() == shownPointer_) return;
  shownPointer_ = dialog_.pointer();
  if (shownPointer_ == tk::Pointer::SizeAll)
    setCursor(Qt::SizeAllCursor);
  else
    unsetCursor();
}

void DialogWindow::refresh(ControlAdapter& adapter) {
  ++refreshes_;
  adapter.refresh();
}

QWidget* DialogWindow::widgetOf(tk::Control& control) {
  auto found = adapters_.find(&control);
  if (found != adapters_.end()) return found->second->widget();
  std::unique_ptr<ControlAdapter> adapter = makeAdapter(control, *this);
  QWidget* widget = adapter->widget();
  adapters_.emplace(&control, std::move(adapter));
  return widget;
}

void DialogWindow::placeWidgets() {
  for (tk::Control* control : dialog_.controls()) {
    QWidget* widget = widgetOf(*control);
    widget->setParent(this);
    widget->setMinimumSize(0, 0);  // the template's rectangle is the widget's size, not what an adapter wished
  }
  moveWidgets();
}

void DialogWindow::moveWidgets() {
  for (tk::Control* control : dialog_.controls())
    if (const std::optional<tk::Rect> place = dialog_.placeOf(control->id()))
      widgetOf(*control)->setGeometry(place->left, place->top, place->width(), place->height());
}

void DialogWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  const tk::Rect client = dialog_.client();
  if (!dialog_.placesControls() || event->size() == QSize(client.width(), client.height())) return;
  // The same action a script's resize is, so that a recording replays it.
  tk::ScriptAction resize;
  resize.verb = tk::ScriptAction::Verb::Resize;
  resize.control = tk::kDialogTarget;
  resize.width = event->size().width();
  resize.index = event->size().height();
  apply(std::move(resize), nullptr);
}

void DialogWindow::showClientSize() {
  const tk::Rect client = dialog_.client();
  if (size() != QSize(client.width(), client.height())) resize(client.width(), client.height());
  moveWidgets();
}

QLayout* DialogWindow::buildLayout(const tk::LayoutNode& node) {
  using Kind = tk::LayoutNode::Kind;
  if (node.kind == Kind::Control || node.kind == Kind::Stretch) {
    auto* single = new QVBoxLayout;
    if (node.kind == Kind::Control)
      single->addWidget(widgetOf(*node.control));
    else
      single->addStretch();
    return single;
  }
  QBoxLayout* box = node.kind == Kind::Row ? static_cast<QBoxLayout*>(new QHBoxLayout) : new QVBoxLayout;
  QFormLayout* form = nullptr;  // consecutive "label, control" rows line up as a form
  for (std::size_t i = 0; i < node.children.size(); ++i) {
    const tk::LayoutNode& child = node.children[i];
    if (node.kind != Kind::Row && isLabelledRow(child)) {
      if (form == nullptr) {
        form = new QFormLayout;
        box->addLayout(form);
      }
      auto* label = static_cast<QLabel*>(widgetOf(*child.children[0].control));
      QWidget* field = widgetOf(*child.children[1].control);
      label->setBuddy(field);
      form->addRow(label, field);
      continue;
    }
    form = nullptr;
    switch (child.kind) {
      case Kind::Control: {
        QWidget* widget = widgetOf(*child.control);
        // In a row, fields take the room their labels and buttons leave.
        const bool field = child.control->kind() == tk::ControlKind::Edit || child.control->kind() == tk::ControlKind::ComboBox;
        box->addWidget(widget, holdsItemViews(child) || (field && node.kind == Kind::Row) ? 1 : 0);
        const bool fieldFollows = i + 1 < node.children.size() && node.children[i + 1].kind == Kind::Control;
        if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && fieldFollows)
          label->setBuddy(widgetOf(*node.children[i + 1].control));
        break;
      }
      case Kind::Stretch: box->addStretch(); break;
      case Kind::Group: {
        // A group without a caption is a plain frame: no empty title gap.
        QWidget* frame = nullptr;
        if (child.caption.empty()) {
          auto* plain = new QFrame;
          plain->setFrameShape(QFrame::StyledPanel);
          frame = plain;
        } else {
          frame = new QGroupBox(QString::fromStdString(child.caption));
        }
        tk::LayoutNode inner{Kind::Column, nullptr, {}, child.children};
        frame->setLayout(buildLayout(inner));
        box->addWidget(frame, holdsItemViews(child) ? 1 : 0);
        break;
      }
      case Kind::Row:
      case Kind::Column: box->addLayout(buildLayout(child), holdsItemViews(child) ? 1 : 0); break;
    }
  }
  return box;
}

void DialogWindow::reject() {
  // Escape and the window's close button end the dialog as its Cancel does.
  if (dialog_.hasEnded()) return QDialog::reject();
  tk::Control* cancel = dialog_.findControl("cancel");
  if (cancel != nullptr && cancel->acceptsUserAction()) {
    tk::ScriptAction click;
    click.verb = tk::ScriptAction::Verb::Click;
    click.control = "cancel";
    apply(click, nullptr);
  } else {
    dialog_.OnCancel();
    sync(nullptr);
  }
}

void DialogWindow::closeEvent(QCloseEvent* event) {
  if (!dialog_.hasEnded()) reject();
  if (dialog_.hasEnded())
    event->accept();
  else
    event->ignore();
}

}  // namespace tkqt
