// Each file dialog opens where the last one was confirmed, and none moves the
// process's current folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "host/PathResolver.h"
#include "orbel/ui/KovaFileDialog.h"
#include "support/ScriptedHost.h"

namespace {

namespace fs = std::filesystem;

TEST(KovaFileDialog, ConfirmingMovesTheNextDialogsFolderNotTheCurrentFolder) {
  const fs::path start = fs::current_path();
  const fs::path root = fs::temp_directory_path() / ("orbel-kova-" + std::to_string(::getpid()));
  fs::create_directories(root / "filters");
  tk::Script script;
  script.files = {(root / "filters" / "mine").string(), std::nullopt};
  orbel::test::ScriptedHost host(script);

  orbel::KovaFileDialog save(false, "flt_HLS", "", "HLS filter (*.flt_HLS)|*.flt_HLS||");
  EXPECT_EQ(save.DoModal(), tk::IDOK);
  EXPECT_EQ(save.GetPathName(), (root / "filters" / "mine.flt_HLS").string());
  EXPECT_EQ(fs::current_path(), start);
  EXPECT_TRUE(host.toolkit().fileDialogs()[0].request.save);
  EXPECT_EQ(host.toolkit().fileDialogs()[0].request.folder, start.string());

  orbel::KovaFileDialog open(true, "flt_HLS", "", "HLS filter (*.flt_HLS)|*.flt_HLS||");
  EXPECT_EQ(open.DoModal(), tk::IDCANCEL);  // cancelled: the folder stays
  EXPECT_EQ(host.toolkit().fileDialogs()[1].request.folder, (root / "filters").string());
  EXPECT_EQ(fs::current_path(), start);
  fs::current_path(start);  // for the tests that follow, should a dialog have moved it
  fs::remove_all(root);
}

TEST(PathResolver, SplitsAFullPathIntoFolderAndName) {
  struct Case {
    std::string path, folder, name;
  };
  for (const Case& c : {Case{"/a/b/c.txt", "/a/b", "c.txt"}, Case{"/c.txt", "/", "c.txt"}, Case{"c.txt", "", "c.txt"}}) {
    std::string folder = c.path, name;
    CPathResolver::splitFullPath(folder, name);
    EXPECT_EQ(folder, c.folder);
    EXPECT_EQ(name, c.name);
  }
}

}  // namespace
