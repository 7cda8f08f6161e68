#include "toolkit-qt/QtToolkit.h"

#include <QApplication>
#include <QClipboard>
#include <QDebug>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <algorithm>

#include "toolkit-qt/DialogWindow.h"
#include "toolkit/IniFile.h"

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

// The caller's options as Qt's file dialog takes them, at a size where the
// name, size and date columns are readable.
void configureFileDialog(QFileDialog& dialog, const tk::FileDialogRequest& request) {
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.save || request.options.promptCreate ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.options.promptOverwrite);
  if (request.options.hideReadOnly) dialog.setFilter(dialog.filter() | QDir::Writable);
  if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));
  dialog.resize(std::max(dialog.sizeHint().width(), 760), std::max(dialog.sizeHint().height(), 480));
}

// Whether the options let the chosen file through, asking the user where
// they say so; a refused file sends the user back to the dialog.
bool acceptsChosenFile(QFileDialog& dialog, const tk::FileDialogOptions& options, const QString& chosen) {
  const QFileInfo file(chosen);
  if (options.refuseReadOnly && file.exists() && !file.isWritable()) {
    QMessageBox::warning(&dialog, dialog.windowTitle(),
                         chosen + "\nThis file is read-only.\nChoose another name or change the file's attributes.");
    return false;
  }
  if (options.promptCreate && dialog.acceptMode() == QFileDialog::AcceptOpen && !file.exists())
    return QMessageBox::question(&dialog, dialog.windowTitle(),
                                 chosen + "\nThis file does not exist.\nDo you want to create it?") == QMessageBox::Yes;
  return true;
}

// Moves a panel window below the window it watches whenever that one moves
// or changes size; a child of the panel, so it ends with it.
class GlueBelow final : public QObject {
 public:
  GlueBelow(QWidget& panel, QWidget& anchor) : QObject(&panel), panel_(panel), anchor_(anchor) {
    anchor.installEventFilter(this);
    place();
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &anchor_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) place();
    return false;
  }

 private:
  void place() {
    const QRect anchor = anchor_.frameGeometry();
    panel_.move(anchor.left(), anchor.bottom() + 1);
  }

  QWidget& panel_;
  QWidget& anchor_;
};

}  // namespace

QtToolkit::QtToolkit(const QString& profilePath)
    : profilePath_(QFileInfo(profilePath).absoluteFilePath().toStdString()) {
  profileError_ = tk::loadIniFile(profilePath_, profile_);
  profile_.onWrite = [this](const tk::ProfileStore::Key& key, const std::string&) {
    saveProfile();
    recorder_.profileWritten(key.first, key.second);
  };
  profile_.onRead = [this](const tk::ProfileStore::Key& key, const std::string& text) {
    recorder_.profileRead(key.first, key.second, text);
  };
}

QtToolkit::~QtToolkit() = default;

QString QtToolkit::profilePath() const { return QString::fromStdString(profilePath_); }

void QtToolkit::saveProfile() {
  if (!profileError_.empty()) return;  // saving would drop what could not be read
  const std::string error = tk::saveIniFile(profilePath_, profile_);
  if (!error.empty())
    messageBox(nullptr, "The profile could not be saved: " + error, "Orbel", tk::MB_OK | tk::MB_ICONERROR);
}

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

void QtToolkit::glueBelow(tk::CDialog& panel, tk::CDialog& anchor) {
  const auto panelWindow = windows_.find(&panel);
  const auto anchorWindow = windows_.find(&anchor);
  if (panelWindow == windows_.end() || anchorWindow == windows_.end()) return;
  new GlueBelow(*panelWindow->second, *anchorWindow->second);  // owned by the panel's window
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
  QFileDialog dialog(ownerOf(nullptr), QString::fromStdString(request.title), QString::fromStdString(request.folder),
                     qtFilter(request.filter));
  configureFileDialog(dialog, request);
  std::optional<std::string> answer;
  while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    const QString chosen = dialog.selectedFiles().front();
    if (!acceptsChosenFile(dialog, request.options, chosen)) continue;
    answer = chosen.toStdString();
    break;
  }
  recorder_.fileAnswer(answer);
  return answer;
}

void QtToolkit::setClipboard(const std::string& text) { QApplication::clipboard()->setText(QString::fromStdString(text)); }

void QtToolkit::notifyHost(const tk::HostNotification& notification) {
  if (notified_) notified_(notification);
}

}  // namespace tkqt
