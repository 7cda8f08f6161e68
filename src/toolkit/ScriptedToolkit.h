// The headless toolkit: runs each modal dialog by applying the next dialog
// script of user actions, answers file dialogs and question boxes from
// queues, and records everything the dialogs showed or wrote. Tests and the
// CLI use it; it runs exactly the code that a click in a visual backend runs.
#pragma once

#include <cstddef>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/Dialog.h"
#include "toolkit/Script.h"
#include "toolkit/Toolkit.h"

namespace tk {

struct MessageBoxRecord {
  std::string dialog;  // class name of the owner, empty for none
  std::string text;
  std::string caption;
  unsigned style = 0;
  int answer = 0;
};

struct FileDialogRecord {
  FileDialogRequest request;
  std::optional<std::string> answer;
};

class ScriptedToolkit : public Toolkit {
 public:
  ScriptedToolkit(Script script, ProfileStore& profile);

  int runModal(CDialog& dialog) override;
  // A modeless dialog takes the next dialog script when it is created; it
  // stays open until its owner destroys it. A dialog that goes with its
  // window open is reported among the errors.
  bool createModeless(CDialog& dialog) override;
  void showModeless(CDialog&, bool) override {}
  void destroyModeless(CDialog&) override {}
  void abandonModeless(CDialog& dialog) override;
  int messageBox(CDialog* owner, const std::string& text, const std::string& caption, unsigned style) override;
  std::optional<std::string> chooseFile(const FileDialogRequest& request) override;
  void setClipboard(const std::string& text) override { clipboard_ = text; }
  void notifyHost(const HostNotification& notification) override { notifications_.push_back(notification); }
  ProfileStore& profile() override { return profile_; }

  // Test seam: while set, every modal run and file dialog throws `fault`
  // instead of showing anything, as a failure deep inside a dialog would;
  // tests use it to reach the failure handling of the library's entry points.
  void failWith(std::exception_ptr fault) { fault_ = std::move(fault); }

  // Adds an error for each script entry left over at the end of a run: a
  // dialog script for a dialog that never opened, file answers or question
  // answers never asked for. Such a script did not run as written.
  void reportUnusedEntries();

  void fileSaveFailed(const std::string& error) override { fileErrors_.push_back(error); }

  // Called for each modal dialog after its script's actions, before a dialog
  // still open is closed as Cancel.
  void onActionsDone(std::function<void(const CDialog&)> observer) { actionsDone_ = std::move(observer); }

  // Script faults: refused actions, unknown controls, unexpected dialogs,
  // missing answers. A run with errors did not do what the script said.
  const std::vector<std::string>& errors() const { return errors_; }
  // Files the user chose that could not be written.
  const std::vector<std::string>& fileErrors() const { return fileErrors_; }
  const std::vector<std::string>& dialogsRun() const { return dialogsRun_; }
  const std::vector<MessageBoxRecord>& messageBoxes() const { return messageBoxes_; }
  const std::vector<FileDialogRecord>& fileDialogs() const { return fileDialogs_; }
  const std::string& clipboard() const { return clipboard_; }
  const std::vector<HostNotification>& notifications() const { return notifications_; }

 private:
  void runActions(CDialog& dialog, const DialogScript& script, std::size_t dialogNumber);

  Script script_;
  ProfileStore& profile_;
  std::size_t nextDialog_ = 0;
  std::size_t nextFile_ = 0;
  std::size_t nextAnswer_ = 0;
  std::function<void(const CDialog&)> actionsDone_;
  std::exception_ptr fault_;
  std::vector<std::string> errors_;
  std::vector<std::string> fileErrors_;
  std::vector<std::string> dialogsRun_;
  std::vector<MessageBoxRecord> messageBoxes_;
  std::vector<FileDialogRecord> fileDialogs_;
  std::string clipboard_;
  std::vector<HostNotification> notifications_;
};

}  // namespace tk
