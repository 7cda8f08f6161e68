#include "host/codec/Psdl.h"

#include "host/CPsdlMBTree.h"
#include "host/codec/PsdlBitCodec.h"
#include "host/codec/PsdlScript.h"

namespace {

using psdl::FieldKind;
using psdl::FieldValue;
using psdl::Variable;

constexpr unsigned int kLargestBlock = 1 << 20;

int failure(tVLink* link, std::string why) {
  if (link != nullptr) link->lastError = std::move(why);
  return 1;
}

Variable* variableOf(tVLink* link, const char* varName) {
  if (link == nullptr || varName == nullptr) return nullptr;
  auto found = link->variables.find(std::string_view(varName));
  if (found == link->variables.end()) {
    link->lastError = std::string("no variable \"") + varName + "\"";
    return nullptr;
  }
  return &found->second;
}

bool isArray(const psdl::FieldDesc& field) {
  return field.kind == FieldKind::FixedArray || field.kind == FieldKind::CountedArray;
}

void fillRows(CPsdlMBTree& tree, const std::vector<FieldValue>& values, tk::TreeItem parent, bool elements) {
  for (std::size_t i = 0; i < values.size(); ++i) {
    const FieldValue& value = values[i];
    const psdl::FieldDesc& field = *value.desc;
    const tk::TreeItem item =
        tree.insertRow(elements ? psdl::elementName(i) : field.name, psdl::valueText(value), field.comment, parent);
    tree.setEditable(item,
                     !(field.kind == FieldKind::Structure || field.kind == FieldKind::FixedArray) || field.optional);
    tree.setChoices(item, psdl::valueChoices(value));
    if (value.present && !value.children.empty()) {
      fillRows(tree, value.children, item, isArray(field));
      tree.expand(item, true);
    }
  }
}

// An edit from the tree: the variable takes the text or refuses it; rows
// come and go when a count or a presence that has fields under it changes.
std::string editField(tVLink* link, const std::string& varName, CPsdlMBTree& tree, tk::TreeItem item,
                      const std::string& text) {
  auto found = link->variables.find(varName);
  if (found == link->variables.end()) return "the variable " + varName + " is gone";
  FieldValue* field = psdl::findField(found->second.fields, tree.pathOf(item));
  if (field == nullptr) return "the row names no field of " + varName;
  const bool wasPresent = field->present;
  const std::size_t children = field->children.size();
  std::string refusal = psdl::applyText(*link->descriptions, *field, text);
  if (!refusal.empty()) return refusal;
  if (field->present != wasPresent || field->children.size() != children) {
    tree.deleteAllItems();
    fillRows(tree, found->second.fields, tk::kTreeRoot, false);
  } else {
    tree.setItemText(item, psdl::valueText(*field), tk::TreeListControl::kValueColumn);
  }
  return {};
}

}  // namespace

const char* PsdlQueryParameter(tVLink* link, unsigned char h2, unsigned char h3, unsigned char h4, unsigned char h5,
                               unsigned int primitiveId) {
  if (link == nullptr) return "";
  const psdl::PrimitiveDesc* primitive = link->descriptions->findPrimitive({h2, h3, h4, h5}, primitiveId);
  link->queried = primitive != nullptr ? primitive->parameter : std::string();
  return link->queried.c_str();
}

int PsdlNewVar(tVLink* link, const char* typeName, const char* varName) {
  if (link == nullptr || typeName == nullptr || varName == nullptr || *varName == '\0') return failure(link, "no name");
  const psdl::TypeDesc* type = link->descriptions->findType(typeName);
  if (type == nullptr) return failure(link, std::string("no type \"") + typeName + "\"");
  if (link->variables.contains(std::string_view(varName)))
    return failure(link, std::string("the variable \"") + varName + "\" exists");
  link->variables.emplace(varName, Variable{type, psdl::defaultFields(*link->descriptions, *type), {}, false});
  return 0;
}

int PsdlFreeVar(tVLink* link, const char* varName) {
  if (variableOf(link, varName) == nullptr) return 1;
  link->variables.erase(link->variables.find(std::string_view(varName)));
  return 0;
}

int PsdlDisplayToMBTree(tVLink* link, const char* varName, CPsdlMBTree* tree) {
  Variable* variable = variableOf(link, varName);
  if (variable == nullptr || tree == nullptr) return 1;
  fillRows(*tree, variable->fields, tk::kTreeRoot, false);
  tree->onValueEdit = [link, name = std::string(varName), tree](tk::TreeItem item, const std::string& text) {
    return editField(link, name, *tree, item, text);
  };
  return 0;
}

int PsdlGenerateMsg(tVLink* link, const char* varName) {
  Variable* variable = variableOf(link, varName);
  if (variable == nullptr) return 1;
  variable->buffer = psdl::encodeFields(variable->fields);
  variable->hasBuffer = true;
  return 0;
}

int PsdlGetVarBuf(tVLink* link, const char* varName, unsigned char** block, unsigned int* length) {
  Variable* variable = variableOf(link, varName);
  if (variable == nullptr || block == nullptr || length == nullptr) return 1;
  if (!variable->hasBuffer) return failure(link, std::string("the variable \"") + varName + "\" is not encoded");
  *block = variable->buffer.data();
  *length = static_cast<unsigned int>(variable->buffer.size());
  return 0;
}

unsigned char* PsdlNewBuf(tVLink* link, unsigned int size) {
  if (link == nullptr || size > kLargestBlock) return nullptr;
  auto block = std::make_unique<unsigned char[]>(size == 0 ? 1 : size);
  unsigned char* address = block.get();
  link->blocks.emplace(address, std::move(block));
  return address;
}

int PsdlBindVarBuf(tVLink* link, const char* varName, unsigned char* block, unsigned int length) {
  Variable* variable = variableOf(link, varName);
  if (variable == nullptr) return 1;
  auto found = link->blocks.find(block);
  if (found == link->blocks.end()) return failure(link, "the block was not made by PsdlNewBuf");
  variable->buffer.assign(block, block + length);
  variable->hasBuffer = true;
  link->blocks.erase(found);
  return 0;
}

int PsdlVarInterpret(tVLink* link, const char* varName) {
  Variable* variable = variableOf(link, varName);
  if (variable == nullptr) return 1;
  if (!variable->hasBuffer) return failure(link, std::string("the variable \"") + varName + "\" has no buffer");
  auto decoded = psdl::decodeFields(*link->descriptions, *variable->type, variable->buffer);
  if (auto* refusal = std::get_if<psdl::DecodeFailure>(&decoded)) return failure(link, refusal->reason);
  variable->fields = std::move(std::get<std::vector<FieldValue>>(decoded));
  return 0;
}

int PsdlFreeBuf(tVLink* link, unsigned char* block) {
  if (link == nullptr || block == nullptr) return 1;
  if (link->blocks.erase(block) != 0) return 0;
  for (auto& [name, variable] : link->variables) {
    if (variable.hasBuffer && variable.buffer.data() == block) {
      variable.buffer.clear();
      variable.hasBuffer = false;
      return 0;
    }
  }
  return failure(link, "the block belongs to no variable");
}

int PsdlVarGenerateScript(tVLink* link, const char* varName, unsigned int mode, tk::CString& text) {
  Variable* variable = variableOf(link, varName);
  if (variable == nullptr) return 1;
  if ((mode & 0xFFFF) != kPsdlScriptVariableForm) return failure(link, "not a variable-form script mode");
  if ((mode & 0xFFFF0000) == kPsdlScriptCompose) {
    psdl::appendComposeLines(varName, *variable->type, variable->fields, text);
    return 0;
  }
  if ((mode & 0xFFFF0000) == kPsdlScriptPlay) {
    const psdl::PrimitiveDesc* primitive = link->descriptions->primitiveOfType(variable->type->name);
    psdl::appendPlayLine("send", primitive != nullptr ? primitive->name : std::string(), varName, text);
    return 0;
  }
  return failure(link, "not a script mode");
}

int PsdlVarGenerateScript(tVLink* link, const unsigned char* message, unsigned int mode, tk::CString& text, int, int) {
  if (link == nullptr || message == nullptr) return 1;
  const bool awaited = mode == (kPsdlScriptPlay | kPsdlScriptMessageForm);
  if (!awaited && mode != (kPsdlScriptCompose | kPsdlScriptMessageForm))
    return failure(link, "not a message-form mode");
  const unsigned total = message[0] | message[1] << 8;
  if (total < 24) return failure(link, "the message is shorter than its frame");
  const unsigned payloadLength = message[18] | message[19] << 8;
  if (24u + payloadLength > total) return failure(link, "the payload length exceeds the message");
  const std::uint32_t primitiveId = static_cast<std::uint32_t>(message[10]) | message[11] << 8 | message[12] << 16 |
                                    static_cast<std::uint32_t>(message[13]) << 24;
  const psdl::PrimitiveDesc* primitive =
      link->descriptions->findPrimitive({message[2], message[3], message[4], message[5]}, primitiveId);
  if (primitive == nullptr) return failure(link, "the message is no described primitive");
  std::string lines;
  std::string varName;
  if (!primitive->parameter.empty()) {
    const psdl::TypeDesc& type = *link->descriptions->findType(primitive->parameter);
    auto decoded = psdl::decodeFields(*link->descriptions, type, {message + 20, payloadLength});
    if (auto* refusal = std::get_if<psdl::DecodeFailure>(&decoded)) return failure(link, refusal->reason);
    varName = "MSG_" + primitive->name;
    psdl::appendComposeLines(varName, type, std::get<std::vector<FieldValue>>(decoded), lines);
  }
  psdl::appendPlayLine(awaited ? "await" : "send", primitive->name, varName, lines);
  text += lines;
  return 0;
}
