// The codec's handle, `tVLink`: one description set and the variables and
// buffers made from it. A host creates one link and passes it to every
// codec operation (host/codec/Psdl.h).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "host/codec/PsdlValue.h"

namespace psdl {

// A variable: a value of its type, and its encoded buffer once encoded or
// bound.
struct Variable {
  const TypeDesc* type = nullptr;
  std::vector<FieldValue> fields;
  std::vector<std::uint8_t> buffer;
  bool hasBuffer = false;
};

// The built-in description set (data/primitives.json, carried in the
// library).
std::shared_ptr<const DescriptionSet> builtInDescriptions();
// The description file at `path`, read and checked, or why it was refused.
std::variant<std::shared_ptr<const DescriptionSet>, std::string> loadDescriptionFile(const std::string& path);
// The set a host uses by default: the file that the environment variable
// ORBEL_PRIMITIVE_DESCRIPTIONS names, else the built-in one.
std::variant<std::shared_ptr<const DescriptionSet>, std::string> hostDescriptions();

}  // namespace psdl

namespace CPsdlSystem_ns {

struct tVLink {
  explicit tVLink(std::shared_ptr<const psdl::DescriptionSet> set) : descriptions(std::move(set)) {}

  std::shared_ptr<const psdl::DescriptionSet> descriptions;
  std::map<std::string, psdl::Variable, std::less<>> variables;
  // Blocks handed out by PsdlNewBuf and not yet bound to a variable.
  std::map<const unsigned char*, std::unique_ptr<unsigned char[]>> blocks;
  std::string queried;    // PsdlQueryParameter's last answer
  std::string lastError;  // why the last failed operation failed
};

}  // namespace CPsdlSystem_ns
