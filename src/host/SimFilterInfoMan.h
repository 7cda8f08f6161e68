// The shared filter-information manager of the host's filter-node library,
// as far as the library reads it: the SIM command definitions (groups,
// commands, fields, list choices, checks, tasks) and the five HLS filter-node
// lists. They come from data files (formats in data/README.md): the ones a
// host names, or the built-in copies of data/sim-commands.json and
// data/hls-filter-nodes.json.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/HlsNodeStore.h"
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

  // HLS node list `index` (0 the SAP tree, 1 and 2 the sender lists, 3 and 4
  // two further trees); null for another index. The manager owns the nodes.
  CFilterNodeList* GetHlsNodeList(int index) { return hlsNodes_.list(index); }
  // The store of the five lists: where they came from, reloading, scoped state.
  HlsNodeStore& HlsNodes() { return hlsNodes_; }

 private:
  CSimFilterInfoMan();

  SimDefinitions definitions_;
  std::string source_;
  std::string loadError_;
  HlsNodeStore hlsNodes_;
};

// The text of data/sim-commands.json as it was when the library was built.
std::string_view builtInSimDefinitionText();
