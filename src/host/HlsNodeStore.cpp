#include "host/HlsNodeStore.h"

#include <cstdlib>
#include <utility>
#include <variant>

#include "host/HlsNodeFile.h"
#include "toolkit/FileRead.h"

HlsNodeStore::HlsNodeStore() {
  const char* named = std::getenv(kNodeFileVariable);
  if (named == nullptr || *named == '\0') {
    LoadDefaultNodes();
    return;
  }
  source_ = named;
  loadError_ = LoadNodeFile(named);
}

std::string HlsNodeStore::LoadNodeFile(const std::string& path) {
  const tk::FileRead read = tk::readRegularFile(path, kHlsNodeFileLimit);
  if (!read.ok()) return tk::describeRefusal(read, path, "node file");
  return LoadNodeText(read.bytes, path);
}

std::string HlsNodeStore::LoadNodeText(std::string_view text, std::string source) {
  auto read = readHlsNodeLists(text);
  if (auto* error = std::get_if<std::string>(&read)) return source + ": " + *error;
  lists_ = std::get<HlsNodeLists>(std::move(read));
  source_ = std::move(source);
  loadError_.clear();
  return {};
}

void HlsNodeStore::LoadDefaultNodes() {
  // The built-in text is checked by the test suite; it always reads.
  LoadNodeText(builtInHlsNodeText(), kBuiltInSource);
}

void HlsNodeStore::ApplyState(State state) {
  lists_ = std::move(state.lists);
  source_ = std::move(state.source);
  loadError_ = std::move(state.loadError);
}
