#include "host/codec/PrimitiveChoices.h"

#include <algorithm>
#include <cctype>

namespace psdl {
namespace {

std::string lowerCase(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
  return lower;
}

std::vector<std::string> wordsOf(std::string_view filter) {
  std::vector<std::string> words;
  std::size_t at = 0;
  while (at < filter.size()) {
    const std::size_t start = filter.find_first_not_of(" \t", at);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(filter.find_first_of(" \t", start), filter.size());
    words.push_back(lowerCase(filter.substr(start, end - start)));
    at = end;
  }
  return words;
}

// What a filter word may match: the name, the type and the identifier a user knows a primitive by. Not
// the group, which most primitives share and whose digits would match many identifiers' words.
std::string searchText(const PrimitiveDesc& primitive) {
  return lowerCase(primitive.name + '\n' + primitive.parameter + '\n' + std::to_string(primitive.primitive));
}

}  // namespace

std::string parameterText(const PrimitiveDesc& primitive) {
  return primitive.parameter.empty() ? "(no parameter)" : primitive.parameter;
}

std::string choiceText(const PrimitiveDesc& primitive) { return primitive.name + "  " + parameterText(primitive); }

std::vector<std::size_t> matchingPrimitives(const DescriptionSet& set, std::string_view filter) {
  const std::vector<std::string> words = wordsOf(filter);
  std::vector<std::size_t> kept;
  for (std::size_t i = 0; i < set.primitives.size(); ++i) {
    const std::string text = words.empty() ? std::string() : searchText(set.primitives[i]);
    const bool matches = std::all_of(words.begin(), words.end(),
                                     [&](const std::string& word) { return text.find(word) != std::string::npos; });
    if (matches) kept.push_back(i);
  }
  return kept;
}

}  // namespace psdl
