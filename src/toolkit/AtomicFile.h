// Writes a whole file so that a failure never leaves a half-written file in
// place of the old one: a temporary file with a short random name in the same
// folder, written, flushed and closed with every result checked, renamed over
// the target, and the folder flushed so the rename itself survives a crash.
// A symbolic link is followed and its target is replaced; a target that is not
// a regular file (a folder, a FIFO, a device) is refused. The file keeps the
// mode of the file it replaces; a new file gets 0666 masked by the umask.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace tk {

// The system calls that put the bytes on the disk. Tests replace one to fail
// it the way a full disk or a failing network file system does.
struct FileWriteCalls {
  ssize_t (*write)(int fd, const void* data, std::size_t size);
  int (*fsync)(int fd);
  int (*close)(int fd);
};

FileWriteCalls systemFileWriteCalls();

// Returns an error text naming `path`, empty on success.
std::string writeFileAtomically(const std::string& path, std::string_view bytes,
                                const FileWriteCalls& calls = systemFileWriteCalls());

}  // namespace tk
