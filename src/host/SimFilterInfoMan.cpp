#include "host/SimFilterInfoMan.h"

#include <cstdlib>
#include <memory>
#include <utility>

#include "host/SimDefinitionFile.h"
#include "toolkit/FileRead.h"

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
  // A FIFO or device is refused before it is opened, an oversized file before it is read.
  const tk::FileRead read = tk::readRegularFile(path, kSimDefinitionFileLimit);
  switch (read.status) {
    case tk::FileRead::Status::Ok: break;
    case tk::FileRead::Status::Folder: return path + ": is a folder";
    case tk::FileRead::Status::NotRegular: return path + ": is not a regular file";
    case tk::FileRead::Status::TooLarge:
      return path + ": more than the " + std::to_string(kSimDefinitionFileLimit) + " bytes a definition file may have";
    default: return path + ": cannot be read";
  }
  return LoadDefinitionText(read.bytes, path);
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
