#include "PrimitiveList.h"

#include <variant>

#include "HostSession.h"
#include "host/codec/PrimitiveChoices.h"
#include "host/codec/PsdlLink.h"

namespace orbel::cli {

void printPrimitives(std::ostream& out) {
  auto loaded = psdl::hostDescriptions();
  if (const auto* error = std::get_if<std::string>(&loaded)) throw DataError(*error);
  const psdl::DescriptionSet& set = *std::get<std::shared_ptr<const psdl::DescriptionSet>>(loaded);
  for (const psdl::PrimitiveDesc& primitive : set.primitives) {
    out << psdl::choiceText(primitive);
    if (!primitive.comment.empty()) out << "  -- " << primitive.comment;
    out << "\n  --arg h2=" << int{primitive.frame[0]} << " --arg h3=" << int{primitive.frame[1]}
        << " --arg h4=" << int{primitive.frame[2]} << " --arg h5=" << int{primitive.frame[3]}
        << " --arg group=" << primitive.group << " --arg primitive=" << primitive.primitive << '\n';
  }
}

}  // namespace orbel::cli
