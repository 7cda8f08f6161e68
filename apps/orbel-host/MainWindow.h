// The demo host: lists every export by what it does, runs the chosen one
// through the Qt toolkit with the arguments given, and shows what came back
// (annotated hex dump and decoded fields, out-values, message boxes). It can
// record the next run as a script that `orbel run` replays.
#pragma once

#include <QMainWindow>
#include <map>
#include <string>

#include "runner/ExportTable.h"

class QAction;
class QCheckBox;
class QFormLayout;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace tkqt {
class QtToolkit;
}

namespace orbel::host {

class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(tkqt::QtToolkit& toolkit);

  // Selects an export by name; false when there is none.
  bool selectExport(const std::string& name);
  // Runs the selected export with the arguments in the form.
  void runSelected();
  QString resultText() const;

 private:
  void buildMenus();
  void showArguments(const runner::ExportInfo* info);
  runner::ExportCall callFromForm(std::string& error) const;
  void showOutcome(const runner::ExportInfo& info, const runner::ExportOutcome& outcome);
  void saveRecording(const runner::ExportInfo& info, const runner::ExportCall& call);
  void editHostSettings();
  void logLine(const QString& line);

  tkqt::QtToolkit& toolkit_;
  QTreeWidget* exports_;
  QFormLayout* arguments_;
  QLineEdit* length_ = nullptr;
  QCheckBox* nullLength_ = nullptr;
  std::map<std::string, QLineEdit*> argumentEdits_;
  QPlainTextEdit* result_;
  QListWidget* log_;
  QAction* recordNext_;
  const runner::ExportInfo* selected_ = nullptr;
  bool running_ = false;
};

}  // namespace orbel::host
