// The Qt Widgets backend of the toolkit model: dialogs become QDialogs built
// from their templates, message boxes, file dialogs and the clipboard are
// Qt's, and the application profile is the toolkit's INI file: read whole at
// start, saved atomically after each write, never saved over a profile that
// could not be read, and a failed save is shown to the user.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <unordered_map>

#include "toolkit-qt/SessionRecorder.h"
#include "toolkit/Toolkit.h"

class QWidget;

namespace tkqt {

class DialogWindow;

class QtToolkit : public tk::Toolkit {
 public:
  // `profilePath`: the INI file of the application profile.
  explicit QtToolkit(const QString& profilePath);

  // Why the profile could not be read, empty when it was. The host shows it;
  // the profile is then kept in memory only, so the file is not lost.
  const std::string& profileError() const { return profileError_; }
  ~QtToolkit() override;

  int runModal(tk::CDialog& dialog) override;
  bool createModeless(tk::CDialog& dialog) override;
  void showModeless(tk::CDialog& dialog, bool visible) override;
  void destroyModeless(tk::CDialog& dialog) override;
  void abandonModeless(tk::CDialog& dialog) override;
  void glueBelow(tk::CDialog& panel, tk::CDialog& anchor) override;
  int messageBox(tk::CDialog* owner, const std::string& text, const std::string& caption, unsigned style) override;
  std::optional<std::string> chooseFile(const tk::FileDialogRequest& request) override;
  void setClipboard(const std::string& text) override;
  void notifyHost(const tk::HostNotification& notification) override;
  tk::ProfileStore& profile() override { return profile_; }

  // The host's main window: owner of dialogs that have no parent.
  void setHostWindow(QWidget* window) { hostWindow_ = window; }
  void onNotification(std::function<void(const tk::HostNotification&)> handler) { notified_ = std::move(handler); }
  // Called once a dialog window is up (tests drive it from here).
  void onDialogShown(std::function<void(DialogWindow&)> handler) { shown_ = std::move(handler); }
  // Message boxes are logged for the host, and may be answered without showing them (tests).
  void onMessageBox(std::function<std::optional<int>(const std::string& text, unsigned style)> handler) {
    messageBoxHandler_ = std::move(handler);
  }

  // File dialogs may be answered without showing them (tests, the gallery).
  void onFileDialog(std::function<std::optional<std::optional<std::string>>(const tk::FileDialogRequest&)> handler) {
    fileDialogHandler_ = std::move(handler);
  }

  SessionRecorder& recorder() { return recorder_; }
  void recordAction(const tk::CDialog& dialog, const tk::ScriptAction& action) { recorder_.action(dialog, action); }
  QString profilePath() const;

 private:
  QWidget* ownerOf(const tk::CDialog* dialog) const;

  void saveProfile();

  std::string profilePath_;
  std::string profileError_;
  tk::ProfileStore profile_;
  SessionRecorder recorder_;
  QWidget* hostWindow_ = nullptr;
  std::unordered_map<const tk::CDialog*, DialogWindow*> windows_;
  std::unordered_map<const tk::CDialog*, std::unique_ptr<DialogWindow>> modeless_;
  std::function<void(const tk::HostNotification&)> notified_;
  std::function<void(DialogWindow&)> shown_;
  std::function<std::optional<int>(const std::string&, unsigned)> messageBoxHandler_;
  std::function<std::optional<std::optional<std::string>>(const tk::FileDialogRequest&)> fileDialogHandler_;
};

}  // namespace tkqt
