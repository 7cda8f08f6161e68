#include "orbel/decode/Names.h"

#include "host/SimFilterInfoMan.h"
#include "orbel/l1filter/L1MessageHeader.h"

#include <array>
#include <utility>

namespace orbel {
namespace {

struct ModuleName {
  ModuleId module;
  const char* name;
};

constexpr std::array<ModuleName, 11> kModuleNames{{
    {{1, 0}, "MAC"},
    {{1, 1}, "RLC"},
    {{2, 0}, "RRC"},
    {{4, 0}, "PDH"},
    {{5, 0}, "MM"},
    {{5, 1}, "GMM"},
    {{6, 0}, "CC"},
    {{6, 1}, "SS"},
    {{6, 2}, "SM"},
    {{6, 4}, "GSMS"},
    {{0xBB, 0}, "layer 1"},
}};

constexpr std::array<std::pair<PrimitiveId, const char*>, 17> kCommandNames{{
    {PrimitiveId::HlsFilter, "HLS trace filter"},
    {PrimitiveId::TimerEnquiry, "timer enquiry"},
    {PrimitiveId::TimerSet, "timer set"},
    {PrimitiveId::CounterEnquiry, "counter enquiry"},
    {PrimitiveId::CounterSet, "counter set"},
    {PrimitiveId::ConstantEnquiry, "constant enquiry"},
    {PrimitiveId::VariableEnquiry, "variable enquiry"},
    {PrimitiveId::StaticEnquiry, "static information enquiry"},
    {PrimitiveId::StateMachineEnquiry, "state-machine enquiry"},
    {PrimitiveId::DisableRequest, "disable request"},
    {PrimitiveId::LockCell, "lock cell"},
    {PrimitiveId::PhysicalParameterRequest, "physical-layer parameter request"},
    {PrimitiveId::Layer1ReportConfig, "layer-1 info report configuration"},
    {PrimitiveId::Layer1ReportParameter, "layer-1 info report parameter"},
    {PrimitiveId::Layer1ReportBytes, "layer-1 info report byte list"},
    {PrimitiveId::MeasurementInterval, "measurement report interval"},
    {PrimitiveId::OtherParamConfig, "other-parameter configuration"},
}};

}  // namespace

std::string moduleName(ModuleId module) {
  for (const ModuleName& known : kModuleNames)
    if (known.module == module) return known.name;
  // The SIM tasks are named by the host's definitions.
  for (const SimTaskEntry& task : CSimFilterInfoMan::CreateInstance(true)->GetSimTaskList())
    if (task.task == module.task && task.subModule == module.subModule && !task.name.empty()) return task.name;
  std::string name = "task " + std::to_string(module.task);
  return module.subModule == 0 ? name : name + ", sub-module " + std::to_string(module.subModule);
}

std::string commandName(std::uint32_t primitiveId) {
  for (const auto& [id, name] : kCommandNames)
    if (static_cast<std::uint32_t>(id) == primitiveId) return name;
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
