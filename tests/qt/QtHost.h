// Test support: the Qt toolkit installed for one test, with the library
// started, message boxes answered and logged instead of shown, and short
// ways to drive and read the widgets of a dialog window and to compare a
// run with the scripted run of the same actions.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "orbel/builders/ModuleLifetime.h"
#include "script/ScriptJson.h"
#include "support/ScriptedHost.h"
#include "toolkit-qt/DialogWindow.h"
#include "toolkit-qt/QtToolkit.h"

namespace orbel::test {

class QtHost {
 public:
  QtHost() : toolkit_(profileFolder_.filePath("profile.ini")), installation_(toolkit_) {
    startModule();
    toolkit_.onMessageBox([this](const std::string& text, unsigned) {
      messages_.push_back(text);
      return std::optional<int>(tk::IDOK);
    });
  }
  ~QtHost() { stopModule(); }

  tkqt::QtToolkit& toolkit() { return toolkit_; }
  const std::vector<std::string>& messages() const { return messages_; }

  // Runs `drive` on each dialog window once it is up. A window that its
  // drive leaves open (a click that missed) fails the test and is cancelled
  // instead of waiting for a user who never comes.
  void drive(std::function<void(tkqt::DialogWindow&)> drive) {
    toolkit_.onDialogShown([drive = std::move(drive)](tkqt::DialogWindow& window) {
      drive(window);
      if (!window.isVisible()) return;
      ADD_FAILURE() << window.dialog().className() << " is still open after the test's actions";
      window.reject();
    });
  }

 private:
  QTemporaryDir profileFolder_;
  tkqt::QtToolkit toolkit_;
  tk::ToolkitInstallation installation_;
  std::vector<std::string> messages_;
};

template <typename Widget>
Widget* widget(tkqt::DialogWindow& window, const char* id) {
  return qobject_cast<Widget*>(window.widgetFor(id));
}

// The text of a label or an edit field.
inline QString text(tkqt::DialogWindow& window, const char* id) {
  if (auto* label = widget<QLabel>(window, id)) return label->text();
  return widget<QLineEdit>(window, id)->text();
}

inline bool checked(tkqt::DialogWindow& window, const char* id) {
  return widget<QAbstractButton>(window, id)->isChecked();
}

// A mouse click on a button, or on the indicator of a check box or radio
// button (a layout may stretch those wider than their text, and a click on
// the empty space beside the text is no click on the button).
inline void clickOn(tkqt::DialogWindow& window, const char* id, Qt::KeyboardModifiers modifiers = {}) {
  auto* button = widget<QAbstractButton>(window, id);
  QPoint at = button->rect().center();
  const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
  if (radio || qobject_cast<QCheckBox*>(button) != nullptr) {
    QStyleOptionButton option;
    option.initFrom(button);
    at = button->style()
             ->subElementRect(radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button)
             .center();
  }
  QTest::mouseClick(button, Qt::LeftButton, modifiers, at);
}

// Enter pressed on the window; whether the dialog refused it and stayed open.
inline bool enterKeepsOpen(tkqt::DialogWindow& window) {
  QTest::keyClick(&window, Qt::Key_Return);
  return window.isVisible();
}

// Selects the field's text and types `text` over it, as a user does.
inline void typeOver(QLineEdit* edit, const char* text) {
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(edit, text);
}

// Makes `index` current and ticks it with the space key, as a user does.
inline void tickWithSpace(QTreeView* view, const QModelIndex& index) {
  view->setCurrentIndex(index);
  QTest::keyClick(view, Qt::Key_Space);
}

// The row under `parent` whose first column reads `name`, at `column`; invalid when there is none.
inline QModelIndex childNamed(const QAbstractItemModel& model, const QModelIndex& parent, const QString& name,
                              int column = 0) {
  for (int row = 0; row < model.rowCount(parent); ++row)
    if (model.index(row, 0, parent).data().toString() == name) return model.index(row, column, parent);
  return {};
}

// Opens the view's in-place editor on `index`; null when it is no `Editor`.
template <typename Editor>
Editor* editorOn(QTreeView* view, const QModelIndex& index) {
  view->setCurrentIndex(index);
  view->edit(index);
  return qobject_cast<Editor*>(view->indexWidget(index));
}

// A builder export's bytes in hex; "null" when it built nothing.
template <typename Builder>
std::string builtHex(Builder builder) {
  const Call call = callExport(builder);
  return call.returned ? orbel::toHex(call.bytes) : "null";
}

// What `run` gives on the scripted toolkit playing `script`.
template <typename Run>
auto scriptedRun(tk::Script script, Run run) {
  ScriptedHost scripted(std::move(script));
  return run();
}

// A recording written in the script file format and read back, as `orbel run` reads it.
inline tk::Script throughScriptFile(const tk::Script& recording) {
  const std::string text = orbel::script::writeScript(recording);
  auto parsed = orbel::script::parseScript(text);
  if (auto* script = std::get_if<tk::Script>(&parsed)) return *script;
  ADD_FAILURE() << "the recording does not read back: " << text;
  return {};
}

inline std::string fileContents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Expects each of `parts` in `text` (a host's result pane, a program's output).
inline void expectContains(const QString& text, const std::vector<const char*>& parts) {
  for (const char* part : parts) EXPECT_TRUE(text.contains(part)) << part << " is not in:\n" << text.toStdString();
}

// File dialogs move the process's current folder; a test puts it back.
class CurrentFolderGuard {
 public:
  CurrentFolderGuard() : start_(std::filesystem::current_path()) {}
  ~CurrentFolderGuard() { std::filesystem::current_path(start_); }
  CurrentFolderGuard(const CurrentFolderGuard&) = delete;
  CurrentFolderGuard& operator=(const CurrentFolderGuard&) = delete;

 private:
  std::filesystem::path start_;
};

}  // namespace orbel::test
