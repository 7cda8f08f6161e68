#include "L1FilterCommands.h"

#include <vector>

#include "HostSession.h"
#include "decode/L1FilterDiff.h"
#include "decode/L1FilterText.h"
#include "toolkit/AtomicFile.h"
#include "toolkit/FileRead.h"

namespace orbel::cli {
namespace {

// A filter file is 1160 bytes; a text of one stays far below this.
constexpr std::size_t kFileLimit = 1 << 20;

std::string readOrThrow(const std::string& path) {
  const tk::FileRead read = tk::readRegularFile(path, kFileLimit);
  if (!read.ok()) throw DataError(tk::describeRefusal(read, path, "file"));
  return read.bytes;
}

std::vector<std::uint8_t> filterFile(const std::string& path) {
  const std::string bytes = readOrThrow(path);
  std::vector<std::uint8_t> file(bytes.begin(), bytes.end());
  try {
    readL1FilterFileOrThrow(file);
  } catch (const L1FilterTextError& error) {
    throw DataError(path + ": " + error.what());
  }
  return file;
}

}  // namespace

int diffL1Filters(const std::string& first, const std::string& second, std::ostream& out) {
  const std::vector<std::string> lines = diffL1FilterFiles(filterFile(first), filterFile(second));
  for (const std::string& line : lines) out << line << '\n';
  return lines.empty() ? 0 : 1;
}

void exportL1FilterTextCommand(const std::string& file, std::ostream& out) {
  out << exportL1FilterText(filterFile(file));
}

void importL1FilterTextCommand(const std::string& textPath, const std::string& outPath) {
  std::vector<std::uint8_t> file;
  try {
    file = importL1FilterText(readOrThrow(textPath));
  } catch (const L1FilterTextError& error) {
    throw DataError(textPath + ": " + error.what());
  }
  const std::string error =
      tk::writeFileAtomically(outPath, std::string_view(reinterpret_cast<const char*>(file.data()), file.size()));
  if (!error.empty()) throw DataError("cannot write " + outPath + ": " + error);
}

}  // namespace orbel::cli
