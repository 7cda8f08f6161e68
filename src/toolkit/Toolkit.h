// The backend interface that runs dialogs and supplies the platform services
// dialogs use. One toolkit is installed per process.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "toolkit/ProfileStore.h"

namespace tk {

class CDialog;

// What the caller of a file dialog asks of it besides the file.
struct FileDialogOptions {
  bool promptOverwrite = false;  // saving: ask before replacing a file that exists
  bool promptCreate = false;     // opening: a file that does not exist may be named, after asking
  bool refuseReadOnly = false;   // a read-only file is refused and the user chooses again
  bool hideReadOnly = false;     // read-only files are left out of the list
  bool operator==(const FileDialogOptions&) const = default;
};

struct FileDialogRequest {
  bool save = false;
  std::string title;
  std::string filter;      // "Name (*.ext)|*.ext||"
  std::string defaultExt;  // without the dot
  std::string fileName;    // proposed name
  std::string folder;      // where the dialog opens
  FileDialogOptions options;
};

// A synchronous message to the host's main window, with its two parameters
// (a value of the host's and, for instance, the address of a record it owns).
struct HostNotification {
  int code = 0;
  std::string text;
  std::uintptr_t wParam = 0;
  std::uintptr_t lParam = 0;
};

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // Runs `dialog` modally: initialises it, lets the user act until the dialog
  // ends itself, and returns the end code.
  virtual int runModal(CDialog& dialog) = 0;
  // Modeless dialogs: created (and initialised) once, shown or hidden, and
  // destroyed when their owner asks, while the dialog's controls still live.
  virtual bool createModeless(CDialog& dialog) = 0;
  virtual void showModeless(CDialog& dialog, bool visible) = 0;
  virtual void destroyModeless(CDialog& dialog) = 0;
  // The dialog object is being destroyed with its modeless window still open:
  // its controls are already gone. Ends the window without reading any
  // control and reports the owner's fault where the toolkit reports faults.
  virtual void abandonModeless(CDialog& dialog) = 0;
  // Keeps the modeless window of `panel` glued below the window of `anchor`:
  // left edges aligned, the panel's top at the anchor's bottom, the panel's
  // size its own, now and whenever the anchor moves, until the panel ends.
  // A toolkit without windows on a screen has nothing to place.
  virtual void glueBelow(CDialog& panel, CDialog& anchor) {
    (void)panel;
    (void)anchor;
  }
  virtual int messageBox(CDialog* owner, const std::string& text, const std::string& caption, unsigned style) = 0;
  // The chosen path, or nothing when the user cancelled.
  virtual std::optional<std::string> chooseFile(const FileDialogRequest& request) = 0;
  // A file the user chose could not be written; the dialog has told the user.
  // A toolkit that reports faults to its host records it; the default does not.
  virtual void fileSaveFailed(const std::string& error) { (void)error; }
  virtual void setClipboard(const std::string& text) = 0;
  virtual void notifyHost(const HostNotification& notification) = 0;
  virtual ProfileStore& profile() = 0;

  // The folder where the next file dialog opens: the folder of the last
  // confirmed one, empty before any. Kept here so that no dialog has to move
  // the process's current folder, which relative paths depend on.
  const std::string& fileDialogFolder() const { return fileDialogFolder_; }
  void setFileDialogFolder(std::string folder) { fileDialogFolder_ = std::move(folder); }

 private:
  std::string fileDialogFolder_;
};

// Installs `toolkit` for the process (null uninstalls); returns the previous one.
Toolkit* installToolkit(Toolkit* toolkit);
Toolkit* installedToolkit();

// Installs a toolkit for the lifetime of a scope.
class ToolkitInstallation {
 public:
  explicit ToolkitInstallation(Toolkit& toolkit) : previous_(installToolkit(&toolkit)) {}
  ~ToolkitInstallation() { installToolkit(previous_); }
  ToolkitInstallation(const ToolkitInstallation&) = delete;
  ToolkitInstallation& operator=(const ToolkitInstallation&) = delete;

 private:
  Toolkit* previous_;
};

}  // namespace tk
