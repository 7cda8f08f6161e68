#include "orbel/ui/KovaFileDialog.h"

#include <filesystem>
#include <system_error>

#include "host/PathResolver.h"
#include "toolkit/Toolkit.h"

namespace orbel {

KovaFileDialog::KovaFileDialog(bool openFileDialog, std::string defaultExt, std::string fileName, std::string filter,
                               tk::CWnd*)
    : open_(openFileDialog),
      defaultExt_(std::move(defaultExt)),
      fileName_(std::move(fileName)),
      filter_(std::move(filter)),
      title_(openFileDialog ? "Open" : "Save As") {}

int KovaFileDialog::DoModal() {
  tk::Toolkit* toolkit = tk::installedToolkit();
  if (toolkit == nullptr) return tk::IDCANCEL;
  std::error_code error;
  std::string folder = toolkit->fileDialogFolder();
  if (folder.empty()) folder = std::filesystem::current_path(error).string();
  std::optional<std::string> chosen =
      toolkit->chooseFile({!open_, title_, filter_, defaultExt_, fileName_, folder, options_});
  if (!chosen || chosen->empty()) return tk::IDCANCEL;

  std::filesystem::path path = std::filesystem::absolute(*chosen, error);
  if (error) path = *chosen;
  if (!defaultExt_.empty() && !path.has_extension()) path += "." + defaultExt_;
  pathName_ = path.string();

  std::string chosenFolder = pathName_;
  std::string name;
  CPathResolver::splitFullPath(chosenFolder, name);
  if (!chosenFolder.empty()) toolkit->setFileDialogFolder(chosenFolder);
  return tk::IDOK;
}

}  // namespace orbel
