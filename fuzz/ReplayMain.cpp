// Runs a fuzz target's LLVMFuzzerTestOneInput once per file named on the
// command line or found in a directory named there, the way libFuzzer replays
// a corpus. Each input is handed over in a block of exactly its size, so a
// sanitizer build catches reads past the end. Fails when a path cannot be
// read or when no input was found at all.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

bool replayFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", path.c_str());
    return false;
  }
  const std::vector<char> contents{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const auto block = std::make_unique<std::uint8_t[]>(contents.size());
  std::copy(contents.begin(), contents.end(), block.get());
  std::fprintf(stderr, "replaying %s (%zu bytes)\n", path.c_str(), contents.size());
  LLVMFuzzerTestOneInput(block.get(), contents.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t replayed = 0;
  bool ok = true;
  for (int i = 1; i < argc; ++i) {
    const fs::path path = argv[i];
    std::vector<fs::path> files;
    std::error_code error;
    if (fs::is_directory(path, error)) {
      for (const fs::directory_entry& entry : fs::directory_iterator(path, error))
        if (entry.is_regular_file()) files.push_back(entry.path());
      std::sort(files.begin(), files.end());
    } else {
      files.push_back(path);
    }
    if (error) {
      std::fprintf(stderr, "cannot list %s: %s\n", path.c_str(), error.message().c_str());
      ok = false;
    }
    for (const fs::path& file : files) {
      ok = replayFile(file) && ok;
      ++replayed;
    }
  }
  if (replayed == 0) std::fprintf(stderr, "no inputs given\n");
  std::fprintf(stderr, "%zu inputs replayed\n", replayed);
  return ok && replayed > 0 ? 0 : 1;
}
