// Test support: the host's SIM definitions replaced for one scope by a
// definition text, and the previous definitions restored afterwards.
#pragma once

#include <string>
#include <string_view>

#include "host/ScopedHostState.h"
#include "host/SimFilterInfoMan.h"

namespace orbel::test {

class SimDefinitionsOverride {
 public:
  explicit SimDefinitionsOverride(std::string_view text)
      : saved_(*CSimFilterInfoMan::CreateInstance(true)),
        error_(CSimFilterInfoMan::CreateInstance(true)->LoadDefinitionText(text, "test definitions")) {}

  const std::string& error() const { return error_; }

 private:
  ScopedHostState<CSimFilterInfoMan> saved_;
  std::string error_;
};

// A definition file around one group "G" whose records are `records` (JSON
// array elements), with tasks 0 (FF 00) and 1 (7, 0) and the given checks
// and lists.
inline std::string simDefinitionText(std::string_view records, std::string_view checks = "[]",
                                     std::string_view lists = "[]") {
  return std::string(R"({"format": "orbel-sim-definitions", "version": 1,
      "tasks": [{"key": 0, "task": "0xFF", "subModule": 0}, {"key": 1, "task": 7, "subModule": 0}],
      "checks": )") +
         std::string(checks) + R"(, "lists": )" + std::string(lists) + R"(,
      "groups": [{"id": 1, "name": "G", "records": [)" +
         std::string(records) + "]}]}";
}

}  // namespace orbel::test
