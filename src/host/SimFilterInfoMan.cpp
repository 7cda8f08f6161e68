#include "host/SimFilterInfoMan.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <utility>

#include "host/SimDefinitionFile.h"

CSimFilterInfoMan* CSimFilterInfoMan::CreateInstance(bool create) {
  static std::unique_ptr<CSimFilterInfoMan> instance;
  if (!instance && create) instance.reset(new CSimFilterInfoMan);
  return instance.get();
}

CSimFilterInfoMan::CSimFilterInfoMan() {
  const char* named = std::getenv(kDefinitionFileVariable);
  if (named == nullptr || *named == '\0') {
    LoadDefaultDefinitions();
    return;
  }
  source_ = named;
  loadError_ = LoadDefinitionFile(named);
}

std::string CSimFilterInfoMan::LoadDefinitionFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return path + ": cannot be read";
  // One byte more than the limit is enough to refuse an oversized file.
  std::string text;
  text.resize(kSimDefinitionFileLimit + 1);
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in.bad()) return path + ": cannot be read";
  text.resize(static_cast<std::size_t>(in.gcount()));
  return LoadDefinitionText(text, path);
}

std::string CSimFilterInfoMan::LoadDefinitionText(std::string_view text, std::string source) {
  auto read = readSimDefinitions(text);
  if (auto* error = std::get_if<std::string>(&read)) return source + ": " + *error;
  definitions_ = std::get<SimDefinitions>(std::move(read));
  source_ = std::move(source);
  loadError_.clear();
  return {};
}

void CSimFilterInfoMan::LoadDefaultDefinitions() {
  // The built-in text is checked by the test suite; it always reads.
  LoadDefinitionText(builtInSimDefinitionText(), kBuiltInSource);
}

void CSimFilterInfoMan::ApplyState(State state) {
  definitions_ = std::move(state.definitions);
  source_ = std::move(state.source);
  loadError_ = std::move(state.loadError);
}
