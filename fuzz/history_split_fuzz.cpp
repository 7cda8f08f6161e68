// The search history's splitter and joiner under arbitrary text: joining the
// pieces gives the text back, no piece holds the separator, and an empty
// text has no piece.
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "host/Utility.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0 || size > 4096) return 0;
  // The first byte chooses the separator's length: "+" or "+-".
  const std::string separator = data[0] % 2 == 0 ? "+" : "+-";
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  CStringList pieces;
  CUtility::sepString(pieces, text, separator);
  fuzzCheck(text.empty() == pieces.empty(), "only an empty text has no piece");
  for (const std::string& piece : pieces)
    fuzzCheck(piece.find(separator) == std::string::npos, "pieces hold no separator");
  std::string joined = "not empty";
  CUtility::joinString(joined, pieces, separator);
  fuzzCheck(joined == text, "joining the pieces gives the text back");
  return 0;
}
