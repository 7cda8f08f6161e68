#include "orbel/l1filter/TaskMessageNodes.h"

#include <string>

namespace orbel {
namespace {

constexpr unsigned kTaskNodeBase = 0xFF00;
constexpr unsigned kTaskNodeValue = 0xFFFFFFFF;

}  // namespace

std::deque<CFilterNode> makeTaskMessageNodes() {
  std::deque<CFilterNode> nodes;
  for (const L1Task& task : L1TaskTable)
    nodes.emplace_back(kTaskNodeBase + task.number, std::string(task.name), kTaskNodeValue, 0, 0, 0);
  for (std::size_t row = 0; row < kL1TaskMessageCount; ++row) {
    const L1TaskMessage& message = L1TaskMessageTable[row];
    nodes.emplace_back(static_cast<unsigned>(row + 1), std::string(message.name), message.value,
                       kTaskNodeBase + taskOfMessage(message.value), 0, 1);
  }
  return nodes;
}

void tickTaskMessages(std::deque<CFilterNode>& nodes, const TaskMessageBits& ticked) {
  for (std::size_t row = 0; row < kL1TaskMessageCount && kL1TaskCount + row < nodes.size(); ++row)
    nodes[kL1TaskCount + row].SetChecked(ticked.test(row) ? CFilterNode::kTicked : CFilterNode::kUnticked);
}

TaskMessageBits tickedTaskMessages(const std::deque<CFilterNode>& nodes) {
  TaskMessageBits ticked;
  for (std::size_t row = 0; row < kL1TaskMessageCount && kL1TaskCount + row < nodes.size(); ++row)
    ticked.set(row, nodes[kL1TaskCount + row].GetChecked() == CFilterNode::kTicked);
  return ticked;
}

}  // namespace orbel
