// Loads arbitrary bytes as a layer-1 filter file through a real file, as the
// filter dialogs do. The loader must agree with the format's checks, tell
// the user exactly once when it refuses and keep the configuration and the
// last-configuration store as they were; a file it takes becomes the stored
// configuration, goes through the text form and back unchanged, and the
// decoder names it byte by byte.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <variant>

#include "DecodedFieldsCheck.h"
#include "FuzzCheck.h"
#include "decode/L1FilterText.h"
#include "orbel/l1filter/DefaultFilterConfig.h"
#include "orbel/l1filter/L1FilterFile.h"
#include "orbel/l1filter/PhyFaFilterBase.h"
#include "toolkit/ScriptedToolkit.h"

namespace {

struct Loader : PhyFaFilterBase {};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path =
      (std::filesystem::temp_directory_path() / ("orbel-l1-fuzz-" + std::to_string(::getpid()) + ".flt_L1")).string();
  const std::span<const std::uint8_t> file(data, size);
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

  tk::ProfileStore profile;
  tk::ScriptedToolkit toolkit({}, profile);
  tk::ToolkitInstallation installation(toolkit);
  Loader loader;
  const bool loaded = loader.LoadPhyFaFilterConfig(path);
  std::remove(path.c_str());
  const auto parsed = orbel::parseL1FilterFile(file);

  fuzzCheck(loaded == std::holds_alternative<orbel::L1FilterFileContents>(parsed), "the loader and the checks agree");
  if (!loaded) {
    fuzzCheck(toolkit.messageBoxes().size() == 1 &&
                  toolkit.messageBoxes()[0].text.rfind("Load L1 config file fail: file ", 0) == 0,
              "a refusal is told once, with its reason");
    fuzzCheck(loader.Config() == orbel::PhyFaFilterConfig{}, "a refusal keeps the configuration");
    fuzzCheck(!profile.getBinary(orbel::kLastPhyFaConfigSection, orbel::kLastPhyFaConfigKey),
              "a refusal keeps the store");
    return 0;
  }
  fuzzCheck(toolkit.messageBoxes().empty(), "an accepted file shows nothing");
  fuzzCheck(loader.Config() == std::get<orbel::L1FilterFileContents>(parsed).config, "the loader keeps the bytes");
  fuzzCheck(orbel::lastOrDefaultPhyFaFilterConfig() == loader.Config(), "an accepted file becomes the stored one");
  const std::vector<std::uint8_t> again = orbel::importL1FilterText(orbel::exportL1FilterText(file));
  fuzzCheck(std::equal(again.begin(), again.end(), file.begin(), file.end()), "the text form keeps every byte");
  checkDecodesWholly(file, "l1file");
  return 0;
}
