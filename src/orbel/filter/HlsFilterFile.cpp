#include "orbel/filter/HlsFilterFile.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "orbel/filter/HlsFilterFormat.h"
#include "toolkit/AtomicFile.h"
#include "toolkit/Toolkit.h"

namespace orbel {
namespace {

void tell(tk::CWnd* owner, const std::string& text) {
  if (owner != nullptr) {
    owner->MessageBox(text);
  } else if (tk::Toolkit* toolkit = tk::installedToolkit()) {
    toolkit->messageBox(nullptr, text, {}, tk::MB_OK);
  }
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// Up to `limit` + 1 bytes of the file, enough to tell that it is too long;
// nothing when it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> readAtMost(const std::string& path, std::size_t limit) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return std::nullopt;
  std::vector<std::uint8_t> bytes(limit + 1);
  const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file.get());
  if (std::ferror(file.get())) return std::nullopt;
  bytes.resize(got);
  return bytes;
}

}  // namespace

void SaveHlsFilterFile(const tk::CString& path, const unsigned char* payload, int length, tk::CWnd* owner) {
  std::optional<std::vector<std::uint8_t>> file;
  if (payload != nullptr && length >= 1)
    file = encodeHlsFilterFile(std::span<const std::uint8_t>(payload, static_cast<std::size_t>(length)));
  if (!file) {
    tell(owner, "Save config fail");
    return;
  }
  const std::string_view bytes(reinterpret_cast<const char*>(file->data()), file->size());
  if (!tk::writeFileAtomically(path, bytes).empty()) tell(owner, "Can not open the file " + path);
}

std::vector<unsigned char> LoadHlsFilterFile(const tk::CString& path, tk::CWnd* owner) {
  std::optional<std::vector<std::uint8_t>> file = readAtMost(path, kMaxHlsFileSize);
  if (!file) {
    tell(owner, "Can not open the file " + path);
    return {};
  }
  HlsFileContents contents = parseHlsFilterFile(*file);
  if (contents.fault) {
    tell(owner, "File format error: " + path);
    return {};
  }
  return std::move(contents.message);
}

}  // namespace orbel
