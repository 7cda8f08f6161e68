#include "host/FilterNode.h"

#include <utility>

CFilterNode::CFilterNode(unsigned int id, std::string label, unsigned int value, unsigned int parentId, int checked,
                         int leaf)
    : id_(id), parentId_(parentId), label_(std::move(label)), value_(value), leaf_(leaf != 0), checked_(checked) {}

CFilterNode& CFilterNode::operator=(const CFilterNode& other) {
  id_ = other.id_;
  parentId_ = other.parentId_;
  label_ = other.label_;
  value_ = other.value_;
  leaf_ = other.leaf_;
  checked_ = other.checked_;
  return *this;
}
