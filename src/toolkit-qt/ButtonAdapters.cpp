// Labels, push buttons, check boxes and radio buttons. Qt changes a check
// box's or radio button's state itself on a click; the refresh after the
// action puts back whatever the model decided. A radio group is one Tab stop
// (its checked button, else its first available one) and the arrow keys
// choose the next or previous available button of the group, as in native
// dialogs.
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "toolkit-qt/Adapters.h"
#include "toolkit-qt/DialogWindow.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Label.h"
#include "toolkit/RadioButton.h"

namespace tkqt {
namespace {

QString captionOf(const tk::Control& control) { return QString::fromStdString(control.caption()); }

class LabelAdapter : public ControlAdapter {
 public:
  LabelAdapter(tk::Label& label, DialogWindow& window) : ControlAdapter(label, window) {}
  QWidget* widget() override { return label_; }

 protected:
  void refreshState() override { label_->setText(captionOf(control())); }

 private:
  QLabel* label_ = new QLabel;  // owned by the dialog window once laid out
};

class ButtonAdapter : public ControlAdapter {
 public:
  ButtonAdapter(tk::Button& button, DialogWindow& window) : ControlAdapter(button, window) {
    button_->setAutoDefault(false);
    QObject::connect(button_, &QPushButton::clicked, receiver(),
                     [this] { act(action(tk::ScriptAction::Verb::Click)); });
  }
  QWidget* widget() override { return button_; }

 protected:
  void refreshState() override { button_->setText(captionOf(control())); }

 private:
  QPushButton* button_ = new QPushButton;  // owned by the dialog window once laid out
};

class CheckBoxAdapter : public ControlAdapter {
 public:
  CheckBoxAdapter(tk::CheckBox& box, DialogWindow& window) : ControlAdapter(box, window), model_(box) {
    box_->setTristate(box.threeState());
    QObject::connect(box_, &QCheckBox::clicked, receiver(), [this] { act(action(tk::ScriptAction::Verb::Click)); });
  }
  QWidget* widget() override { return box_; }

 protected:
  void refreshState() override {
    box_->setText(captionOf(control()));
    static constexpr Qt::CheckState kStates[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    box_->setCheckState(kStates[model_.check()]);
  }

 private:
  tk::CheckBox& model_;
  QCheckBox* box_ = new QCheckBox;  // owned by the dialog window once laid out
};

// A radio button that hands the arrow keys to its adapter.
class GroupRadioButton : public QRadioButton {
 public:
  std::function<bool(int step)> onArrow;  // true when the key moved the choice

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const int key = event->key();
    const bool forward = key == Qt::Key_Down || key == Qt::Key_Right;
    const int step = forward ? 1 : key == Qt::Key_Up || key == Qt::Key_Left ? -1 : 0;
    if (step != 0 && onArrow && onArrow(step)) return;
    QRadioButton::keyPressEvent(event);
  }
};

bool available(const tk::Control& control) { return control.enabled() && control.visible(); }

class RadioAdapter : public ControlAdapter {
 public:
  RadioAdapter(tk::RadioButton& radio, DialogWindow& window) : ControlAdapter(radio, window), model_(radio) {
    radio_->setAutoExclusive(false);  // the model's group decides which button is checked
    QObject::connect(radio_, &QRadioButton::clicked, receiver(),
                     [this] { act(action(tk::ScriptAction::Verb::Click)); });
    radio_->onArrow = [this, alive = QPointer<QObject>(receiver())](int step) { return alive && chooseNext(step); };
  }
  QWidget* widget() override { return radio_; }

 protected:
  void refreshState() override {
    radio_->setText(captionOf(control()));
    radio_->setChecked(model_.checked());
    placeTabStop();
  }

 private:
  // Only the group's checked button, or its first available one when none
  // is checked, takes focus from the Tab key.
  void placeTabStop() {
    const std::vector<tk::RadioButton*>& members = model_.group().members();
    const tk::RadioButton* stop = nullptr;
    for (const tk::RadioButton* member : members)
      if (available(*member) && (member->checked() || stop == nullptr)) stop = member;
    for (const tk::RadioButton* member : members)
      if (QWidget* shown = window().widgetFor(member->id()))
        shown->setFocusPolicy(member == stop ? Qt::StrongFocus : Qt::ClickFocus);
  }

  // Focuses and clicks the next available button `step` away in the group, wrapping around.
  bool chooseNext(int step) {
    const std::vector<tk::RadioButton*>& members = model_.group().members();
    const auto count = static_cast<int>(members.size());
    int at = 0;
    while (at < count && members[at] != &model_) ++at;
    for (int moved = 1; moved < count; ++moved) {
      const tk::RadioButton* next = members[((at + step * moved) % count + count) % count];
      auto* button = qobject_cast<QRadioButton*>(window().widgetFor(next->id()));
      if (!available(*next) || button == nullptr) continue;
      button->setFocus(Qt::TabFocusReason);
      button->click();
      return true;
    }
    return false;
  }

  tk::RadioButton& model_;
  GroupRadioButton* radio_ = new GroupRadioButton;  // owned by the dialog window once laid out
};

}  // namespace

std::unique_ptr<ControlAdapter> makeLabelAdapter(tk::Label& label, DialogWindow& window) {
  return std::make_unique<LabelAdapter>(label, window);
}
std::unique_ptr<ControlAdapter> makeButtonAdapter(tk::Button& button, DialogWindow& window) {
  return std::make_unique<ButtonAdapter>(button, window);
}
std::unique_ptr<ControlAdapter> makeCheckBoxAdapter(tk::CheckBox& box, DialogWindow& window) {
  return std::make_unique<CheckBoxAdapter>(box, window);
}
std::unique_ptr<ControlAdapter> makeRadioAdapter(tk::RadioButton& radio, DialogWindow& window) {
  return std::make_unique<RadioAdapter>(radio, window);
}

}  // namespace tkqt
