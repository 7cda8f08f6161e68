// Edit fields. Qt has already changed the text when it tells us; the change
// becomes the model's user action: characters added at the end are typed
// (through the field's filter), one character removed at the end is a
// backspace, one character typed or deleted anywhere else (over a selection
// or not) is an insertion at the caret (through the filter), and anything
// else replaces the whole text as a paste does. The refresh then shows the
// text the model kept.
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
    line_->setPlaceholderText(QString::fromStdString(edit.cue()));
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
    // The changed stretch: what `now` holds between the text both keep at the start and at the end.
    std::size_t head = 0;
    while (head < before.size() && head < now.size() && before[head] == now[head]) ++head;
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < now.size() - head &&
           before[before.size() - 1 - tail] == now[now.size() - 1 - tail])
      ++tail;
    const std::size_t removed = before.size() - head - tail;
    const std::string added = now.substr(head, now.size() - head - tail);
    if (removed == 0 && added.empty()) return;

    tk::ScriptAction edit = action(tk::ScriptAction::Verb::Set);
    if (removed == 0 && head == before.size()) {
      edit.verb = tk::ScriptAction::Verb::Type;
      edit.text = added;
    } else if (added.empty() && removed == 1 && head + 1 == before.size()) {
      edit.verb = tk::ScriptAction::Verb::Type;
      edit.text = std::string(1, tk::Edit::kBackspace);
    } else if (added.size() == 1 || (added.empty() && removed > 0)) {
      edit.verb = tk::ScriptAction::Verb::Insert;
      edit.text = added;
      edit.index = static_cast<int>(head);
      edit.state = static_cast<int>(removed);
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
