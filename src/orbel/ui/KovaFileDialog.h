// The file dialog of every file operation of the library: the toolkit's
// open/save dialog. The first opens in the process's current folder; each
// later one opens where the last one was confirmed, a folder the toolkit
// keeps. The process's current folder never moves, so relative paths given at
// start-up keep their meaning. The chosen path is absolute.
#pragma once

#include <string>

#include "toolkit/Dialog.h"
#include "toolkit/Toolkit.h"

namespace orbel {

class KovaFileDialog {
 public:
  // `filter` as "Name (*.ext)|*.ext||"; `defaultExt` without the dot is
  // appended to a chosen name that has no extension.
  KovaFileDialog(bool openFileDialog, std::string defaultExt, std::string fileName, std::string filter,
                 tk::CWnd* parent = nullptr);

  void setTitle(std::string title) { title_ = std::move(title); }
  // Without a call: ask before overwriting, hide read-only files.
  void setOptions(tk::FileDialogOptions options) { options_ = options; }
  // IDOK when the user chose a file, IDCANCEL otherwise (also without a toolkit).
  int DoModal();
  const std::string& GetPathName() const { return pathName_; }

 private:
  bool open_;
  std::string defaultExt_;
  std::string fileName_;
  std::string filter_;
  std::string title_;
  std::string pathName_;
  tk::FileDialogOptions options_{true, false, false, true};  // prompt before overwriting, hide read-only
};

}  // namespace orbel
