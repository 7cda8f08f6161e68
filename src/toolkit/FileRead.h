// Reads a whole file of bounded size, refusing anything that is not a regular
// file before a byte is read, so a folder, a FIFO or a device never blocks or
// floods the reader. Every file the program reads goes through here.
#pragma once

#include <cstddef>
#include <string>

namespace tk {

struct FileRead {
  enum class Status {
    Ok,
    Missing,     // no such file
    Folder,      // a folder where a file was expected
    NotRegular,  // a FIFO, a device, a socket
    TooLarge,    // more than the reader's limit
    ReadError,   // the file exists but cannot be opened or read
  };

  Status status = Status::Ok;
  std::string bytes;  // the whole file when Ok
  std::string error;  // the system's reason for ReadError
  std::size_t limit = 0;

  bool ok() const { return status == Status::Ok; }
};

// Opens `path` without blocking, checks that it is a regular file of at most
// `limit` bytes, and reads it whole.
FileRead readRegularFile(const std::string& path, std::size_t limit);

// "<path> is a folder", "<path> is larger than the N bytes ... allows", and so
// on: a message for each refusal that names the file. `what` names the file's
// role ("profile", "script"). Empty for Ok.
std::string describeRefusal(const FileRead& read, const std::string& path, const std::string& what);

}  // namespace tk
