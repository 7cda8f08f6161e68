#include "toolkit-qt/QtToolkit.h"

#include <QApplication>
#include <QClipboard>
#include <QDebug>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QStringList>
#include <QTimer>

#include "toolkit-qt/DialogWindow.h"

namespace tkqt {
namespace {

// "Name (*.ext)|*.ext|Other (*.o)|*.o||" as Qt writes it: "Name (*.ext);;Other (*.o)".
QString qtFilter(const std::string& filter) {
  QStringList parts = QString::fromStdString(filter).split('|', Qt::SkipEmptyParts);
  QStringList names;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& name = parts[i];
    names << (name.contains('(') ? name : name + " (" + parts[i + 1].replace(';', ' ') + ")");
  }
  return names.join(";;");
}

QMessageBox::StandardButtons buttonsOf(unsigned style) {
  switch (style & 0x0F) {
    case tk::MB_OKCANCEL: return QMessageBox::Ok | QMessageBox::Cancel;
    case tk::MB_YESNOCANCEL: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case tk::MB_YESNO: return QMessageBox::Yes | QMessageBox::No;
    default: return QMessageBox::Ok;
  }
}

QMessageBox::Icon iconOf(unsigned style) {
  switch (style & 0xF0) {
    case tk::MB_ICONERROR: return QMessageBox::Critical;
    case tk::MB_ICONQUESTION: return QMessageBox::Question;
    case tk::MB_ICONWARNING: return QMessageBox::Warning;
    case tk::MB_ICONINFORMATION: return QMessageBox::Information;
    default: return (style & 0x0F) == tk::MB_OK ? QMessageBox::Information : QMessageBox::Question;
  }
}

int answerOf(int button) {
  switch (button) {
    case QMessageBox::Ok: return tk::IDOK;
    case QMessageBox::Yes: return tk::IDYES;
    case QMessageBox::No: return tk::IDNO;
    default: return tk::IDCANCEL;
  }
}

constexpr char kProfileSeparator = '/';

}  // namespace

QtToolkit::QtToolkit(const QString& profilePath)
    : settings_(std::make_unique<QSettings>(profilePath, QSettings::IniFormat)) {
  for (const QString& key : settings_->allKeys()) {
    const qsizetype slash = key.indexOf(kProfileSeparator);
    const QString section = slash < 0 ? QStringLiteral("General") : key.left(slash);
    profile_.restore(section.toStdString(), key.mid(slash + 1).toStdString(), settings_->value(key).toString().toStdString());
  }
  profile_.onWrite = [this](const tk::ProfileStore::Key& key, const std::string& text) {
    settings_->setValue(QString::fromStdString(key.first + kProfileSeparator + key.second), QString::fromStdString(text));
    settings_->sync();
    recorder_.profileWritten(key.first, key.second);
  };
  profile_.onRead = [this](const tk::ProfileStore::Key& key, const std::string& text) {
    recorder_.profileRead(key.first, key.second, text);
  };
}

QtToolkit::~QtToolkit() = default;

QString QtToolkit::profilePath() const { return settings_->fileName(); }

QWidget* QtToolkit::ownerOf(const tk::CDialog* dialog) const {
  for (const tk::CDialog* at = dialog; at != nullptr; at = at->parent()) {
    auto found = windows_.find(at);
    if (found != windows_.end()) return found->second;
  }
  QWidget* active = QApplication::activeModalWidget();
  return active != nullptr ? active : hostWindow_;
}

int QtToolkit::runModal(tk::CDialog& dialog) {
  QWidget* owner = ownerOf(dialog.parent());
  dialog.OnInitDialog();
  if (dialog.hasEnded()) return dialog.endCode();
  DialogWindow window(dialog, *this, owner);
  windows_[&dialog] = &window;
  recorder_.dialogOpened(dialog);
  if (shown_) QTimer::singleShot(0, &window, [this, &window] { shown_(window); });
  window.exec();
  recorder_.dialogClosed(dialog);
  windows_.erase(&dialog);
  if (!dialog.hasEnded()) dialog.OnCancel();
  if (!dialog.hasEnded()) dialog.EndDialog(tk::IDCANCEL);
  return dialog.endCode();
}

bool QtToolkit::createModeless(tk::CDialog& dialog) {
  QWidget* owner = ownerOf(dialog.parent());
  dialog.OnInitDialog();
  auto window = std::make_unique<DialogWindow>(dialog, *this, owner);
  window->setModal(false);
  window->show();
  windows_[&dialog] = window.get();
  recorder_.dialogOpened(dialog);
  if (shown_) shown_(*window);
  modeless_[&dialog] = std::move(window);
  return true;
}

void QtToolkit::showModeless(tk::CDialog& dialog, bool visible) {
  auto found = modeless_.find(&dialog);
  if (found != modeless_.end()) found->second->setVisible(visible);
}

void QtToolkit::destroyModeless(tk::CDialog& dialog) {
  recorder_.dialogClosed(dialog);
  windows_.erase(&dialog);
  modeless_.erase(&dialog);
}

void QtToolkit::abandonModeless(tk::CDialog& dialog) {
  // Tearing a window down never reads its controls (see ~DialogWindow), so
  // the ordinary path is safe here; the warning names the owner's fault.
  qWarning("%s was destroyed with its modeless window open; its owner must call DestroyWindow first",
           dialog.className().c_str());
  destroyModeless(dialog);
}

int QtToolkit::messageBox(tk::CDialog* owner, const std::string& text, const std::string& caption, unsigned style) {
  int answer = tk::IDOK;
  std::optional<int> given = messageBoxHandler_ ? messageBoxHandler_(text, style) : std::nullopt;
  if (given) {
    answer = *given;
  } else {
    QString title = QString::fromStdString(!caption.empty() ? caption : owner != nullptr ? owner->title() : "Orbel");
    QMessageBox box(iconOf(style), title, QString::fromStdString(text), buttonsOf(style), ownerOf(owner));
    answer = answerOf(box.exec());
  }
  if ((style & 0x0F) != tk::MB_OK) recorder_.questionAnswer(answer);
  return answer;
}

std::optional<std::string> QtToolkit::chooseFile(const tk::FileDialogRequest& request) {
  if (fileDialogHandler_) {
    if (std::optional<std::optional<std::string>> given = fileDialogHandler_(request)) {
      recorder_.fileAnswer(*given);
      return *given;
    }
  }
  QString start = QString::fromStdString(request.folder);
  if (!request.fileName.empty()) start += '/' + QString::fromStdString(request.fileName);
  QWidget* owner = ownerOf(nullptr);
  const QString title = QString::fromStdString(request.title);
  const QString filter = qtFilter(request.filter);
  QString chosen = request.save ? QFileDialog::getSaveFileName(owner, title, start, filter)
                                : QFileDialog::getOpenFileName(owner, title, start, filter);
  std::optional<std::string> answer;
  if (!chosen.isEmpty()) answer = chosen.toStdString();
  recorder_.fileAnswer(answer);
  return answer;
}

void QtToolkit::setClipboard(const std::string& text) { QApplication::clipboard()->setText(QString::fromStdString(text)); }

void QtToolkit::notifyHost(const tk::HostNotification& notification) {
  if (notified_) notified_(notification);
}

}  // namespace tkqt
