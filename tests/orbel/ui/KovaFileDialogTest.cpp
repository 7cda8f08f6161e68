// Each file dialog opens where the last one was confirmed, and none moves the
// process's current folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "host/PathResolver.h"
#include "orbel/ui/KovaFileDialog.h"
#include "support/ScriptedHost.h"

namespace {

namespace fs = std::filesystem;

class KovaFileDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    start_ = fs::current_path();
    root_ = fs::temp_directory_path() / ("orbel-kova-" + std::to_string(::getpid()));
    fs::create_directories(root_ / "filters");
  }
  void TearDown() override {
    fs::current_path(start_);
    fs::remove_all(root_);
  }
  fs::path start_, root_;
};

TEST_F(KovaFileDialogTest, ConfirmingMovesTheNextDialogsFolderNotTheCurrentFolder) {
  tk::Script script;
  script.files = {(root_ / "filters" / "mine").string(), std::nullopt};
  orbel::test::ScriptedHost host(script);

  orbel::KovaFileDialog save(false, "flt_HLS", "", "HLS filter (*.flt_HLS)|*.flt_HLS||");
  ASSERT_EQ(save.DoModal(), tk::IDOK);
  EXPECT_EQ(save.GetPathName(), (root_ / "filters" / "mine.flt_HLS").string());
  EXPECT_EQ(fs::current_path(), start_);
  EXPECT_TRUE(host.toolkit().fileDialogs()[0].request.save);
  EXPECT_EQ(host.toolkit().fileDialogs()[0].request.folder, start_.string());

  orbel::KovaFileDialog open(true, "flt_HLS", "", "HLS filter (*.flt_HLS)|*.flt_HLS||");
  EXPECT_EQ(open.DoModal(), tk::IDCANCEL);  // cancelled: the folder stays
  EXPECT_EQ(host.toolkit().fileDialogs()[1].request.folder, (root_ / "filters").string());
  EXPECT_EQ(fs::current_path(), start_);
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
