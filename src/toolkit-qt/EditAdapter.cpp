// Edit fields. Qt has already changed the text when it tells us; the change
// becomes the model's user action: characters added at the end are typed
// (through the field's filter), one character removed at the end is a
// backspace, anything else replaces the whole text as a paste does. The
// refresh then shows the text the model kept.
#include <QLineEdit>

#include "toolkit-qt/Adapters.h"
#include "toolkit/Edit.h"

namespace tkqt {
namespace {

class EditAdapter : public ControlAdapter {
 public:
  EditAdapter(tk::Edit& edit, DialogWindow& window) : ControlAdapter(edit, window), model_(edit) {
    // Room for a typical value (a path, a byte list) without scrolling.
    line_->setMinimumWidth(line_->fontMetrics().averageCharWidth() * 36);
    QObject::connect(line_, &QLineEdit::textEdited, receiver(),
                     [this](const QString& text) { userEdited(text.toStdString()); });
  }
  QWidget* widget() override { return line_; }

 protected:
  void refreshState() override {
    const QString text = QString::fromStdString(model_.text());
    if (line_->text() == text) return;
    const int cursor = line_->cursorPosition();
    line_->setText(text);
    line_->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
  }

 private:
  void userEdited(const std::string& now) {
    const std::string& before = model_.text();
    tk::ScriptAction edit = action(tk::ScriptAction::Verb::Set);
    if (now.size() > before.size() && now.compare(0, before.size(), before) == 0) {
      edit.verb = tk::ScriptAction::Verb::Type;
      edit.text = now.substr(before.size());
    } else if (now.size() + 1 == before.size() && before.compare(0, now.size(), now) == 0) {
      edit.verb = tk::ScriptAction::Verb::Type;
      edit.text = std::string(1, tk::Edit::kBackspace);
    } else {
      edit.text = now;
    }
    act(std::move(edit));
  }

  tk::Edit& model_;
  QLineEdit* line_ = new QLineEdit;  // owned by the dialog window once laid out
};

}  // namespace

std::unique_ptr<ControlAdapter> makeEditAdapter(tk::Edit& edit, DialogWindow& window) {
  return std::make_unique<EditAdapter>(edit, window);
}

}  // namespace tkqt
