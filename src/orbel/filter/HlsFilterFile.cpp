#include "orbel/filter/HlsFilterFile.h"

#include <optional>
#include <span>
#include <string_view>

#include "orbel/filter/HlsFilterFormat.h"
#include "toolkit/AtomicFile.h"
#include "toolkit/FileRead.h"
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
  const std::string error = tk::writeFileAtomically(path, bytes);
  if (error.empty()) return;
  tell(owner, "Can not open the file " + path);
  if (tk::Toolkit* toolkit = tk::installedToolkit()) toolkit->fileSaveFailed(error);
}

std::vector<unsigned char> LoadHlsFilterFile(const tk::CString& path, tk::CWnd* owner) {
  // One byte more than the format allows, so that the parser names an
  // oversized file as such; a FIFO or device is refused before it is opened.
  const tk::FileRead read = tk::readRegularFile(path, kMaxHlsFileSize + 1);
  if (read.status == tk::FileRead::Status::TooLarge) {
    tell(owner, "File format error: " + path);
    return {};
  }
  if (!read.ok()) {
    tell(owner, "Can not open the file " + path);
    return {};
  }
  const std::vector<std::uint8_t> file(read.bytes.begin(), read.bytes.end());
  HlsFileContents contents = parseHlsFilterFile(file);
  if (contents.fault) {
    tell(owner, "File format error: " + path);
    return {};
  }
  return std::move(contents.message);
}

}  // namespace orbel
