#include "MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <span>

#include "HostObjectsPanel.h"
#include "HostSettings.h"
#include "HostSettingsDialog.h"
#include "PrimitivePicker.h"
#include "TraceView.h"
#include "decode/FormatDecoder.h"
#include "host/FeatureManager.h"
#include "host/SignalNames.h"
#include "orbel/wire/HexText.h"
#include "runner/FilterHost.h"
#include "script/ScriptJson.h"
#include "toolkit-qt/QtToolkit.h"
#include "toolkit/AtomicFile.h"
#include "toolkit/FileRead.h"

namespace orbel::host {
namespace {

constexpr const char* kGroups[] = {"commands", "filters", "scenarios", "configuration", "trace tools"};

QString text(std::string_view view) { return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size())); }

constexpr std::size_t kDumpBytesPerLine = 16;

// The hex dump, 16 bytes a line, each line led by the offset of its first byte.
QString hexDump(std::span<const std::uint8_t> bytes) {
  QString dump;
  for (std::size_t at = 0; at < bytes.size(); at += kDumpBytesPerLine) {
    const auto line = bytes.subspan(at, std::min(kDumpBytesPerLine, bytes.size() - at));
    dump += QString("%1  %2\n").arg(at, 4, 16, QChar('0')).arg(QString::fromStdString(toHex(line)));
  }
  return dump;
}

// "N bytes", the hex dump and every field the decoder names.
QString describeBytes(std::span<const std::uint8_t> bytes) {
  QString report = QString("%1 bytes\n%2\n").arg(bytes.size()).arg(hexDump(bytes));
  if (std::optional<DecodedMessage> decoded = decodeAny(bytes))
    report += QString::fromStdString(formatDecoded(*decoded, bytes));
  return report;
}

QString describeReturned(const runner::Returned& returned) {
  if (const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&returned)) return "returned " + describeBytes(*bytes);
  if (const auto* number = std::get_if<std::int64_t>(&returned)) return QString("returned %1\n").arg(*number);
  if (const auto* flag = std::get_if<bool>(&returned)) return QString("returned %1\n").arg(*flag ? "true" : "false");
  return "returned null\n";
}

}  // namespace

MainWindow::MainWindow(tkqt::QtToolkit& toolkit) : toolkit_(toolkit) {
  setWindowTitle("Orbel host");
  exports_ = new QTreeWidget;
  exports_->setHeaderLabels({"Export", "What it does"});
  for (const char* group : kGroups) {
    auto* top = new QTreeWidgetItem(exports_, {QString(group)});
    top->setFlags(Qt::ItemIsEnabled);
    for (const runner::ExportInfo& info : runner::exportTable())
      if (info.group == group) {
        auto* row = new QTreeWidgetItem(top, {text(info.name), text(info.summary)});
        row->setToolTip(1, text(info.summary));  // the column cuts long descriptions off
      }
    top->setExpanded(true);
    top->setHidden(top->childCount() == 0);
  }
  exports_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  connect(exports_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    showArguments(item == nullptr ? nullptr : runner::findExport(item->text(0).toStdString()));
  });
  connect(exports_, &QTreeWidget::itemActivated, this, [this] { runSelected(); });  // Enter or double click

  auto* argumentBox = new QWidget;
  arguments_ = new QFormLayout(argumentBox);
  // The form scrolls rather than take the result pane's room in a small window.
  auto* argumentScroll = new QScrollArea;
  argumentScroll->setWidget(argumentBox);
  argumentScroll->setWidgetResizable(true);
  argumentScroll->setFrameShape(QFrame::NoFrame);
  argumentScroll->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
  auto* run = new QPushButton("&Run");
  connect(run, &QPushButton::clicked, this, [this] { runSelected(); });
  result_ = new QPlainTextEdit;
  result_->setReadOnly(true);
  result_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  result_->setLineWrapMode(QPlainTextEdit::NoWrap);  // decoded fields stay on their lines; the pane scrolls
  result_->setMinimumHeight(result_->fontMetrics().lineSpacing() * 10);
  log_ = new QListWidget;

  auto* right = new QWidget;
  auto* rightLayout = new QVBoxLayout(right);
  rightLayout->addWidget(argumentScroll);
  rightLayout->addWidget(run, 0, Qt::AlignLeft);
  auto* outputs = new QSplitter(Qt::Vertical);
  outputs->addWidget(result_);
  outputs->addWidget(log_);
  outputs->setStretchFactor(0, 4);
  outputs->setStretchFactor(1, 1);
  rightLayout->addWidget(outputs, 1);

  hostObjects_ = new HostObjectsPanel;
  hostObjects_->showOutcome = [this](const runner::ExportInfo& info, const runner::ExportOutcome& outcome) {
    showOutcome(info, outcome);
  };
  auto* left = new QSplitter(Qt::Vertical);
  left->addWidget(exports_);
  left->addWidget(hostObjects_);
  left->setStretchFactor(0, 3);

  auto* split = new QSplitter;
  split->addWidget(left);
  split->addWidget(right);
  split->setStretchFactor(1, 1);
  split->setSizes({460, 640});
  setCentralWidget(split);
  buildMenus();
  resize(1100, 700);

  toolkit_.setHostWindow(this);
  toolkit_.onMessageBox([this](const std::string& text, unsigned) -> std::optional<int> {
    logLine("message box: " + QString::fromStdString(text));
    return std::nullopt;  // shown to the user
  });
  traceView_ = new TraceView(this);
  traceView_->setWindowFlag(Qt::Window);
  toolkit_.onNotification([this](const tk::HostNotification& notification) {
    logLine(QString("notification %1: %2").arg(notification.code).arg(QString::fromStdString(notification.text)));
    traceView_->handleNotification(notification);
  });
  showArguments(nullptr);
  // Permanent widgets: menus' status tips do not wipe them out.
  recordingState_ = new QLabel("Recording the next run");
  recordingState_->setStyleSheet("color: #b00020; font-weight: bold");
  recordingState_->setVisible(false);
  statusBar()->addPermanentWidget(recordingState_);
  statusBar()->addPermanentWidget(new QLabel("Profile: " + toolkit_.profilePath()), 1);
  connect(recordNext_, &QAction::toggled, recordingState_, &QLabel::setVisible);
}

void MainWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  file->addAction("&Decode a file...", QKeySequence::Open, this, [this] {
    const QString path =
        QFileDialog::getOpenFileName(this, "Decode a file", QString(),
                                     "Filter and primitive files (*.flt_HLS *.flt_L1 *.pcf);;All files (*)");
    if (!path.isEmpty()) decodeFile(path);
  });
  file->addAction("Open a &scenario...", this, [this] {
    const QString path = QFileDialog::getOpenFileName(this, "Open a scenario", QString(),
                                                      "Scenario files (*.kscl);;All files (*)");
    if (!path.isEmpty()) openScenario(path);
  });
  file->addSeparator();
  file->addAction("&Quit", QKeySequence::Quit, qApp, &QApplication::quit);

  QMenu* host = menuBar()->addMenu("&Host");
  host->addAction("Feature switches and host &modules...", this, [this] { editHostSettings(); });
  host->addAction("Where is the &profile?", this, [this] {
    QMessageBox::information(this, "Application profile", "The application profile is kept in\n" + toolkit_.profilePath());
  });

  QAction* gsmCodec = host->addAction("&GSM codec present");
  gsmCodec->setCheckable(true);
  gsmCodec->setChecked(GsmCodecLib::sm_GsmCodecLib.Interface() != nullptr);
  connect(gsmCodec, &QAction::toggled, this, [](bool present) { GsmCodecLib::sm_GsmCodecLib.ApplyState({present}); });

  QMenu* trace = menuBar()->addMenu("&Trace");
  trace->addAction("&Open a trace file...", this, [this] {
    const QString path = QFileDialog::getOpenFileName(this, "Open a trace", QString(), "Traces (*.jsonl);;All files (*)");
    if (path.isEmpty()) return;
    traceView_->load(path);
    traceView_->show();
  });
  trace->addAction("&Search the trace...", QKeySequence::Find, this, [this] {
    traceView_->show();
    traceView_->openSearch();
  });

  QMenu* session = menuBar()->addMenu("&Session");
  recordNext_ = session->addAction("&Record the next run");
  recordNext_->setCheckable(true);
  recordNext_->setShortcut(QKeySequence("Ctrl+R"));
}

bool MainWindow::selectExport(const std::string& name) {
  const QList<QTreeWidgetItem*> found = exports_->findItems(QString::fromStdString(name), Qt::MatchExactly | Qt::MatchRecursive);
  if (found.isEmpty()) return false;
  exports_->setCurrentItem(found.front());
  return true;
}

QString MainWindow::resultText() const { return result_->toPlainText(); }

QLineEdit* MainWindow::argumentEdit(const std::string& name) const {
  auto found = argumentEdits_.find(name);
  return found == argumentEdits_.end() ? nullptr : found->second;
}

QCheckBox* MainWindow::argumentCheck(const std::string& name) const {
  auto found = argumentChecks_.find(name);
  return found == argumentChecks_.end() ? nullptr : found->second;
}

// Keeps what the form holds for the selected export, for when it is chosen again.
void MainWindow::keepFormValues() {
  if (selected_ == nullptr) return;
  std::map<std::string, QString>& kept = formValues_[std::string(selected_->name)];
  for (const auto& [name, edit] : argumentEdits_) kept[name] = edit->text();
  for (const auto& [name, box] : argumentChecks_) kept[name] = box->isChecked() ? "true" : "false";
  if (length_ != nullptr) kept["*len"] = length_->text();
  if (nullLength_ != nullptr) kept["*len null"] = nullLength_->isChecked() ? "true" : "false";
}

void MainWindow::showArguments(const runner::ExportInfo* info) {
  keepFormValues();
  selected_ = info;
  while (arguments_->rowCount() > 0) arguments_->removeRow(0);
  argumentEdits_.clear();
  argumentChecks_.clear();
  length_ = nullptr;
  nullLength_ = nullptr;
  if (info == nullptr) {
    arguments_->addRow(new QLabel("Choose an export on the left; Enter or a double click runs it."));
    return;
  }
  auto* signature = new QLabel("<b>" + text(info->signature).toHtmlEscaped() + "</b>");
  signature->setWordWrap(true);
  arguments_->addRow(signature);
  if (info->takesLength) {
    length_ = new QLineEdit("0");
    connect(length_, &QLineEdit::returnPressed, this, [this] { runSelected(); });
    length_->setToolTip("Value of *len on entry: a non-zero value is a pre-set value for the enquiries");
    nullLength_ = new QCheckBox("pass a null pointer");
    auto* row = new QHBoxLayout;
    row->addWidget(length_);
    row->addWidget(nullLength_);
    arguments_->addRow("*len on entry:", row);
  }
  // A flag is a check box that starts at the parameter's default; an empty
  // number field calls the export with the default, as `orbel run` does
  // without --arg. Enter in a field runs the export.
  for (const runner::Parameter& parameter : info->parameters) {
    const std::string name(parameter.name);
    QString tip = text(parameter.meaning);
    if (parameter.inOut) tip += "\nThe export stores its new value here after OK";
    if (parameter.flag) {
      auto* box = new QCheckBox(text(parameter.meaning));
      box->setChecked(parameter.fallback != 0);
      box->setToolTip(tip);
      arguments_->addRow(text(parameter.name) + ":", box);
      argumentChecks_[name] = box;
      continue;
    }
    auto* edit = new QLineEdit;
    if (parameter.text) {
      edit->setPlaceholderText(text(parameter.meaning));
      edit->setToolTip(tip);
      connect(edit, &QLineEdit::returnPressed, this, [this] { runSelected(); });
      arguments_->addRow(text(parameter.name) + ":", edit);
      argumentEdits_[name] = edit;
      continue;
    }
    const QString fallback = QString::fromStdString(runner::formatArgument(parameter, parameter.fallback));
    edit->setPlaceholderText("default: " + fallback + " (" + text(parameter.meaning) + ")");
    edit->setToolTip(tip + QString("\n%1 to %2, decimal or 0x hex")
                               .arg(QString::fromStdString(parameter.min.text()))
                               .arg(QString::fromStdString(parameter.max.text())));
    connect(edit, &QLineEdit::returnPressed, this, [this] { runSelected(); });
    arguments_->addRow(text(parameter.name) + ":", edit);
    argumentEdits_[name] = edit;
  }
  // The primitive command names its primitive by six numbers: pick it instead.
  if (info->name == "OrbelGetPsdlCmdBuffer")
    arguments_->insertRow(1, "Primitive:", makePrimitivePicker(argumentEdits_));
  restoreFormValues();
}

void MainWindow::restoreFormValues() {
  auto found = formValues_.find(std::string(selected_->name));
  if (found == formValues_.end()) return;
  for (const auto& [name, value] : found->second) {
    if (QLineEdit* edit = argumentEdit(name)) edit->setText(value);
    if (QCheckBox* box = argumentCheck(name)) box->setChecked(value == "true");
  }
  if (length_ != nullptr && found->second.contains("*len")) length_->setText(found->second.at("*len"));
  if (nullLength_ != nullptr) nullLength_->setChecked(found->second["*len null"] == "true");
}

runner::ExportCall MainWindow::callFromForm(std::string& error) const {
  runner::ExportCall call;
  if (length_ != nullptr) {
    std::optional<runner::ArgValue> value = runner::parseWholeNumber(length_->text().toStdString(), false);
    if (!value || *value > runner::ArgValue::fromUnsigned(0xFFFFFFFF)) error = "*len must be a number from 0 to 0xFFFFFFFF";
    call.initialLength = static_cast<std::uint32_t>(value.value_or(0));
    call.nullLength = nullLength_->isChecked();
  }
  for (const auto& [name, box] : argumentChecks_) call.args[name] = box->isChecked() ? 1 : 0;
  for (const auto& [name, edit] : argumentEdits_) {
    const std::string given = edit->text().trimmed().toStdString();
    if (given.empty()) continue;
    if (runner::findParameter(*selected_, name)->text) {
      call.texts[name] = edit->text().toStdString();
      continue;
    }
    std::optional<runner::ArgValue> value = runner::readArgument(*runner::findParameter(*selected_, name), given, error);
    if (value) call.args[name] = *value;
  }
  return call;
}

void MainWindow::runSelected() {
  // Exports are not re-entrant: while one runs, its dialog is modal, but a
  // queued activation of the list must not start another.
  if (selected_ == nullptr || running_) return;
  // The modeless search dialog serves the trace view's record for as long as
  // the view wants it, not for the length of one run.
  if (selected_->name == "SrchDlgGetSearchMethod") {
    logLine("run SrchDlgGetSearchMethod for the trace view");
    traceView_->show();
    traceView_->openSearch();
    return;
  }
  std::string error;
  runner::ExportCall call = callFromForm(error);
  if (!error.empty()) {
    QMessageBox::warning(this, "Arguments", QString::fromStdString(error));
    return;
  }
  const bool recording = recordNext_->isChecked();
  if (recording) {
    const FeatureManager& host = FeatureManager::Instance();
    toolkit_.recorder().start(host.features(), host.modules());
  }
  logLine("run " + text(selected_->name));
  running_ = true;
  runner::ExportOutcome outcome = selected_->run(call);
  running_ = false;
  showOutcome(*selected_, outcome);
  keepInOutValues(outcome);
  hostObjects_->refresh();
  if (recording) {
    recordNext_->setChecked(false);
    saveRecording(*selected_, call);
  }
}

void MainWindow::openScenario(const QString& path) {
  if (!selectExport("ScenarioFileCreate")) return;
  if (QLineEdit* edit = argumentEdit("path")) edit->setText(path);
  runSelected();
}

void MainWindow::decodeFile(const QString& path) {
  // A FIFO or device is refused before it is opened, so the window never waits on one.
  const tk::FileRead read = tk::readRegularFile(path.toStdString(), kDecodeFileLimit);
  if (!read.ok()) {
    result_->setPlainText(QString::fromStdString(tk::describeRefusal(read, path.toStdString(), "File")));
    return;
  }
  const auto* first = reinterpret_cast<const std::uint8_t*>(read.bytes.data());
  result_->setPlainText(path + "\n\n" + describeBytes({first, read.bytes.size()}));
  logLine("decoded " + path);
}

void MainWindow::showOutcome(const runner::ExportInfo& info, const runner::ExportOutcome& outcome) {
  QString report = text(info.name) + "\n\n";
  report += describeReturned(outcome.returned);
  if (outcome.length) report += QString("\nlength: %1\n").arg(*outcome.length);
  for (const auto& [name, value] : outcome.out)
    report += QString("out %1: %2\n")
                  .arg(QString::fromStdString(name), QString::fromStdString(runner::formatOutValue(value)));
  result_->setPlainText(report);
}

// The host keeps the variables it passes by reference: the next run starts
// from what the export stored in them.
void MainWindow::keepInOutValues(const runner::ExportOutcome& outcome) {
  if (selected_ == nullptr) return;
  for (const runner::Parameter& parameter : selected_->parameters) {
    if (!parameter.inOut) continue;
    for (const auto& [name, value] : outcome.out)
      if (QLineEdit* edit = argumentEdit(name); edit != nullptr && name == parameter.name)
        edit->setText(QString::fromStdString(runner::formatOutValue(value)));
  }
}

void MainWindow::saveRecording(const runner::ExportInfo& info, const runner::ExportCall& call) {
  tk::Script script = toolkit_.recorder().stop();
  const QString name = text(info.name);
  const QString path = QFileDialog::getSaveFileName(this, "Save the recorded session", name + ".json", "Scripts (*.json)");
  if (path.isEmpty()) return;
  std::string error = tk::writeFileAtomically(path.toStdString(), script::writeScript(script));
  if (!error.empty()) {
    QMessageBox::warning(this, "Recording", QString::fromStdString(error));
    return;
  }
  QString replay = "orbel run " + name + " --script " + path;
  if (call.nullLength) replay += " --null-len";
  else if (call.initialLength != 0) replay += QString(" --len %1").arg(call.initialLength);
  for (const auto& [argument, value] : call.args) replay += QString(" --arg %1=%2").arg(QString::fromStdString(argument), QString::fromStdString(value.text()));
  logLine("recorded; replay with: " + replay);
}

void MainWindow::editHostSettings() {
  HostSettingsDialog dialog(loadHostSettings(toolkit_.profile()), this);
  if (dialog.exec() != QDialog::Accepted) return;
  const HostSettings settings = dialog.settings();
  saveHostSettings(toolkit_.profile(), settings);
  applyHostSettings(settings);
  logLine(QString("features on: %1; modules present: %2")
              .arg(QString::fromStdString(joinNumbers(settings.features)), QString::fromStdString(joinNumbers(settings.modules))));
  if (runner::hostSapFilterManager() != nullptr)
    logLine("the SAP filter manager keeps the built-in SAPs it was created with; reset it to follow switch 130");
}

void MainWindow::logLine(const QString& line) {
  log_->addItem(line);
  log_->scrollToBottom();
}

}  // namespace orbel::host
