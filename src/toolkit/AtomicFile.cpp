#include "toolkit/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>

namespace tk {
namespace {

namespace fs = std::filesystem;

constexpr int kMostLinksFollowed = 40;  // as the kernel's own limit on a path
constexpr int kTemporaryNameTries = 100;

std::string failure(const std::string& what, const std::string& path, int error) {
  return what + ' ' + path + ": " + std::strerror(error);
}

// The file a write to `path` lands on: symbolic links followed, relative
// link targets taken from the link's own folder. Nothing for a loop.
std::optional<fs::path> followLinks(fs::path path) {
  for (int hop = 0; hop < kMostLinksFollowed; ++hop) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
    fs::path target = fs::read_symlink(path, error);
    if (error) return path;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return std::nullopt;
}

// A name of a few bytes, so that the temporary file fits wherever the target
// does, however long the target's name is.
std::string temporaryName(std::mt19937& random) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string name = ".orbel-";
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
  for (int i = 0; i < 6; ++i) name += kLetters[pick(random)];
  return name;
}

// Creates the temporary file in `folder`; its path goes to `created`.
int createTemporary(const fs::path& folder, mode_t mode, std::string& created) {
  std::random_device seed;
  std::mt19937 random(seed());
  for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
    created = (folder / temporaryName(random)).string();
    int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

std::string writeAll(int fd, std::string_view bytes, const FileWriteCalls& calls, const std::string& path) {
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t written = calls.write(fd, data, left);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return failure("cannot write", path, written < 0 ? errno : ENOSPC);
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  return {};
}

// Makes the rename durable. Some file systems cannot flush a folder (EINVAL);
// the rename has happened, so only a real failure is reported.
std::string flushFolder(const fs::path& folder, const FileWriteCalls& calls) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return failure("cannot open the folder", folder.string(), errno);
  std::string error;
  if (calls.fsync(fd) != 0 && errno != EINVAL) error = failure("cannot flush the folder", folder.string(), errno);
  ::close(fd);
  return error;
}

}  // namespace

FileWriteCalls systemFileWriteCalls() { return {::write, ::fsync, ::close}; }

std::string writeFileAtomically(const std::string& path, std::string_view bytes, const FileWriteCalls& calls) {
  const std::optional<fs::path> resolved = followLinks(path);
  if (!resolved) return failure("cannot follow the links of", path, ELOOP);
  const fs::path target = *resolved;
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");

  // An existing file keeps its mode; a new one takes 0666 less the umask,
  // which open() applies to the temporary file by itself.
  struct stat existing {};
  std::optional<mode_t> keptMode;
  if (::stat(target.c_str(), &existing) == 0) {
    if (S_ISDIR(existing.st_mode)) return path + " is a folder";
    if (!S_ISREG(existing.st_mode)) return path + " is not a regular file";
    keptMode = existing.st_mode & 07777;
  } else if (errno != ENOENT) {
    return failure("cannot reach", path, errno);
  }

  std::string temporary;
  const int fd = createTemporary(folder, 0666, temporary);
  if (fd < 0) return failure("cannot create a temporary file beside", path, errno);
  std::string error;
  if (keptMode && ::fchmod(fd, *keptMode) != 0) error = failure("cannot set the mode of", path, errno);
  if (error.empty()) error = writeAll(fd, bytes, calls, path);
  if (error.empty() && calls.fsync(fd) != 0) error = failure("cannot flush", path, errno);
  // close() reports what a network or quota-limited file system failed to store.
  if (calls.close(fd) != 0 && error.empty()) error = failure("cannot close", path, errno);
  if (error.empty() && std::rename(temporary.c_str(), target.c_str()) != 0)
    error = failure("cannot replace", path, errno);
  if (!error.empty()) {
    ::unlink(temporary.c_str());
    return error;
  }
  return flushFolder(folder, calls);
}

}  // namespace tk
