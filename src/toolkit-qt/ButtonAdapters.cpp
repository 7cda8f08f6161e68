// Labels, push buttons, check boxes and radio buttons. Qt changes a check
// box's or radio button's state itself on a click; the refresh after the
// action puts back whatever the model decided.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "toolkit-qt/Adapters.h"
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

class RadioAdapter : public ControlAdapter {
 public:
  RadioAdapter(tk::RadioButton& radio, DialogWindow& window) : ControlAdapter(radio, window), model_(radio) {
    radio_->setAutoExclusive(false);  // the model's group decides which button is checked
    QObject::connect(radio_, &QRadioButton::clicked, receiver(),
                     [this] { act(action(tk::ScriptAction::Verb::Click)); });
  }
  QWidget* widget() override { return radio_; }

 protected:
  void refreshState() override {
    radio_->setText(captionOf(control()));
    radio_->setChecked(model_.checked());
  }

 private:
  tk::RadioButton& model_;
  QRadioButton* radio_ = new QRadioButton;  // owned by the dialog window once laid out
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
