#include "toolkit/FileRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace tk {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

FileRead::Status openFailure() {
  return errno == ENOENT || errno == ENOTDIR ? FileRead::Status::Missing : FileRead::Status::ReadError;
}

FileRead readWithin(const std::string& path, std::size_t limit) {
  FileRead read;
  auto refuse = [&read](FileRead::Status status, int error = 0) {
    read.status = status;
    if (error != 0) read.error = std::strerror(error);
    read.bytes.clear();
    return read;
  };
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.get() < 0) return refuse(openFailure(), errno);
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) return refuse(FileRead::Status::ReadError, errno);
  if (S_ISDIR(info.st_mode)) return refuse(FileRead::Status::Folder);
  if (!S_ISREG(info.st_mode)) return refuse(FileRead::Status::NotRegular);
  if (static_cast<std::uintmax_t>(info.st_size) > limit) return refuse(FileRead::Status::TooLarge);

  // The size may change while reading, so the limit is checked again on what
  // is read, chunk by chunk: a file that grows is still refused.
  read.bytes.reserve(static_cast<std::size_t>(info.st_size));
  char chunk[64 * 1024];
  for (;;) {
    const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return refuse(FileRead::Status::ReadError, errno);
    if (got == 0) break;
    if (static_cast<std::size_t>(got) > limit - read.bytes.size()) return refuse(FileRead::Status::TooLarge);
    read.bytes.append(chunk, static_cast<std::size_t>(got));
  }
  return read;
}

}  // namespace

FileRead readRegularFile(const std::string& path, std::size_t limit) {
  FileRead read = readWithin(path, limit);
  read.limit = limit;
  return read;
}

std::string describeRefusal(const FileRead& read, const std::string& path, const std::string& what) {
  const std::string named = what + ' ' + path;
  switch (read.status) {
    case FileRead::Status::Ok: return {};
    case FileRead::Status::Missing: return named + " does not exist";
    case FileRead::Status::Folder: return named + " is a folder";
    case FileRead::Status::NotRegular: return named + " is not a regular file";
    case FileRead::Status::TooLarge:
      return named + " is larger than the " + std::to_string(read.limit) + " bytes it may have";
    case FileRead::Status::ReadError: return named + " cannot be read: " + read.error;
  }
  return {};
}

}  // namespace tk
