// A node of a host filter tree: identity, parent identity, label, filter
// value, leaf flag and tick state, with the tree link to its parent node and
// the link from a dialog's working copy to the shared node it stands for.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/CList.h"

class CFilterNode {
 public:
  // Tick states as GetChecked returns them.
  static constexpr int kUnticked = 0;
  static constexpr int kTicked = 1;
  static constexpr int kPartlyTicked = 2;

  // A node with identity `id` under the node whose identity is `parentId`
  // (0 at the top), carrying `value`. `checked` is its first tick state
  // (0 for the nodes the filter dialogs make) and `leaf` is non-zero for a
  // node that has no children.
  CFilterNode(unsigned int id, std::string label, unsigned int value, unsigned int parentId, int checked, int leaf);
  CFilterNode(const CFilterNode&) = default;
  ~CFilterNode() = default;
  // Takes over identity, label, value, leaf flag and tick state. The tree
  // links stay the assigned node's own: a working copy that is written back
  // goes away with its dialog, the shared node stays in its tree.
  CFilterNode& operator=(const CFilterNode& other);

  unsigned int GetId() const { return id_; }
  unsigned int GetParentId() const { return parentId_; }
  const char* GetLabel_cstr() const { return label_.c_str(); }
  const std::string& label() const { return label_; }
  unsigned int GetValue() const { return value_; }
  bool IsLeaf() const { return leaf_; }
  int GetChecked() const { return checked_; }
  void SetChecked(int state) { checked_ = state; }

  CFilterNode* GetParentNode() const { return parentNode_; }
  void SetParentNode(CFilterNode* node) { parentNode_ = node; }
  CFilterNode* GetTargetNode() const { return targetNode_; }
  void SetTargetNode(CFilterNode* node) { targetNode_ = node; }

 private:
  unsigned int id_;
  unsigned int parentId_;
  std::string label_;
  unsigned int value_;
  bool leaf_;
  int checked_;
  CFilterNode* parentNode_ = nullptr;
  CFilterNode* targetNode_ = nullptr;
};

// A node list as the filter trees take it; the nodes belong to whoever made the
// list.
using CFilterNodeList = tk::CList<CFilterNode*, CFilterNode*>;
