// Test support for the filter tests: a scratch folder, whole-file reads and
// writes, and the golden files.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

namespace orbel::test {

class ScratchFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("orbel-filter-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
    start_ = std::filesystem::current_path();
  }
  void TearDown() override {
    std::filesystem::current_path(start_);  // file dialogs move it
    std::filesystem::remove_all(folder_);
  }
  std::string path(const std::string& name) const { return (folder_ / name).string(); }

  std::filesystem::path folder_, start_;
};

inline std::vector<std::uint8_t> readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes));
}

inline std::string goldenPath(const std::string& name) { return std::string(ORBEL_FILTER_GOLDEN) + "/" + name; }

// `length` bytes that differ from their neighbours, as in the golden files.
inline std::vector<std::uint8_t> patternPayload(std::size_t length) {
  std::vector<std::uint8_t> payload(length);
  for (std::size_t i = 0; i < length; ++i) payload[i] = static_cast<std::uint8_t>(i * 7 + 3);
  return payload;
}

}  // namespace orbel::test
