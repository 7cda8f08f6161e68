#include "orbel/l1filter/PhyFaFilterBase.h"

#include <string_view>
#include <variant>

#include "orbel/l1filter/DefaultFilterConfig.h"
#include "orbel/l1filter/L1FilterFile.h"
#include "toolkit/AtomicFile.h"
#include "toolkit/FileRead.h"
#include "toolkit/Toolkit.h"
#include "toolkit/Types.h"

namespace {

void tell(const std::string& text) {
  if (tk::Toolkit* toolkit = tk::installedToolkit()) toolkit->messageBox(nullptr, text, {}, tk::MB_OK);
}

}  // namespace

bool PhyFaFilterBase::LoadPhyFaFilterConfig(const std::string& path) {
  if (path.empty()) {
    m_config = orbel::lastOrDefaultPhyFaFilterConfig();
    return true;
  }
  // One byte more than a filter file holds, so that a longer file is known
  // as such without reading all of it.
  const tk::FileRead read = tk::readRegularFile(path, orbel::kL1FilterFileSize + 1);
  if (read.status == tk::FileRead::Status::TooLarge) {
    tell(std::string("Load L1 config file fail: ") + orbel::faultText(orbel::L1FilterFileFault::Length));
    return false;
  }
  if (!read.ok()) {
    tell("Open L1 config file fail: " + path);
    return false;
  }
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(read.bytes.data());
  const auto parsed = orbel::parseL1FilterFile(std::span(bytes, read.bytes.size()));
  if (const auto* fault = std::get_if<orbel::L1FilterFileFault>(&parsed)) {
    tell(std::string("Load L1 config file fail: ") + orbel::faultText(*fault));
    return false;
  }
  m_config = std::get<orbel::L1FilterFileContents>(parsed).config;
  orbel::storeLastPhyFaFilterConfig(m_config);
  return true;
}

bool PhyFaFilterBase::WriteConfig(const std::string& path) const {
  if (path.empty()) {
    orbel::storeLastPhyFaFilterConfig(m_config);
    return true;
  }
  const orbel::L1FilterFileBytes file = orbel::encodeL1FilterFile(m_config);
  const std::string error =
      tk::writeFileAtomically(path, std::string_view(reinterpret_cast<const char*>(file.data()), file.size()));
  if (error.empty()) return true;
  tell("Open file for write fail: " + path);
  if (tk::Toolkit* toolkit = tk::installedToolkit()) toolkit->fileSaveFailed(error);
  return false;
}
