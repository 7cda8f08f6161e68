#include "orbel/primitive/NewScenarioCommand.h"

#include <vector>

#include "host/codec/Psdl.h"
#include "orbel/primitive/PsdlCommand.h"
#include "orbel/primitive/ScenarioMessage.h"

namespace orbel {
namespace {

// The variable's encoding with every field at its default, or why there is none.
std::variant<std::vector<std::uint8_t>, std::string> defaultParameter(tVLink& link, const std::string& typeName,
                                                                      const std::string& varName) {
  if (PsdlNewVar(&link, typeName.c_str(), varName.c_str()) != 0) return link.lastError;
  unsigned char* block = nullptr;
  unsigned int length = 0;
  std::variant<std::vector<std::uint8_t>, std::string> encoded;
  if (PsdlGenerateMsg(&link, varName.c_str()) == 0 && PsdlGetVarBuf(&link, varName.c_str(), &block, &length) == 0)
    encoded = std::vector<std::uint8_t>(block, block + length);
  else
    encoded = link.lastError;
  PsdlFreeVar(&link, varName.c_str());
  return encoded;
}

}  // namespace

std::variant<ScenarioCommandPtr, std::string> defaultScenarioCommand(tVLink& link, const psdl::PrimitiveDesc& primitive,
                                                                     std::int32_t sequence) {
  const auto& f = primitive.frame;
  const std::string typeName = PsdlQueryParameter(&link, f[0], f[1], f[2], f[3], primitive.primitive);
  std::string name = typeName.empty() ? primitive.name : scenarioVariableName(typeName);
  name = name.substr(0, kScenarioNameField - 1);
  std::vector<std::uint8_t> parameter;
  if (!typeName.empty()) {
    auto encoded = defaultParameter(link, typeName, name);
    if (auto* why = std::get_if<std::string>(&encoded)) return std::move(*why);
    parameter = std::move(std::get<std::vector<std::uint8_t>>(encoded));
  }
  const CommandBuffer message =
      buildPsdlMessage({primitive.frame, primitive.group, primitive.primitive}, parameter, {}, 0);
  if (!message) return std::string("the message would exceed its 16-bit length word");
  const auto data = message.bytes();
  ScenarioCommandPtr command = CreateScenarioCommand(sequence, name, kScenarioSimulate,
                                                     static_cast<std::int32_t>(data.size()), data);
  if (!command) return std::string("the command cannot hold the message");
  return command;
}

}  // namespace orbel
