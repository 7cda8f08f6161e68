#include "toolkit/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace tk {

std::string writeFileAtomically(const std::string& path, std::string_view bytes) {
  std::filesystem::path target(path);
  std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
  std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  int fd = ::mkstemp(pattern.data());
  if (fd < 0) return "cannot create a temporary file beside " + path + ": " + std::strerror(errno);
  ::fchmod(fd, 0644);  // mkstemp's 0600 would hide the file from other readers
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  bool ok = true;
  while (ok && left > 0) {
    ssize_t written = ::write(fd, data, left);
    if (written < 0 && errno == EINTR) continue;
    ok = written > 0;
    if (ok) {
      data += written;
      left -= static_cast<std::size_t>(written);
    }
  }
  std::string error = ok ? std::string() : std::string("cannot write ") + path + ": " + std::strerror(errno);
  if (ok && ::fsync(fd) != 0) error = std::string("cannot flush ") + path + ": " + std::strerror(errno);
  ::close(fd);
  if (error.empty() && std::rename(pattern.c_str(), path.c_str()) != 0)
    error = std::string("cannot replace ") + path + ": " + std::strerror(errno);
  if (!error.empty()) ::unlink(pattern.c_str());
  return error;
}

}  // namespace tk
