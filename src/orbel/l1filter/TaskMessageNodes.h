// The filter nodes of the layer-1 task-message tree: one node per task
// (identity 0xFF00 + task number) at the top, one leaf per task message
// (identity row + 1) under its task, all in catalogue order.
#pragma once

#include <bitset>
#include <deque>

#include "host/FilterNode.h"
#include "orbel/catalogue/L1TaskTables.h"

namespace orbel {

using TaskMessageBits = std::bitset<kL1TaskMessageCount>;

std::deque<CFilterNode> makeTaskMessageNodes();
// Ticks the message leaves of `nodes` (made above) whose rows are set in `ticked`, unticks the others.
void tickTaskMessages(std::deque<CFilterNode>& nodes, const TaskMessageBits& ticked);
// The rows whose message leaves are ticked.
TaskMessageBits tickedTaskMessages(const std::deque<CFilterNode>& nodes);

}  // namespace orbel
