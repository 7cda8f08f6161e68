// Test support: a FIFO for code that must refuse one. Code that opens it and
// waits for a writer would hang the test; after a few seconds a writer is
// opened and closed so that the wait ends, and blocked() tells the test.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace orbel::test {

class GuardedFifo {
 public:
  explicit GuardedFifo(std::string path) : path_(std::move(path)) {
    created_ = ::mkfifo(path_.c_str(), 0600) == 0;
    watcher_ = std::thread([this] { watch(); });
  }
  ~GuardedFifo() {
    done_ = true;
    watcher_.join();
    ::unlink(path_.c_str());
  }
  GuardedFifo(const GuardedFifo&) = delete;
  GuardedFifo& operator=(const GuardedFifo&) = delete;

  const std::string& path() const { return path_; }
  bool created() const { return created_; }
  // Someone opened the FIFO and waited on it until the guard ended the wait.
  bool blocked() const { return blocked_; }

 private:
  void watch() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done_ && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    // A non-blocking writer opens only while a reader waits (ENXIO otherwise).
    while (!done_) {
      int writer = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
      if (writer >= 0) {
        blocked_ = true;
        ::close(writer);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }

  std::string path_;
  bool created_ = false;
  std::atomic<bool> done_{false};
  std::atomic<bool> blocked_{false};
  std::thread watcher_;
};

}  // namespace orbel::test
