// The HLS node lists that the host's filter-information manager keeps: read
// from a node file (format in data/README.md), the one a host names or the
// built-in copy of data/hls-filter-nodes.json. The filter dialogs copy the
// lists and write their ticks back into them.
#pragma once

#include <string>
#include <string_view>

#include "host/HlsNodeLists.h"

class HlsNodeStore {
 public:
  // A host names its own node file in this environment variable, or calls
  // LoadNodeFile.
  static constexpr char kNodeFileVariable[] = "ORBEL_HLS_FILTER_NODES";
  static constexpr char kBuiltInSource[] = "built-in data/hls-filter-nodes.json";

  // Reads the file named by ORBEL_HLS_FILTER_NODES, or the built-in lists
  // when the variable is unset or empty. When the named file cannot be read
  // the lists are empty and LoadError says why.
  HlsNodeStore();

  // Replace the lists. On failure the store keeps what it held and the error
  // (naming the file and the faulty entry) is returned; empty on success.
  std::string LoadNodeFile(const std::string& path);
  std::string LoadNodeText(std::string_view text, std::string source);
  void LoadDefaultNodes();

  // List `index` (0 to 4), null for another index.
  CFilterNodeList* list(int index) { return lists_.list(index); }
  const HlsNodeLists& lists() const { return lists_; }
  const std::string& Source() const { return source_; }
  const std::string& LoadError() const { return loadError_; }

  // Everything the store keeps, read and replaced as a whole, so that a
  // ScopedHostState can put back what a scope changed. Applying a state
  // replaces the nodes: pointers into the old lists are no longer valid.
  struct State {
    HlsNodeLists lists;
    std::string source;
    std::string loadError;
  };
  State CurrentState() const { return {lists_, source_, loadError_}; }
  void ApplyState(State state);

 private:
  HlsNodeLists lists_;
  std::string source_;
  std::string loadError_;
};
