// The objects a host keeps between export calls, described field by field
// for a host program to show: the CLI prints them after a run, the Qt host
// keeps them on view in its main window.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace orbel::runner {

struct HostObject {
  std::string name;                                         // "SAP filter manager"
  std::vector<std::pair<std::string, std::string>> fields;  // ("user SAPs", "2 (2 enabled)")
};

// The objects the host holds now; none before the first export needs one.
std::vector<HostObject> hostObjectState();

}  // namespace orbel::runner
