// Parses arbitrary text as a script. A script that parses must write out as
// text that parses again into a script that writes out identically: what a
// session records, the CLI reads back unchanged.
#include <cstdint>
#include <cstdio>
#include <string>
#include <variant>

#include "FuzzCheck.h"
#include "script/ScriptJson.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto first = orbel::script::parseScript(std::string(reinterpret_cast<const char*>(data), size));
  const auto* script = std::get_if<tk::Script>(&first);
  if (script == nullptr) {
    fuzzCheck(!std::get<std::string>(first).empty(), "a refused script comes with a reason");
    return 0;
  }
  const std::string written = orbel::script::writeScript(*script);
  const auto second = orbel::script::parseScript(written);
  const auto* reread = std::get_if<tk::Script>(&second);
  if (reread == nullptr) std::fprintf(stderr, "written script refused: %s\n", std::get<std::string>(second).c_str());
  fuzzCheck(reread != nullptr, "a written script parses again");
  fuzzCheck(orbel::script::writeScript(*reread) == written, "writing a re-read script gives the same text");
  return 0;
}
