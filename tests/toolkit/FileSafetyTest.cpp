// The file layer under bad input: the bounded reader refuses what is not a
// regular file without blocking, and the atomic save follows links, keeps the
// mode, fits long names and never loses the old file when a write, a flush or
// a close fails.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/GuardedFifo.h"
#include "toolkit/AtomicFile.h"
#include "toolkit/FileRead.h"
#include "toolkit/IniFile.h"

namespace {

namespace fs = std::filesystem;
using Status = tk::FileRead::Status;

class FileSafety : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("orbel-files-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override {
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder_);
  }

  std::string path(const std::string& name) const { return (folder_ / name).string(); }
  std::string write(const std::string& name, const std::string& text) const {
    std::ofstream(folder_ / name, std::ios::binary) << text;
    return path(name);
  }
  static std::string contents(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::size_t entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {})); }

  fs::path folder_;
};

TEST_F(FileSafety, ReaderNamesEachRefusalAndReadsUpToItsLimit) {
  struct Case {
    std::string path;
    std::size_t limit;
    Status status;
    std::string message;
  };
  const std::string tenBytes = write("ten", "0123456789");
  fs::create_directories(folder_ / "sub");
  orbel::test::GuardedFifo pipe(path("pipe"));  // refused without waiting for a writer
  const Case cases[] = {
      {tenBytes, 10, Status::Ok, ""},
      {tenBytes, 9, Status::TooLarge, "file " + tenBytes + " is larger than the 9 bytes it may have"},
      {path("missing"), 10, Status::Missing, "file " + path("missing") + " does not exist"},
      {path("sub"), 10, Status::Folder, "file " + path("sub") + " is a folder"},
      {"/dev/zero", 10, Status::NotRegular, "file /dev/zero is not a regular file"},
      {pipe.path(), 10, Status::NotRegular, "file " + pipe.path() + " is not a regular file"},
  };
  for (const Case& c : cases) {
    tk::FileRead read = tk::readRegularFile(c.path, c.limit);
    EXPECT_EQ(read.status, c.status) << c.path;
    EXPECT_EQ(tk::describeRefusal(read, c.path, "file"), c.message);
  }
  EXPECT_EQ(tk::readRegularFile(tenBytes, 10).bytes, "0123456789");
  EXPECT_FALSE(pipe.blocked());
}

TEST_F(FileSafety, SaveThroughALinkReplacesTheLinksTarget) {
  const std::string real = write("real.ini", "old");
  fs::create_symlink("real.ini", folder_ / "link.ini");  // relative, as users make them
  ASSERT_EQ(tk::writeFileAtomically(path("link.ini"), "new"), "");
  EXPECT_TRUE(fs::is_symlink(folder_ / "link.ini"));
  EXPECT_EQ(contents(real), "new");
  EXPECT_EQ(entries(), 2u);
}

TEST_F(FileSafety, SaveKeepsTheModeOfTheFileItReplacesAndMasksANewOne) {
  const std::string secret = write("secret.ini", "old");
  ::chmod(secret.c_str(), 0600);
  ASSERT_EQ(tk::writeFileAtomically(secret, "new"), "");
  EXPECT_EQ(fs::status(secret).permissions(), fs::perms::owner_read | fs::perms::owner_write);

  const mode_t previous = ::umask(027);
  const std::string created = path("created.ini");
  const std::string error = tk::writeFileAtomically(created, "x");
  ::umask(previous);
  ASSERT_EQ(error, "");
  EXPECT_EQ(static_cast<unsigned>(fs::status(created).permissions()), 0640u);
}

TEST_F(FileSafety, SaveRefusesTargetsThatAreNotRegularFiles) {
  orbel::test::GuardedFifo pipe(path("pipe"));
  EXPECT_EQ(tk::writeFileAtomically(pipe.path(), "x"), pipe.path() + " is not a regular file");
  EXPECT_TRUE(fs::is_fifo(pipe.path()));
  EXPECT_FALSE(pipe.blocked());
  fs::create_directories(folder_ / "sub");
  EXPECT_EQ(tk::writeFileAtomically(path("sub"), "x"), path("sub") + " is a folder");
  EXPECT_EQ(entries(), 2u);  // no temporary file left behind
}

TEST_F(FileSafety, SaveFitsTheLongestNameAFolderTakes) {
  for (std::size_t length : {248u, 255u}) {
    const std::string name = path(std::string(length, 'n'));
    ASSERT_EQ(tk::writeFileAtomically(name, "saved"), "") << length;
    EXPECT_EQ(contents(name), "saved");
  }
}

// A full disk, a failing flush and a failing close each leave the old file
// whole and no temporary file behind, and say what failed.
TEST_F(FileSafety, FailedWritesFlushesAndClosesKeepTheOldFile) {
  tk::FileWriteCalls fullDisk = tk::systemFileWriteCalls(), failingFlush = fullDisk, failingClose = fullDisk;
  fullDisk.write = [](int, const void*, std::size_t) -> ssize_t { errno = ENOSPC; return -1; };
  failingFlush.fsync = [](int) { errno = EIO; return -1; };
  failingClose.close = [](int fd) { ::close(fd); errno = EDQUOT; return -1; };
  const std::string target = write("profile.ini", "old");
  const std::pair<tk::FileWriteCalls, std::string> cases[] = {
      {fullDisk, "cannot write"}, {failingFlush, "cannot flush"}, {failingClose, "cannot close"}};
  for (const auto& [calls, failure] : cases) {
    const std::string error = tk::writeFileAtomically(target, "new", calls);
    EXPECT_EQ(error.rfind(failure + ' ' + target + ": ", 0), 0u) << error;
    EXPECT_EQ(contents(target), "old");
    EXPECT_EQ(entries(), 1u);
  }
}

TEST_F(FileSafety, SaveIntoAReadOnlyFolderFailsAndSaysSo) {
  if (::geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
  const std::string target = write("profile.ini", "old");
  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_NE(tk::writeFileAtomically(target, "new").find("cannot create a temporary file beside " + target),
            std::string::npos);
  EXPECT_EQ(contents(target), "old");
}

// A profile is read whole or not at all: on any failure the store keeps
// nothing of it, so nothing can be saved over the keys that were not read.
TEST_F(FileSafety, ProfileThatCannotBeReadWholeLeavesTheStoreUntouched) {
  struct Case {
    std::string file;
    std::string error;
  };
  fs::create_directories(folder_ / "sub");
  const std::string late = write("late.ini", "[A]\nkept=1\n\n[]\nlost=2\n");
  orbel::test::GuardedFifo pipe(path("pipe.ini"));
  for (const Case& c : {Case{late, late + ":4: empty section name"},
                        Case{path("sub"), "profile " + path("sub") + " is a folder"},
                        Case{pipe.path(), "profile " + pipe.path() + " is not a regular file"}}) {
    tk::ProfileStore store;
    EXPECT_EQ(tk::loadIniFile(c.file, store), c.error);
    EXPECT_TRUE(store.values().empty()) << c.file;
  }
  EXPECT_FALSE(pipe.blocked());
}

}  // namespace
