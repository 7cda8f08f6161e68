// The demo host: lists every export by what it does, runs the chosen one
// through the Qt toolkit with the arguments given, and shows what came back
// (annotated hex dump and decoded fields, out-values, message boxes), with
// the objects the host keeps between calls on view. It can record the next
// run as a script that `orbel run` replays.
#pragma once

#include <QMainWindow>
#include <map>
#include <string>

#include "runner/ExportTable.h"

class QAction;
class QCheckBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace tkqt {
class QtToolkit;
}

namespace orbel::host {

class HostObjectsPanel;
class TraceView;

class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(tkqt::QtToolkit& toolkit);

  // Selects an export by name; false when there is none.
  bool selectExport(const std::string& name);
  // Runs the selected export with the arguments in the form.
  void runSelected();
  QString resultText() const;
  // Shows a file's bytes and every field the decoder names (File menu).
  void decodeFile(const QString& path);
  // Runs the scenario editor on a scenario file (File menu).
  void openScenario(const QString& path);
  // The argument field of a number parameter, or the box of a flag, of the
  // selected export; null when it has no such parameter.
  QLineEdit* argumentEdit(const std::string& name) const;
  QCheckBox* argumentCheck(const std::string& name) const;
  HostObjectsPanel& hostObjects() const { return *hostObjects_; }
  // The trace view (Trace menu), a window of its own.
  TraceView& traceView() const { return *traceView_; }

 private:
  void buildMenus();
  void showArguments(const runner::ExportInfo* info);
  void keepFormValues();
  void restoreFormValues();
  runner::ExportCall callFromForm(std::string& error) const;
  void showOutcome(const runner::ExportInfo& info, const runner::ExportOutcome& outcome);
  void keepInOutValues(const runner::ExportOutcome& outcome);
  void saveRecording(const runner::ExportInfo& info, const runner::ExportCall& call);
  void editHostSettings();
  void logLine(const QString& line);

  tkqt::QtToolkit& toolkit_;
  QTreeWidget* exports_;
  QFormLayout* arguments_;
  QLineEdit* length_ = nullptr;
  QCheckBox* nullLength_ = nullptr;
  std::map<std::string, QLineEdit*> argumentEdits_;
  std::map<std::string, QCheckBox*> argumentChecks_;
  // What the form held for each export this session, by export and field name.
  std::map<std::string, std::map<std::string, QString>> formValues_;
  QPlainTextEdit* result_;
  QListWidget* log_;
  HostObjectsPanel* hostObjects_;
  TraceView* traceView_;
  QAction* recordNext_;
  QLabel* recordingState_;
  const runner::ExportInfo* selected_ = nullptr;
  bool running_ = false;
};

}  // namespace orbel::host
