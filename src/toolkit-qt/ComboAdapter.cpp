// Drop-down lists. A choice is sent by the item's text when that text is
// unique, so recorded scripts stay readable; by index otherwise. The field of
// an editable one sends what the user types as the whole new text.
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "toolkit-qt/Adapters.h"
#include "toolkit/ComboBox.h"

namespace tkqt {
namespace {

class ComboAdapter : public ControlAdapter {
 public:
  ComboAdapter(tk::ComboBox& combo, DialogWindow& window) : ControlAdapter(combo, window), model_(combo) {
    combo_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    QObject::connect(combo_, &QComboBox::activated, receiver(), [this](int index) { chosen(index); });
  }
  QWidget* widget() override { return combo_; }

 protected:
  void refreshState() override {
    QSignalBlocker quiet(combo_);
    if (combo_->isEditable() != model_.editable()) makeEditable(model_.editable());
    const auto& items = model_.items();
    bool same = combo_->count() == model_.count();
    for (int i = 0; same && i < model_.count(); ++i)
      same = combo_->itemText(i).toStdString() == items[static_cast<std::size_t>(i)].text;
    if (!same) {
      combo_->clear();
      for (const tk::ComboBox::Item& item : items) combo_->addItem(QString::fromStdString(item.text));
    }
    combo_->setCurrentIndex(model_.curSel());
    if (model_.editable() && combo_->currentText().toStdString() != model_.editText())
      combo_->setEditText(QString::fromStdString(model_.editText()));
  }

 private:
  void makeEditable(bool on) {
    combo_->setEditable(on);
    if (!on) return;
    combo_->setInsertPolicy(QComboBox::NoInsert);  // the dialog decides what its list holds
    QObject::connect(combo_->lineEdit(), &QLineEdit::textEdited, receiver(), [this](const QString& text) {
      tk::ScriptAction edit = action(tk::ScriptAction::Verb::Set);
      edit.text = text.toStdString();
      act(std::move(edit));
    });
  }

  void chosen(int index) {
    tk::ScriptAction choice = action(tk::ScriptAction::Verb::Select);
    const std::string& text = model_.item(index).text;
    if (model_.find(text) == index)
      choice.text = text;
    else
      choice.index = index;
    act(std::move(choice));
  }

  tk::ComboBox& model_;
  QComboBox* combo_ = new QComboBox;  // owned by the dialog window once laid out
};

}  // namespace

std::unique_ptr<ControlAdapter> makeComboAdapter(tk::ComboBox& combo, DialogWindow& window) {
  return std::make_unique<ComboAdapter>(combo, window);
}

}  // namespace tkqt
