#include "host/codec/PsdlScript.h"

namespace psdl {
namespace {

bool isArray(const FieldDesc& field) {
  return field.kind == FieldKind::FixedArray || field.kind == FieldKind::CountedArray;
}

// Walks the values depth first, giving each its path and whether it carries
// a value text of its own worth writing.
template <typename Visit>
void walk(const std::vector<FieldValue>& values, bool elements, std::vector<std::string>& path, const Visit& visit) {
  for (std::size_t i = 0; i < values.size(); ++i) {
    const FieldValue& value = values[i];
    path.push_back(elements ? elementName(i) : value.desc->name);
    visit(path, value);
    if (value.present) walk(value.children, isArray(*value.desc), path, visit);
    path.pop_back();
  }
}

bool isSafe(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '.' ||
         c == '-' || c == '+' || c == ':';
}

}  // namespace

std::string tclWord(std::string_view text) {
  bool safe = !text.empty();
  bool braceable = true;
  int depth = 0;
  for (char c : text) {
    safe = safe && isSafe(c);
    if (c == '\\' || c == '\n') braceable = false;
    if (c == '{') ++depth;
    if (c == '}' && --depth < 0) braceable = false;
  }
  if (safe) return std::string(text);
  if (braceable && depth == 0) return "{" + std::string(text) + "}";
  std::string word;
  for (char c : text) {
    if (c == '\n') {
      word += "\\n";
      continue;
    }
    if (!isSafe(c)) word += '\\';
    word += c;
  }
  return word;
}

void appendComposeLines(std::string_view varName, const TypeDesc& type, const std::vector<FieldValue>& fields,
                        std::string& text) {
  text += "orbel::variable " + tclWord(varName) + ' ' + tclWord(type.name) + '\n';
  std::vector<std::string> path;
  walk(fields, false, path, [&](const std::vector<std::string>& at, const FieldValue& value) {
    const std::string shown = valueText(value);
    if (shown.empty()) return;  // a structure or fixed array: its fields follow
    std::string list;
    for (const std::string& step : at) list += (list.empty() ? "" : " ") + tclWord(step);
    text += "orbel::field " + tclWord(varName) + ' ' + (at.size() == 1 ? list : "{" + list + "}") + ' ' +
            tclWord(shown) + '\n';
  });
}

void appendPlayLine(std::string_view verb, std::string_view primitive, std::string_view varName, std::string& text) {
  text += "orbel::" + std::string(verb) + ' ' + (primitive.empty() ? std::string("{}") : tclWord(primitive)) + ' ' +
          (varName.empty() ? std::string("{}") : tclWord(varName)) + '\n';
}

std::vector<std::string> fieldListing(const std::vector<FieldValue>& fields) {
  std::vector<std::string> lines;
  std::vector<std::string> path;
  walk(fields, false, path, [&](const std::vector<std::string>& at, const FieldValue& value) {
    std::string line(2 * (at.size() - 1), ' ');
    line += at.back();
    const std::string shown = valueText(value);
    if (!shown.empty()) line += " = " + shown;
    if (!value.desc->comment.empty()) line += "  (" + value.desc->comment + ")";
    lines.push_back(std::move(line));
  });
  return lines;
}

}  // namespace psdl
