// The shared filter-information manager of the host's filter-node library,
// as far as the library reads it: the SIM command definitions (groups,
// commands, fields, list choices, checks, tasks). They come from a
// definition file (format in data/README.md): the one a host names, or the
// built-in copy of data/sim-commands.json.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/SimDefinitions.h"

class CSimFilterInfoMan {
 public:
  // A host names its own definition file in this environment variable, or
  // calls LoadDefinitionFile.
  static constexpr char kDefinitionFileVariable[] = "ORBEL_SIM_DEFINITIONS";
  static constexpr char kBuiltInSource[] = "built-in data/sim-commands.json";

  // The one shared manager. With `create` it is made on first use and reads
  // the file named by ORBEL_SIM_DEFINITIONS, or the built-in definitions
  // when the variable is unset or empty; without, null until then. When the
  // named file cannot be read the manager holds no definitions and
  // LoadError says why.
  static CSimFilterInfoMan* CreateInstance(bool create);

  // Replace the definitions. On failure the manager keeps what it held and
  // the error (naming the file and the faulty entry) is returned; empty on
  // success.
  std::string LoadDefinitionFile(const std::string& path);
  std::string LoadDefinitionText(std::string_view text, std::string source);
  void LoadDefaultDefinitions();

  // Where the definitions came from, and why the first read failed (empty
  // when it did not).
  const std::string& DefinitionSource() const { return source_; }
  const std::string& LoadError() const { return loadError_; }

  // The definitions with their source and load error, read and replaced as a
  // whole, so that a ScopedHostState can put back what a scope loaded.
  struct State {
    SimDefinitions definitions;
    std::string source;
    std::string loadError;
  };
  State CurrentState() const { return {definitions_, source_, loadError_}; }
  void ApplyState(State state);

  const SimDefinitions& GetSimDefinitions() const { return definitions_; }
  const std::vector<SimGroupEntry>& GetSimGroupList() const { return definitions_.groups; }
  const std::vector<SimRecordEntry>& GetSimRecordList() const { return definitions_.records; }
  const std::vector<SimFieldEntry>& GetSimFieldList() const { return definitions_.fields; }
  const std::vector<SimValueEntry>& GetSimValueList() const { return definitions_.values; }
  const std::vector<SimCheckEntry>& GetSimCheckList() const { return definitions_.checks; }
  const std::vector<SimTaskEntry>& GetSimTaskList() const { return definitions_.tasks; }

 private:
  CSimFilterInfoMan();

  SimDefinitions definitions_;
  std::string source_;
  std::string loadError_;
};

// The text of data/sim-commands.json as it was when the library was built.
std::string_view builtInSimDefinitionText();
