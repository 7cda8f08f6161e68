#include "decode/Names.h"

#include "decode/MessageKinds.h"
#include "host/SimFilterInfoMan.h"
#include "orbel/l1filter/L1MessageHeader.h"
#include "orbel/wire/StackModules.h"

namespace orbel {

std::string moduleName(ModuleId module) {
  for (const modules::NamedModule& known : modules::kNamedModules)
    if (known.module == module) return std::string(known.name);
  // The SIM tasks are named by the host's definitions.
  for (const SimTaskEntry& task : CSimFilterInfoMan::CreateInstance(true)->GetSimTaskList())
    if (task.task == module.task && task.subModule == module.subModule && !task.name.empty()) return task.name;
  std::string name = "task " + std::to_string(module.task);
  return module.subModule == 0 ? name : name + ", sub-module " + std::to_string(module.subModule);
}

std::string commandName(std::uint32_t primitiveId) {
  if (const MessageKind* kind = findMessageKind(primitiveId)) return std::string(kind->name);
  for (const SimRecordEntry& record : CSimFilterInfoMan::CreateInstance(true)->GetSimRecordList())
    if (record.primitiveId == primitiveId) return record.name;
  return {};
}

std::string groupName(std::uint32_t messageGroup) {
  switch (static_cast<MessageGroup>(messageGroup)) {
    case MessageGroup::ProtocolStack: return "protocol stack";
    case MessageGroup::PhysicalLayer: return "physical layer";
    case MessageGroup::Layer1Report: return "layer-1 report";
    case MessageGroup::Layer1Command: return "layer-1 command";
  }
  return {};
}

std::string layer1CommandName(std::uint32_t code) {
  switch (static_cast<L1CommandCode>(code)) {
    case L1CommandCode::FilterConfig: return "filter configuration";
    case L1CommandCode::LoopTestChecked: return "loop test (box ticked)";
    case L1CommandCode::LoopTestUnchecked: return "loop test (box unticked)";
    case L1CommandCode::PortSetting: return "port setting";
  }
  return {};
}

}  // namespace orbel
