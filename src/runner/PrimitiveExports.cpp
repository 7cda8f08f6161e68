// The primitive command builder. The runner gives it a codec link of its
// own over the host's description set: the built-in one, or the file that
// ORBEL_PRIMITIVE_DESCRIPTIONS names (`orbel primitives` lists what is
// described, with the values to pass).
#include "orbel/builders/PrimitiveExports.h"

#include "host/codec/Psdl.h"
#include "runner/BuilderCall.h"
#include "runner/ExportGroups.h"

namespace orbel::runner {
namespace {

constexpr Parameter kH2 = parameterOf<unsigned char>("h2", "header byte 2, the start mark", 0xFF);
constexpr Parameter kH3 = parameterOf<unsigned char>("h3", "header byte 3");
// Without arguments the export opens the first built-in primitive,
// RRC_BCFE_CONNECT_REQ (FF 00 02 00, 14001).
constexpr Parameter kH4 = parameterOf<unsigned char>("h4", "header byte 4, the ModuleId task byte", 2);
constexpr Parameter kH5 = parameterOf<unsigned char>("h5", "header byte 5, the ModuleId sub-module byte");
constexpr Parameter kGroup = parameterOf<unsigned int>("group", "MessageGroup, copied into the header", 13002);
constexpr Parameter kPrimitive = parameterOf<unsigned int>("primitive", "PrimitiveId", 14001);

ExportOutcome runPsdlCommand(const ExportCall& call) {
  auto descriptions = psdl::hostDescriptions();
  if (auto* error = std::get_if<std::string>(&descriptions)) {
    ExportOutcome outcome;
    outcome.out.emplace_back("descriptions", *error);
    return outcome;
  }
  tVLink link(std::get<std::shared_ptr<const psdl::DescriptionSet>>(descriptions));
  return callBuilder(call, [&](unsigned int* len) {
    return OrbelGetPsdlCmdBuffer(
        &link, static_cast<unsigned char>(arg(call, kH2)), static_cast<unsigned char>(arg(call, kH3)),
        static_cast<unsigned char>(arg(call, kH4)), static_cast<unsigned char>(arg(call, kH5)),
        static_cast<unsigned int>(arg(call, kGroup)), static_cast<unsigned int>(arg(call, kPrimitive)), len);
  });
}

}  // namespace

void addPrimitiveExports(std::vector<ExportInfo>& table) {
  table.push_back(exportRow(
      ORBEL_SIGNATURE(OrbelGetPsdlCmdBuffer, "link", "h2", "h3", "h4", "h5", "group", "primitive", "len"), "scenarios",
      "one primitive composed field by field, with optional peer data; `orbel primitives` lists them",
      {kH2, kH3, kH4, kH5, kGroup, kPrimitive}, runPsdlCommand, true));
}

}  // namespace orbel::runner
