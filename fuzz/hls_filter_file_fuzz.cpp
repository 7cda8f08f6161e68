// Loads arbitrary bytes as an HLS filter file through a real file, as the
// filter dialogs do. The loader must agree with the format's checks, tell
// the user exactly once when it refuses, and hand back only a message whose
// header, lengths and routing are those of the filter message; such a
// message saves to a file that loads back unchanged and that the decoder
// names byte by byte.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

#include "DecodedFieldsCheck.h"
#include "FuzzCheck.h"
#include "orbel/filter/HlsFilterFile.h"
#include "orbel/filter/HlsFilterFormat.h"
#include "orbel/wire/ByteOrder.h"
#include "toolkit/ScriptedToolkit.h"

namespace {

void checkMessage(std::span<const std::uint8_t> message) {
  using namespace orbel;
  fuzzCheck(message.size() >= 24, "a loaded message holds a whole frame");
  fuzzCheck(readU16LE(message, 0) == message.size(), "the length word is the size, in host order");
  fuzzCheck(readU16LE(message, 18) + 24u == message.size(), "the payload length word fits the size");
  fuzzCheck(message[2] == 0xFF && message[3] == 0 && message[4] == 9 && message[5] == 0, "routed FF 00 09 00");
  fuzzCheck(readU32LE(message, 6) == 13002 && readU32LE(message, 10) == 12031, "group 13002, primitive 12031");
  fuzzCheck(readU32LE(message, 14) == 0 && readU32LE(message, message.size() - 4) == 0, "zero reserved and trailer");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path =
      (std::filesystem::temp_directory_path() / ("orbel-hls-fuzz-" + std::to_string(::getpid()) + ".flt_HLS")).string();
  const std::span<const std::uint8_t> file(data, size);
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

  tk::ProfileStore profile;
  tk::ScriptedToolkit toolkit({}, profile);
  tk::ToolkitInstallation installation(toolkit);
  const std::vector<unsigned char> message = orbel::LoadHlsFilterFile(path);
  std::remove(path.c_str());
  const orbel::HlsFileContents parsed = orbel::parseHlsFilterFile(file);

  fuzzCheck(message.empty() == (parsed.fault != std::nullopt), "the loader and the format checks agree");
  if (message.empty()) {
    fuzzCheck(toolkit.messageBoxes().size() == 1 && toolkit.messageBoxes()[0].text == "File format error: " + path,
              "a refusal is told once, with the path");
    return 0;
  }
  fuzzCheck(toolkit.messageBoxes().empty(), "an accepted file shows nothing");
  fuzzCheck(message == parsed.message, "the loader returns the checked message");
  fuzzCheck(orbel::parseHlsFilterFile(file.first(size - 1)).fault == orbel::ReadFault::Truncated,
            "an accepted file cut by one byte is refused as truncated");
  checkMessage(message);
  const auto again = orbel::encodeHlsFilterFile(std::span(message).subspan(20, message.size() - 24));
  fuzzCheck(again.has_value() && orbel::parseHlsFilterFile(*again).message == message,
            "the payload saves to a file that loads back unchanged");
  checkDecodesWholly(file, "hls-file");
  return 0;
}
