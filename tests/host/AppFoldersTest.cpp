// Application folders: where each kind lies, that it exists when handed out
// and ends with a separator, and the user's data folder when none is set.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "host/PathResolver.h"
#include "host/ScopedHostState.h"
#include "support/ScopedDataDir.h"

namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one scope (unset when `value` is null).
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) saved_ = old;
    value != nullptr ? setenv(name, value, 1) : unsetenv(name);
  }
  ~ScopedEnv() { saved_ ? setenv(name_, saved_->c_str(), 1) : unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> saved_;
};

TEST(AppFolders, EachKindIsItsOwnFolderCreatedOnDemandAndEndingWithASeparator) {
  orbel::test::ScopedDataDir data;
  std::string layer2;
  std::string layer1;
  ASSERT_TRUE(CPathResolver::getAbsPathApp(1, layer2));
  ASSERT_TRUE(CPathResolver::getAbsPathApp(2, layer1));
  EXPECT_NE(layer2, layer1);
  for (const std::string& folder : {layer2, layer1}) {
    EXPECT_EQ(folder.front(), '/') << folder;
    EXPECT_EQ(folder.back(), '/') << folder;  // a file name is appended directly
    EXPECT_EQ(folder.rfind(data.root().string() + "/", 0), 0u) << folder;
    EXPECT_TRUE(fs::is_directory(folder)) << folder;
  }
  // Asking again hands out the same folder and keeps what it holds.
  std::ofstream(layer2 + "kept") << "x";
  std::string again;
  ASSERT_TRUE(CPathResolver::getAbsPathApp(1, again));
  EXPECT_EQ(again, layer2);
  EXPECT_TRUE(fs::exists(layer2 + "kept"));
}

TEST(AppFolders, UnknownKindsAndUncreatableFoldersAreRefused) {
  orbel::test::ScopedDataDir data;
  for (int kind : {0, 3, -1}) {
    std::string path = "stale";
    EXPECT_FALSE(CPathResolver::getAbsPathApp(kind, path)) << kind;
    EXPECT_EQ(path, "") << kind;
  }
  // A file where the data folder should be: the folder cannot be made.
  const std::string blocked = (data.root() / "file").string();
  std::ofstream(blocked) << "x";
  ScopedHostState<CPathResolver> scope(CPathResolver::Instance(), {blocked});
  std::string path;
  EXPECT_FALSE(CPathResolver::getAbsPathApp(1, path));
}

TEST(AppFolders, WithoutASettingTheUsersDataFolderIsUsedByXdgConventions) {
  orbel::test::ScopedDataDir data;
  ScopedHostState<CPathResolver> unset(CPathResolver::Instance(), {""});
  const std::string home = data.root().string();
  ScopedEnv homeVar("HOME", home.c_str());
  {
    ScopedEnv xdg("XDG_DATA_HOME", (home + "/xdg").c_str());
    EXPECT_EQ(CPathResolver::Instance().dataDir(), home + "/xdg/orbel/");
  }
  for (const char* ignored : {static_cast<const char*>(nullptr), "", "relative/share"}) {
    ScopedEnv xdg("XDG_DATA_HOME", ignored);  // unset, empty and relative values do not count
    EXPECT_EQ(CPathResolver::Instance().dataDir(), home + "/.local/share/orbel/");
  }
  std::string path;
  ASSERT_TRUE(CPathResolver::getAbsPathApp(1, path));
  EXPECT_EQ(path.rfind(home + "/.local/share/orbel/", 0), 0u);
}

}  // namespace
