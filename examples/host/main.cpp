// A minimal host: installs the scripted toolkit in the library, calls the
// timer enquiry with a pre-set value (no dialog is shown) and prints the
// message it builds in hex.
#include <cstdio>
#include <cstdlib>

#include "orbel/Version.h"
#include "orbel/builders/Exports.h"
#include "toolkit/ScriptedToolkit.h"

int main() {
  tk::ProfileStore profile;
  tk::ScriptedToolkit toolkit({}, profile);
  tk::ToolkitInstallation installation(toolkit);

  // RLC (module row 1), "Timer Poll" (entry 1), instance 5.
  unsigned int len = 0x01010005;
  unsigned char* message = OrbelGetTmrEnqueryBuffer(&len);
  if (message == nullptr) {
    std::fprintf(stderr, "liborbel %s built no message\n", OrbelVersion());
    return 1;
  }
  for (unsigned int i = 0; i < len; ++i) std::printf("%02X", message[i]);
  std::printf("\n");
  std::free(message);
  return 0;
}
